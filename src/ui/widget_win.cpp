#include "ui/widget_win.h"

#include <commctrl.h>

#include "platform/error_report.h"
#include "ui/hint_window_win.h"

namespace orvx::ui {

namespace {
const char* const kRelayOwner = "OrvxHintRelayOwner";
const char* const kRelayProcedure = "OrvxHintRelayProc";

Point point_from(LPARAM lp) { return Point{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }
}  // namespace

HCURSOR hand_cursor() {
  // IDC_HAND is missing before Windows 2000; the arrow stands in there.
  static HCURSOR hand = [] {
    HCURSOR c = LoadCursor(nullptr, IDC_HAND);
    return c ? c : LoadCursor(nullptr, IDC_ARROW);
  }();
  return hand;
}

HCURSOR size_all_cursor() {
  static HCURSOR size_all = LoadCursor(nullptr, IDC_SIZEALL);
  return size_all;
}

Widget::Widget(std::string name, std::string hint, Texts texts, HCURSOR cursor)
    : name_(std::move(name)), hint_(std::move(hint)), texts_(texts), cursor_(cursor) {}

std::optional<std::string> Widget::string_property(std::string_view property) const {
  if (same_name(property, "Hint")) return hint_;
  if (texts_ == Texts::kCaptionAndHint && same_name(property, "Caption")) return caption();
  return std::nullopt;
}

bool Widget::set_string_property(std::string_view property, const std::string& value) {
  if (same_name(property, "Hint")) {
    hint_ = value;
    return true;
  }
  if (texts_ == Texts::kCaptionAndHint && same_name(property, "Caption")) {
    set_caption(value);
    return true;
  }
  return false;
}

void Widget::set_caption(const std::string& caption) { SetWindowTextA(hwnd(), caption.c_str()); }

void Widget::show_hint_for(Point client) {
  HintWindow* hints = hint_window_of_root();
  if (!hints) return;
  POINT screen{client.x, client.y};
  ClientToScreen(hwnd(), &screen);
  hints->hover(hwnd(), hint_at(client), Point{screen.x, screen.y});
}

void Widget::hide_hint() {
  if (HintWindow* hints = hint_window_of_root()) hints->hide();
}

void Widget::track_mouse_leave(HWND over) {
  TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof(tme);
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = over;
  _TrackMouseEvent(&tme);
}

LRESULT Widget::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // widgets paint their whole area
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && reinterpret_cast<HWND>(wp) == hwnd()) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(hwnd(), &p);
        if (HCURSOR c = cursor_at(Point{p.x, p.y})) {
          SetCursor(c);
          return TRUE;
        }
      }
      break;
    case WM_MOUSEMOVE:
      track_mouse_leave(hwnd());
      show_hint_for(point_from(lp));
      break;
    case WM_MOUSELEAVE:
      if (HintWindow* hints = hint_window_of_root()) hints->leave(hwnd());
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      hide_hint();
      break;
    case WM_SETTEXT: {
      LRESULT r = widget_message(msg, wp, lp);
      on_caption_changed();
      return r;
    }
    default:
      break;
  }
  return widget_message(msg, wp, lp);
}

void Widget::relay_hints_from(HWND child) {
  SetPropA(child, kRelayOwner, reinterpret_cast<HANDLE>(this));
  LONG_PTR previous = SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&relay_procedure));
  SetPropA(child, kRelayProcedure, reinterpret_cast<HANDLE>(previous));
}

LRESULT CALLBACK Widget::relay_procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kRelayProcedure));
  auto* owner = reinterpret_cast<Widget*>(GetPropA(hwnd, kRelayOwner));
  if (owner) {
    try {
      if (msg == WM_MOUSEMOVE) {
        owner->track_mouse_leave(hwnd);
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        MapWindowPoints(hwnd, owner->hwnd(), &p, 1);
        owner->show_hint_for(Point{p.x, p.y});
      } else if (msg == WM_MOUSELEAVE) {
        if (HintWindow* hints = owner->hint_window_of_root()) hints->leave(owner->hwnd());
      } else if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) {
        owner->hide_hint();
      } else if (msg == WM_KEYUP) {
        owner->on_child_key_up(static_cast<UINT>(wp));
      }
    } catch (...) {
      errors::report_current_exception();
    }
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(hwnd, kRelayOwner);
    RemovePropA(hwnd, kRelayProcedure);
  }
  return previous ? CallWindowProcA(previous, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace orvx::ui
