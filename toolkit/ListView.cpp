#include "toolkit/ListView.h"

#include <algorithm>

TListView::TListView(TDialog& owner, int id) : TReportListView(owner, id) {}

void TListView::SetChecked(int index, bool checked) {
  ++quiet_;
  ListView_SetCheckState(Handle(), index, checked);
  --quiet_;
}

void TListView::Insert(int index, const TListRow& row) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = index;
  item.pszText = const_cast<char*>(row.caption.c_str());
  item.iImage = row.image;
  item.lParam = row.data;
  index = static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  SetItemText(index, 1, row.subItem);
  if (!row.subItem2.empty()) SetItemText(index, 2, row.subItem2);
  if (!row.subItem3.empty()) SetItemText(index, 3, row.subItem3);
  if (HasCheckBoxes()) SetChecked(index, row.checked);
}

void TListView::SetRows(std::vector<TListRow> rows) {
  if (captionOrder_)
    std::stable_sort(rows.begin(), rows.end(),
                     [this](const TListRow& a, const TListRow& b) { return captionOrder_(a, b) < 0; });
  SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  Clear();
  ListView_SetItemCount(Handle(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) Insert(static_cast<int>(i), rows[i]);
  SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TListView::ShowWideCaption(int index, const std::wstring& caption) {
  LVITEMW item = {};
  item.iSubItem = 0;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  SendMessageW(Handle(), LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
}

void TListView::SetItemText(int index, int column, const std::string& text) {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(Handle(), LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

void TListView::Clear() { ListView_DeleteAllItems(Handle()); }

std::vector<TListView::StoredRow> TListView::ReadAll() const {
  std::vector<StoredRow> rows(Count());
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    rows[i].row = Row(i);
    rows[i].state = ListView_GetItemState(Handle(), i, LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK);
  }
  return rows;
}

void TListView::WriteAll(const std::vector<StoredRow>& rows) {
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const TListRow& row = rows[i].row;
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = i;
    item.pszText = const_cast<char*>(row.caption.c_str());
    item.iImage = row.image;
    item.lParam = row.data;
    item.state = rows[i].state;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK;
    SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SetItemText(i, 1, row.subItem);
    SetItemText(i, 2, row.subItem2);
    SetItemText(i, 3, row.subItem3);
  }
}

void TListView::Sort(const TRowCompare& compare) {
  std::vector<StoredRow> rows = ReadAll();
  std::stable_sort(rows.begin(), rows.end(),
                   [&](const StoredRow& a, const StoredRow& b) { return compare(a.row, b.row) < 0; });
  ++quiet_;
  WriteAll(rows);
  --quiet_;
  if (OnChange) OnChange();
}

LRESULT TListView::Notify(NMHDR& header) {
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      if (quiet_ > 0) return 0;
      const NMLISTVIEW& change = reinterpret_cast<NMLISTVIEW&>(header);
      // A row that was just inserted gets its first box (from no state
      // image): that is no tick of the user's.
      const bool boxChanged = (change.uChanged & LVIF_STATE) && (change.uOldState & LVIS_STATEIMAGEMASK) &&
                              ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK);
      if (boxChanged) {
        if (OnCheck) OnCheck(change.iItem);
      } else if (OnChange) {
        OnChange();
      }
      return 0;
    }
  }
  return TReportListView::Notify(header);
}
