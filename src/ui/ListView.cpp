#include "ui/ListView.h"

#include <commctrl.h>

namespace vb::ui {

bool ListView::Create(Window& parent, const Bounds& bounds, const std::vector<Column>& columns) {
  if (!CreateSystemControl(WC_LISTVIEWA, WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                           WS_EX_CLIENTEDGE, "", bounds, parent))
    return false;
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = columns[i].RightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = Scale(columns[i].Width);
    columnWidths_.push_back(columns[i].Width);
    column.pszText = const_cast<char*>(columns[i].Caption.c_str());
    ::SendMessageA(Handle(), LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  return true;
}

void ListView::Rescale() {
  Window::Rescale();
  for (std::size_t i = 0; i < columnWidths_.size(); ++i)
    ListView_SetColumnWidth(Handle(), static_cast<int>(i), Scale(columnWidths_[i]));
}

void ListView::SetRows(const std::vector<Row>& rows) {
  const bool grew = rows.size() > rows_.size();
  filling_ = true;
  ::SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  const int count = static_cast<int>(rows.size());
  // Rows are added or taken away at the end; the texts of every row are set anew.
  while (RowCount() > count) ListView_DeleteItem(Handle(), RowCount() - 1);
  for (int row = 0; row < count; ++row) {
    for (std::size_t column = 0; column < rows[row].Texts.size(); ++column) {
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.iSubItem = static_cast<int>(column);
      item.pszText = const_cast<char*>(rows[row].Texts[column].c_str());
      if (column == 0 && row >= RowCount()) {
        ::SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      } else {
        ::SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
      }
    }
  }
  rows_ = rows;
  ::SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  if (grew && count > 0) ListView_EnsureVisible(Handle(), count - 1, FALSE);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  filling_ = false;
}

int ListView::RowCount() const { return Handle() ? ListView_GetItemCount(Handle()) : 0; }

std::string ListView::Text(int row, int column) const {
  char text[256] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ::SendMessageA(Handle(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

void ListView::SelectRow(int row) {
  ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row >= 0) ListView_SetItemState(Handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::DrawFocusWithoutRow(HDC dc) const {
  if (::GetFocus() != Handle() || ListView_GetNextItem(Handle(), -1, LVNI_FOCUSED) >= 0) return;
  if (::SendMessageA(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
  RECT rows{};
  ::GetClientRect(Handle(), &rows);
  RECT header{};
  if (::GetWindowRect(ListView_GetHeader(Handle()), &header)) rows.top += header.bottom - header.top;
  ::InflateRect(&rows, -1, -1);
  if (rows.bottom > rows.top) ::DrawFocusRect(dc, &rows);
}

LRESULT ListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefaultHandling(message, wParam, lParam);
  // The list repaints only its focused row, and there may be none.
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) ::InvalidateRect(Handle(), nullptr, TRUE);
  return result;
}

bool ListView::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.code == NM_CUSTOMDRAW) {
    auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header));
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
      result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
      return true;
    }
    if (draw.nmcd.dwDrawStage == CDDS_POSTPAINT) {
      DrawFocusWithoutRow(draw.nmcd.hdc);
      result = CDRF_DODEFAULT;
      return true;
    }
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
      if (IsGreyed(static_cast<int>(draw.nmcd.dwItemSpec))) draw.clrText = ::GetSysColor(COLOR_GRAYTEXT);
      result = CDRF_DODEFAULT;
      return true;
    }
    return false;
  }
  if (header.code == NM_CLICK) {
    // A click on the row already selected picks it again.
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(&header)->iItem;
    if (row >= 0 && OnRowChosen) OnRowChosen(row);
    return false;
  }
  if (header.code == LVN_ITEMCHANGED && !filling_) {
    const auto& change = *reinterpret_cast<const NMLISTVIEW*>(&header);
    const bool selected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if (selected && change.iItem >= 0 && OnRowChosen) OnRowChosen(change.iItem);
  }
  return false;
}

}  // namespace vb::ui
