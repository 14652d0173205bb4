#include "ui/panel_win.h"

#include "ui/paint_win.h"

namespace orvx::ui {

bool is_parent_notification(UINT msg) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

Panel::Panel(const PanelArgs& args)
    : Widget(args.name, args.hint, Texts::kHintOnly),
      colour_(args.colour),
      border_(args.border),
      on_click_(args.on_click) {
  WindowArgs w;
  w.class_name = kPanelClass;
  w.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (args.visible ? WS_VISIBLE : 0);
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
}

void Panel::set_colour(Rgb colour) {
  colour_ = colour;
  invalidate();
}

LRESULT Panel::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (is_parent_notification(msg)) {
    HWND parent = GetParent(hwnd());
    return parent ? SendMessageA(parent, msg, wp, lp) : default_handling(msg, wp, lp);
  }
  switch (msg) {
    case WM_PAINT: {
      PaintBuffer paint(hwnd());
      fill_rect(paint.dc(), paint.client(), colour_);
      if (border_) frame_rect(paint.dc(), paint.client(), *border_);
      return 0;
    }
    case WM_LBUTTONDOWN:
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        std::function<void(Point)> handler = on_click_;  // may destroy this panel
        if (handler) handler(Point{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      }
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
