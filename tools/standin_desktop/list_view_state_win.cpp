#include "list_view_state_win.h"

#include <commctrl.h>

#include "icon_art_win.h"

namespace standin {

namespace {

LONG style_of(HWND list_view) { return GetWindowLongA(list_view, GWL_STYLE); }

void set_auto_arrange(HWND list_view, bool on) {
  const LONG style = style_of(list_view);
  SetWindowLongA(list_view, GWL_STYLE, on ? style | LVS_AUTOARRANGE : style & ~LVS_AUTOARRANGE);
}

}  // namespace

void load_items(HWND list_view, const std::vector<StandinItem>& items) {
  // Wine's list view lays all items out afresh at its first paint after it
  // was emptied, so that paint is forced before the positions are set.
  const bool auto_arrange = style_of(list_view) & LVS_AUTOARRANGE;
  if (auto_arrange) set_auto_arrange(list_view, false);
  SendMessageA(list_view, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_view, LVM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < items.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(items[i].caption.c_str());
    item.iImage = picture_for(items[i].caption);
    SendMessageA(list_view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(list_view, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_view, nullptr, TRUE);
  UpdateWindow(list_view);
  for (size_t i = 0; i < items.size(); ++i) move_item(list_view, static_cast<int>(i), items[i].x, items[i].y);
  if (auto_arrange) set_auto_arrange(list_view, true);
}

std::vector<StandinItem> report_items(HWND list_view) {
  std::vector<StandinItem> items;
  const int count = static_cast<int>(SendMessageA(list_view, LVM_GETITEMCOUNT, 0, 0));
  std::string text(4096, '\0');
  for (int i = 0; i < count; ++i) {
    LVITEMA item{};
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length = SendMessageA(list_view, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    POINT at{};
    SendMessageA(list_view, LVM_GETITEMPOSITION, i, reinterpret_cast<LPARAM>(&at));
    items.push_back({std::string(item.pszText, length), at.x, at.y});
  }
  return items;
}

bool move_item(HWND list_view, int index, int x, int y) {
  POINT at{x, y};
  return SendMessageA(list_view, LVM_SETITEMPOSITION32, index, reinterpret_cast<LPARAM>(&at)) != 0;
}

void set_modes(HWND list_view, bool auto_arrange, bool snap_to_grid) {
  set_auto_arrange(list_view, auto_arrange);
  SendMessageA(list_view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SNAPTOGRID, snap_to_grid ? LVS_EX_SNAPTOGRID : 0);
}

DWORD mode_bits(HWND list_view) {
  const auto extended = static_cast<DWORD>(SendMessageA(list_view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  return (static_cast<DWORD>(style_of(list_view)) & LVS_AUTOARRANGE) | (extended & LVS_EX_SNAPTOGRID);
}

}  // namespace standin
