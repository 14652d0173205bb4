#include "minidesk/error_list_window_win.h"

#include "platform/error_report.h"

#include "ui/paint_win.h"
#include "ui/style.h"
#include "platform/message_ids.h"
#include "minidesk/error_list_components.h"

namespace orvx::minidesk {

namespace {
constexpr int kListBoxId = 100;
constexpr int kButtonHeight = 20;
constexpr ui::Rgb kListColour = ui::rgb(0xDCE7F1);
}  // namespace

ErrorListWindow::ErrorListWindow(HWND main_window, Minidesk& minidesk, WindowRegistry* registry)
    : main_window_(main_window),
      minidesk_(minidesk),
      font_(ui::make_font(ui::style::dialog_font())),
      list_brush_(CreateSolidBrush(ui::colorref(kListColour))) {
  create_form(ui::FormArgs{.name = "error_icon_list",
                           .class_name = kErrorListWindowClass,
                           .caption = "",
                           .bounds = ui::Rect{0, 0, kErrorListWidth, kErrorListHeight},
                           .owner = main_window,
                           .ex_style = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW,
                           .registry = registry});
  list_box_ =
      CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
                      kErrorListWidth, kErrorListHeight - kButtonHeight, hwnd(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListBoxId)), GetModuleHandleA(nullptr), nullptr);
  if (!list_box_) throw errors::MessageError(message_ids::kIconListNotCreated);
  SendMessageA(list_box_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  abort_button_ = std::make_unique<ui::FlatButton>(
      ui::FlatButtonArgs{.name = error_list_components::kCloseButton.name,
                         .caption = "Schließen",
                         .hint = "Fenster schließen",
                         .parent = hwnd(),
                         .bounds = ui::Rect{0, kErrorListHeight - kButtonHeight, kErrorListWidth, kButtonHeight},
                         .on_click = [this] {
                           minidesk_.on_cancel_clicked();
                           sync();
                         }});
  add_component(*abort_button_);
}

void ErrorListWindow::sync() {
  const ErrorIconList& list = minidesk_.error_list();
  const bool refilled = list.entries() != shown_entries_;
  if (refilled) {
    SendMessageA(list_box_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_box_, LB_RESETCONTENT, 0, 0);
    for (const std::string& caption : list.entries()) {
      SendMessageA(list_box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }
    SendMessageA(list_box_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_box_, nullptr, TRUE);
    shown_entries_ = list.entries();
  }
  // While the window is open the box holds the user's choice, and the map
  // learns it from LBN_SELCHANGE: a refresh that comes between the press
  // and the release in the box must not take the choice back.
  const WPARAM choice = list.selected() ? static_cast<WPARAM>(*list.selected()) : static_cast<WPARAM>(-1);
  if ((refilled || !visible()) && static_cast<WPARAM>(SendMessageA(list_box_, LB_GETCURSEL, 0, 0)) != choice) {
    SendMessageA(list_box_, LB_SETCURSEL, choice, 0);
  }
  if (list.visible() && !visible()) {
    dock_to_main_window();
    ShowWindow(hwnd(), SW_SHOWNA);
  } else if (!list.visible() && visible()) {
    ShowWindow(hwnd(), SW_HIDE);
  }
}

void ErrorListWindow::dock(int main_left, int main_top) {
  const ScreenPoint at = docked_error_list_position(main_left, main_top);
  SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ErrorListWindow::dock_to_main_window() {
  RECT main{};
  if (main_window_ && GetWindowRect(main_window_, &main)) dock(main.left, main.top);
}

LRESULT ErrorListWindow::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == kListBoxId && HIWORD(wp) == LBN_SELCHANGE) {
        const LRESULT index = SendMessageA(list_box_, LB_GETCURSEL, 0, 0);
        minidesk_.on_error_list_selected(index == LB_ERR ? std::nullopt : std::optional<size_t>(index));
        return 0;
      }
      break;
    case WM_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, ui::colorref(kListColour));
      SetTextColor(dc, ui::colorref(ui::style::kBlack));
      return reinterpret_cast<LRESULT>(list_brush_.get());
    }
    default:
      break;
  }
  return Form::handle_message(msg, wp, lp);
}

}  // namespace orvx::minidesk
