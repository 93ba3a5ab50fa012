#pragma once
// What every report-style list view of the program shares, whoever holds its
// rows: columns and pictures, reading what a row shows, check boxes, the
// selection and the events of the focus, clicks and in-place editing.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

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

class TReportListView : public TControl {
 public:
  TReportListView(TDialog& owner, int id);

  void AddColumn(const std::string& caption, int width);
  void SetSmallImages(HIMAGELIST images);

  int Count() const;
  // What the list shows of a row.
  TListRow Row(int index) const;
  std::string Caption(int index) const;
  std::string SubItem(int index) const;
  std::string SubItem2(int index) const;
  std::string SubItem3(int index) const;
  LPARAM Data(int index) const;

  // A check box in front of every row (LVS_EX_CHECKBOXES).
  void ShowCheckBoxes();
  bool HasCheckBoxes() const;
  bool Checked(int index) const;

  // -1 when no row is selected.
  int SelectedIndex() const;
  void Select(int index);

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

 protected:
  std::string ItemText(int index, int column) const;

 private:
  bool FocusStaysInWindow() const;
};
