#pragma once
// A report-style list view that holds its rows: up to four columns, an image
// per row and a value of the caller's own, all set at once; it can keep
// them sorted by caption.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/ReportListView.h"

class TListView : public TReportListView {
 public:
  // Orders two rows: negative, zero or positive as for strcmp.
  using TRowCompare = std::function<int(const TListRow&, const TListRow&)>;

  TListView(TDialog& owner, int id);

  // With an order set, SetRows sorts the rows by it; the sort keeps equal
  // rows in order.
  void SetCaptionOrder(TRowCompare order) { captionOrder_ = std::move(order); }

  // Shows a caption the ANSI code page cannot carry. Caption() and the sorts
  // see its ANSI form; after a sort the caller shows it again.
  void ShowWideCaption(int index, const std::wstring& caption);
  void Clear();

  // Reorders all rows once; selection and focus go with their rows.
  void Sort(const TRowCompare& compare);

  // Replaces all rows at once (in caption order, when one is set).
  void SetRows(std::vector<TListRow> rows);

  LRESULT Notify(NMHDR& header) override;

 private:
  struct StoredRow {
    TListRow row;
    UINT state = 0;
  };
  // Sets the box as code does: OnCheck does not fire.
  void SetChecked(int index, bool checked);
  void SetItemText(int index, int column, const std::string& text);
  void Insert(int index, const TListRow& row);
  std::vector<StoredRow> ReadAll() const;
  void WriteAll(const std::vector<StoredRow>& rows);

  TRowCompare captionOrder_;
  int quiet_ = 0;  // no change events while the list rearranges itself
};
