#pragma once
// A frame with radio buttons of which one is selected. OnClick follows every
// change of the selected item, by the user or by code.

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/Control.h"

class TRadioGroup : public TControl {
 public:
  // The frame's ID, and the IDs of its buttons in item order.
  TRadioGroup(TDialog& owner, int frameId, const std::vector<int>& itemIds);

  std::function<void()> OnClick;

  int Count() const { return static_cast<int>(items_.size()); }
  std::string Item(int index) const { return items_[index]->Text(); }
  // -1 when no item is selected.
  int ItemIndex() const;
  void SetItemIndex(int index);

 private:
  class TItem : public TControl {
   public:
    TItem(TDialog& owner, int id, TRadioGroup& group) : TControl(owner, id), group_(group) {}
    void Command(WORD code) override;

   private:
    TRadioGroup& group_;
  };
  void Select(int index);

  std::vector<std::unique_ptr<TItem>> items_;
};
