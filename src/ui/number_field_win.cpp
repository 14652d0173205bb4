#include "ui/number_field_win.h"

#include <commctrl.h>

#include "platform/error_report.h"

#include "ui/caption_text.h"
#include "ui/paint_win.h"
#include "platform/message_ids.h"

namespace orvx::ui {

namespace {
constexpr int kArrowsWidth = 16;
constexpr int kEditId = 1;
}  // namespace

NumberField::NumberField(const NumberFieldArgs& args)
    : Widget(args.name, args.hint, Texts::kHintOnly),
      minimum_(args.minimum),
      maximum_(args.maximum),
      font_(make_font(args.font)),
      on_change_(args.on_change) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);

  WindowArgs w;
  w.class_name = kNumberFieldClass;
  w.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);

  HINSTANCE instance = GetModuleHandleA(nullptr);
  int width = args.bounds.width - kArrowsWidth;
  edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL,
                          0, 0, width, args.bounds.height, hwnd(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), instance, nullptr);
  arrows_ =
      CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                      width, 0, kArrowsWidth, args.bounds.height, hwnd(), nullptr, instance, nullptr);
  if (!edit_ || !arrows_) throw errors::MessageError(message_ids::kNumberFieldNotCreated);
  SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SendMessageA(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_), 0);
  SendMessageA(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(minimum_), static_cast<LPARAM>(maximum_));
  relay_hints_from(edit_);
  relay_hints_from(arrows_);
  set_value(args.value);
}

std::string NumberField::edit_text() const {
  char buffer[64] = {};
  GetWindowTextA(edit_, buffer, sizeof(buffer));
  return buffer;
}

int NumberField::value() const { return clamp_number_text(edit_text(), minimum_, maximum_); }

void NumberField::set_value(int value) {
  int clamped = clamp_number_text(std::to_string(value), minimum_, maximum_);
  SetWindowTextA(edit_, std::to_string(clamped).c_str());
}

void NumberField::changed() {
  std::function<void()> handler = on_change_;
  if (handler) handler();
}

void NumberField::clamp_now() {
  std::string shown = edit_text();
  std::string wanted = std::to_string(clamp_number_text(shown, minimum_, maximum_));
  if (shown == wanted) return;
  SetWindowTextA(edit_, wanted.c_str());
  changed();
}

LRESULT NumberField::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintBuffer paint(hwnd());
      fill_rect(paint.dc(), paint.client(), style::kWhite);
      return 0;
    }
    case WM_SETFOCUS:
      SetFocus(edit_);
      return 0;
    case WM_ENABLE:
      EnableWindow(edit_, wp ? TRUE : FALSE);
      EnableWindow(arrows_, wp ? TRUE : FALSE);
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == edit_ && HIWORD(wp) == EN_KILLFOCUS) clamp_now();
      return 0;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lp) == arrows_ && LOWORD(wp) == SB_THUMBPOSITION) changed();
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
