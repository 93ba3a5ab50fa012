#pragma once
// A report-style list view that holds no rows (LVS_OWNERDATA in its
// template): it knows only how many there are and asks its owner for what
// it draws or is asked about, so its cost does not grow with their number.
// The owner keeps the rows, their order and their check boxes; a click on a
// row's box or the space bar only asks it to switch the row (OnCheck), and
// the box shows what the owner says afterwards.

#include <functional>
#include <string>

#include "toolkit/ReportListView.h"

class TOwnerDataListView : public TReportListView {
 public:
  TOwnerDataListView(TDialog& owner, int id);
  ~TOwnerDataListView() override;

  // The text of a row's column, and whether its box is ticked.
  std::function<std::string(int row, int column)> RowText;
  std::function<bool(int row)> RowChecked;
  // The picture of every row.
  void SetRowImage(int image) { rowImage_ = image; }

  // After the owner's rows changed: count rows, all drawn again. A list that
  // keeps its place stays scrolled where the user left it.
  enum class TScroll { Keep, ToTop };
  void ShowRows(int count, TScroll scroll);

  LRESULT Notify(NMHDR& header) override;

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  void AnswerDisplayInfo(LVITEMA& item) const;
  int FindByCaption(UINT flags, const char* typed, int start) const;
  void CheckClicked(LPARAM where);
  int KeyRow() const;

  int rowImage_ = 0;
};
