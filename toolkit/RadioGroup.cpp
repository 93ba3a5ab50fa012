#include "toolkit/RadioGroup.h"

TRadioGroup::TRadioGroup(TDialog& owner, int frameId, const std::vector<int>& itemIds) : TControl(owner, frameId) {
  for (int id : itemIds) items_.push_back(std::make_unique<TItem>(owner, id, *this));
}

int TRadioGroup::ItemIndex() const {
  for (int i = 0; i < Count(); ++i)
    if (SendMessageA(items_[i]->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
  return -1;
}

void TRadioGroup::Select(int index) {
  for (int i = 0; i < Count(); ++i)
    SendMessageA(items_[i]->Handle(), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioGroup::SetItemIndex(int index) {
  if (index == ItemIndex()) return;
  Select(index);
  if (OnClick) OnClick();
}

// The items are plain (not automatic) radio buttons, so the group alone
// decides what is checked; a click on the selected item changes nothing.
void TRadioGroup::TItem::Command(WORD code) {
  if (code != BN_CLICKED) return;
  int index = 0;
  while (group_.items_[index].get() != this) ++index;
  group_.SetItemIndex(index);
}
