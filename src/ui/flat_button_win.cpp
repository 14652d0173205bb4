#include "ui/flat_button_win.h"

#include "ui/paint_win.h"

namespace orvx::ui {

FlatButton::FlatButton(const FlatButtonArgs& args)
    : Widget(args.name, args.hint, Texts::kCaptionAndHint, hand_cursor()),
      look_(args),
      font_(make_font(args.font)),
      on_click_(args.on_click) {
  look_.on_click = nullptr;
  WindowArgs w;
  w.class_name = kFlatButtonClass;
  w.title = args.caption;
  w.style = WS_CHILD | WS_VISIBLE | (args.tab_stop ? WS_TABSTOP : 0);
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
}

void FlatButton::click() {
  if (!enabled()) return;
  // A copy: the handler may destroy this button and with it on_click_.
  std::function<void()> handler = on_click_;
  if (handler) handler();
}

void FlatButton::set_state(bool hot, bool pressed) {
  if (hot == hot_ && pressed == pressed_) return;
  hot_ = hot;
  pressed_ = pressed;
  invalidate();
}

void FlatButton::paint() {
  PaintBuffer paint(hwnd());
  const RECT& r = paint.client();
  Rgb face = pressed_ ? look_.pressed : (hot_ ? look_.hover : look_.face);
  fill_rect(paint.dc(), r, face);
  Rgb colour = enabled() ? look_.text : style::kDisabledText;
  if (look_.word_wrap) {
    // Several lines, centred as a block.
    const Size lines = measure_text(paint.dc(), font_.get(), text(), DT_CENTER | DT_WORDBREAK, r.right - r.left - 8);
    RECT block{r.left + 4, r.top + (r.bottom - r.top - lines.height) / 2, r.right - 4, r.bottom};
    draw_text(paint.dc(), font_.get(), text(), block, colour, DT_CENTER | DT_WORDBREAK);
  } else {
    draw_text(paint.dc(), font_.get(), text(), r, colour, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if (GetFocus() == hwnd()) {
    RECT focus{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    DrawFocusRect(paint.dc(), &focus);
  }
}

LRESULT FlatButton::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_MOUSEMOVE: {
      POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      RECT r{};
      GetClientRect(hwnd(), &r);
      bool inside = PtInRect(&r, p);
      set_state(inside, press_.pressed() && inside);
      return 0;
    }
    case WM_MOUSELEAVE:
      if (!press_.pressed()) set_state(false, false);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetWindowLongA(hwnd(), GWL_STYLE) & WS_TABSTOP) SetFocus(hwnd());
      press_.press(hwnd());
      set_state(true, true);
      return 0;
    case WM_LBUTTONUP: {
      const bool clicked = press_.release(hwnd(), lp);
      set_state(clicked, false);
      if (clicked) click();  // last: the handler may destroy this button
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (press_.pressed()) {
        press_.drop();
        set_state(false, false);
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      invalidate();
      return 0;
    case WM_GETDLGCODE: {
      // Enter on a focused button clicks it instead of running the dialog's
      // default action.
      auto* m = reinterpret_cast<const MSG*>(lp);
      if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
      return 0;
    }
    case WM_KEYDOWN:
      if (wp == VK_RETURN) click();
      return 0;
    case WM_KEYUP:
      if (wp == VK_SPACE) click();
      return 0;
    case WM_ENABLE:
      invalidate();
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
