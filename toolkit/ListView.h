#pragma once
// A report-style list view with up to two sub-items per row, an image per row
// and a value of the caller's own; it can keep itself sorted by caption.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

struct TListRow {
  std::string caption;
  std::string subItem;
  int image = 0;
  LPARAM data = 0;
  std::string subItem2 = {};  // the third column's text, where the list has one
  bool checked = true;  // the row's check box, in a list that shows them
  std::string subItem3 = {};  // the fourth column's text, where the list has one
};

class TListView : public TControl {
 public:
  // Orders two rows: negative, zero or positive as for strcmp.
  using TRowCompare = std::function<int(const TListRow&, const TListRow&)>;

  TListView(TDialog& owner, int id);

  void AddColumn(const std::string& caption, int width);
  void SetSmallImages(HIMAGELIST images);
  // With an order set, the rows are sorted by it again after every change of
  // a caption (adding a row included); the sort keeps equal rows in order.
  void SetCaptionOrder(TRowCompare order) { captionOrder_ = std::move(order); }

  int Count() const;
  TListRow Row(int index) const;
  std::string Caption(int index) const;
  std::string SubItem(int index) const;
  std::string SubItem2(int index) const;
  std::string SubItem3(int index) const;
  LPARAM Data(int index) const;

  void Add(const TListRow& row);
  void SetCaption(int index, const std::string& caption);
  // Shows a caption the ANSI code page cannot carry. Caption() and the sorts
  // see its ANSI form; after a sort the caller shows it again.
  void ShowWideCaption(int index, const std::wstring& caption);
  void SetSubItem(int index, const std::string& text);
  void SetSubItem2(int index, const std::string& text);
  void SetData(int index, LPARAM data);
  void Delete(int index);
  void Clear();

  // A check box in front of every row (LVS_EX_CHECKBOXES).
  void ShowCheckBoxes();
  bool HasCheckBoxes() const;
  bool Checked(int index) const;
  // Sets the box as code does: OnCheck does not fire.
  void SetChecked(int index, bool checked);

  // -1 when no row is selected.
  int SelectedIndex() const;
  void Select(int index);

  // Reorders all rows once; selection and focus go with their rows.
  void Sort(const TRowCompare& compare);

  // Replaces all rows at once (in caption order, when one is set).
  void SetRows(std::vector<TListRow> rows);

  // A value of the page's own, kept with the list.
  int Tag = 0;

  std::function<void()> OnChange;
  // The focus went to another control of the same window; a message box or
  // another program taking it leaves the list as it was.
  std::function<void()> OnExit;
  std::function<void()> OnDblClick;
  std::function<void(int column)> OnColumnClick;
  // The user ticked or cleared the check box of a row.
  std::function<void(int index)> OnCheck;
  // Asked before a caption is edited in place; the edit goes on only when
  // the handler leaves allowEdit true.
  std::function<void(int index, bool& allowEdit)> OnEditing;

  LRESULT Notify(NMHDR& header) override;

 private:
  struct StoredRow {
    TListRow row;
    UINT state = 0;
  };
  std::string ItemText(int index, int column) const;
  void SetItemText(int index, int column, const std::string& text);
  bool FocusStaysInWindow() const;
  void SortByCaption();
  void Insert(int index, const TListRow& row);
  std::vector<StoredRow> ReadAll() const;
  void WriteAll(const std::vector<StoredRow>& rows);

  TRowCompare captionOrder_;
  int quiet_ = 0;  // no change events while the list rearranges itself
};
