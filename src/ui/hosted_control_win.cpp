#include "ui/hosted_control_win.h"

#include "platform/error_report.h"

#include "ui/paint_win.h"
#include "platform/message_ids.h"

namespace orvx::ui {

HostedControl::HostedControl(const HostedControlArgs& args)
    : Widget(args.name, args.hint, Texts::kHintOnly), font_(make_font(args.font)), extra_height_(args.extra_height) {
  WindowArgs w;
  w.class_name = args.widget_class;
  w.style = WS_CHILD | WS_CLIPCHILDREN | (args.visible ? WS_VISIBLE : 0) | (args.enabled ? 0 : WS_DISABLED);
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
  control_ = CreateWindowExA(args.control_ex_style, args.control_class, "",
                             WS_CHILD | WS_VISIBLE | args.control_style | (args.enabled ? 0 : WS_DISABLED), 0, 0,
                             args.bounds.width, args.bounds.height + extra_height_, hwnd(), nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  if (!control_) throw errors::MessageError(message_ids::kWindowNotCreated, args.control_class);
  SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  relay_hints_from(control_);
}

LRESULT HostedControl::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintBuffer paint(hwnd());
      fill_rect(paint.dc(), paint.client(), style::kWhite);
      return 0;
    }
    case WM_SIZE:
      if (control_) MoveWindow(control_, 0, 0, LOWORD(lp), HIWORD(lp) + extra_height_, TRUE);
      return 0;
    case WM_SETFOCUS:
      if (control_) SetFocus(control_);
      return 0;
    case WM_ENABLE:
      if (control_) EnableWindow(control_, wp ? TRUE : FALSE);
      return 0;
    default:
      return control_message(msg, wp, lp);
  }
}

}  // namespace orvx::ui
