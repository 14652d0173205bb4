#include "ui/report_list_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/ansi_text.h"

namespace orvx::ui {
namespace {

bool less_ignoring_case(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(text::fold_case(x)) < static_cast<unsigned char>(text::fold_case(y));
  });
}

}  // namespace

ReportList::ReportList(const ReportListArgs& args)
    : HostedControl(HostedControlArgs{
          .widget_class = kReportListClass,
          .control_class = WC_LISTVIEWA,
          .control_style = WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
          .control_ex_style = WS_EX_CLIENTEDGE,
          .name = args.name,
          .hint = args.hint,
          .parent = args.parent,
          .bounds = args.bounds}),
      on_key_up_(args.on_key_up),
      on_selection_changed_(args.on_selection_changed) {
  ListView_SetExtendedListViewStyle(control(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (const ReportColumn& column : args.columns) {
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.cx = column.width;
    c.pszText = const_cast<char*>(column.caption.c_str());
    c.iSubItem = static_cast<int>(column_count_);
    SendMessageA(control(), LVM_INSERTCOLUMNA, column_count_, reinterpret_cast<LPARAM>(&c));
    ++column_count_;
  }
}

void ReportList::set_column_caption(size_t column, const std::string& caption) {
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT;
  c.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(control(), LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
}

std::string ReportList::column_caption(size_t column) const {
  char buffer[260] = {};
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT;
  c.pszText = buffer;
  c.cchTextMax = sizeof(buffer);
  SendMessageA(control(), LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
  return buffer;
}

void ReportList::set_rows(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::vector<std::string>> sorted = rows;
  std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
    return less_ignoring_case(a.empty() ? std::string() : a[0], b.empty() ? std::string() : b[0]);
  });
  SendMessageA(control(), WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(control());
  for (size_t r = 0; r < sorted.size(); ++r) {
    for (size_t c = 0; c < column_count_ && c < sorted[r].size(); ++c) {
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(r);
      item.iSubItem = static_cast<int>(c);
      item.pszText = const_cast<char*>(sorted[r][c].c_str());
      SendMessageA(control(), c == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
  }
  SendMessageA(control(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(control(), nullptr, TRUE);
}

size_t ReportList::row_count() const { return static_cast<size_t>(ListView_GetItemCount(control())); }

std::string ReportList::cell(size_t row, size_t column) const {
  char buffer[260] = {};
  LVITEMA item{};
  item.iSubItem = static_cast<int>(column);
  item.pszText = buffer;
  item.cchTextMax = sizeof(buffer);
  SendMessageA(control(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

std::optional<size_t> ReportList::selected_row() const {
  const int row = ListView_GetNextItem(control(), -1, LVNI_SELECTED);
  if (row < 0) return std::nullopt;
  return static_cast<size_t>(row);
}

void ReportList::select_row(std::optional<size_t> row) {
  ListView_SetItemState(control(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (!row) return;
  ListView_SetItemState(control(), static_cast<int>(*row), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(control(), static_cast<int>(*row), FALSE);
}

void ReportList::remove_row(size_t row) { ListView_DeleteItem(control(), static_cast<int>(row)); }

LRESULT ReportList::control_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_NOTIFY) return default_handling(msg, wp, lp);
  const auto* header = reinterpret_cast<const NMHDR*>(lp);
  if (header->hwndFrom != control()) return 0;
  if (header->code == LVN_ITEMCHANGED) {
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
    if ((change->uChanged & LVIF_STATE) && ((change->uOldState ^ change->uNewState) & LVIS_SELECTED) &&
        on_selection_changed_) {
      std::function<void()> handler = on_selection_changed_;
      handler();
    }
  }
  return 0;
}

void ReportList::on_child_key_up(UINT key) {
  std::function<void(UINT)> handler = on_key_up_;
  if (handler) handler(key);
}

}  // namespace orvx::ui
