#include "toolkit/ReportListView.h"

#include <vector>

TReportListView::TReportListView(TDialog& owner, int id) : TControl(owner, id) {}

void TReportListView::AddColumn(const std::string& caption, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>(caption.c_str());
  column.cx = width;
  int count = Header_GetItemCount(ListView_GetHeader(Handle()));
  SendMessageA(Handle(), LVM_INSERTCOLUMNA, count, reinterpret_cast<LPARAM>(&column));
}

void TReportListView::SetSmallImages(HIMAGELIST images) { ListView_SetImageList(Handle(), images, LVSIL_SMALL); }

int TReportListView::Count() const { return ListView_GetItemCount(Handle()); }

std::string TReportListView::ItemText(int index, int column) const {
  std::vector<char> buffer(1024);
  for (;;) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    int length = static_cast<int>(SendMessageA(Handle(), LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
    if (length < static_cast<int>(buffer.size()) - 1) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 4);
  }
}

std::string TReportListView::Caption(int index) const { return ItemText(index, 0); }
std::string TReportListView::SubItem(int index) const { return ItemText(index, 1); }
std::string TReportListView::SubItem2(int index) const { return ItemText(index, 2); }
std::string TReportListView::SubItem3(int index) const { return ItemText(index, 3); }

LPARAM TReportListView::Data(int index) const {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.lParam;
}

TListRow TReportListView::Row(int index) const {
  LVITEMA item = {};
  item.mask = LVIF_PARAM | LVIF_IMAGE;
  item.iItem = index;
  SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return {Caption(index), SubItem(index), item.iImage, item.lParam, SubItem2(index), Checked(index), SubItem3(index)};
}

void TReportListView::ShowCheckBoxes() {
  ListView_SetExtendedListViewStyleEx(Handle(), LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
}

bool TReportListView::HasCheckBoxes() const {
  return (ListView_GetExtendedListViewStyle(Handle()) & LVS_EX_CHECKBOXES) != 0;
}

bool TReportListView::Checked(int index) const { return ListView_GetCheckState(Handle(), index) == TRUE; }

int TReportListView::SelectedIndex() const { return ListView_GetNextItem(Handle(), -1, LVNI_SELECTED); }

void TReportListView::Select(int index) {
  ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (index >= 0) ListView_SetItemState(Handle(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool TReportListView::FocusStaysInWindow() const {
  HWND focus = GetFocus();
  return focus && GetAncestor(focus, GA_ROOT) == GetAncestor(Handle(), GA_ROOT);
}

LRESULT TReportListView::Notify(NMHDR& header) {
  switch (header.code) {
    case NM_KILLFOCUS:
      if (OnExit && FocusStaysInWindow()) OnExit();
      return 0;
    case NM_DBLCLK:
      if (OnDblClick) OnDblClick();
      return 0;
    case LVN_COLUMNCLICK:
      if (OnColumnClick) OnColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
      return 0;
    case LVN_BEGINLABELEDITA: {
      bool allowEdit = true;
      if (OnEditing) OnEditing(reinterpret_cast<NMLVDISPINFOA&>(header).item.iItem, allowEdit);
      return allowEdit ? FALSE : TRUE;
    }
  }
  return 0;
}
