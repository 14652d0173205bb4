#include "ui/edit_field_win.h"

#include "platform/error_report.h"

#include "ui/paint_win.h"
#include "platform/message_ids.h"

namespace orvx::ui {

EditField::EditField(const EditFieldArgs& args)
    : Widget(args.name, args.hint, Texts::kHintOnly), font_(make_font(args.font)) {
  WindowArgs w;
  w.class_name = "OrvxEditField";
  w.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
  // The edit control sits inside a one-pixel frame drawn by the field.
  edit_ = CreateWindowExA(0, "EDIT", args.text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 3, 3,
                          args.bounds.width - 6, args.bounds.height - 6, hwnd(), nullptr, GetModuleHandleA(nullptr),
                          nullptr);
  if (!edit_) throw errors::MessageError(message_ids::kInputFieldNotCreated);
  SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (args.max_length > 0) SendMessageA(edit_, EM_LIMITTEXT, static_cast<WPARAM>(args.max_length), 0);
  relay_hints_from(edit_);
}

std::optional<std::string> EditField::string_property(std::string_view property) const {
  if (same_name(property, "Text")) return value();
  return Widget::string_property(property);
}

bool EditField::set_string_property(std::string_view property, const std::string& value) {
  if (same_name(property, "Text")) {
    set_value(value);
    return true;
  }
  return Widget::set_string_property(property, value);
}

std::string EditField::value() const {
  int length = GetWindowTextLengthA(edit_);
  std::string s(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(edit_, s.data(), length + 1);
  s.resize(static_cast<size_t>(got > 0 ? got : 0));
  return s;
}

void EditField::set_value(const std::string& text) { SetWindowTextA(edit_, text.c_str()); }

void EditField::select_all() { SendMessageA(edit_, EM_SETSEL, 0, -1); }

LRESULT EditField::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintBuffer paint(hwnd());
      fill_rect(paint.dc(), paint.client(), style::kWhite);
      frame_rect(paint.dc(), paint.client(), style::kFrame);
      return 0;
    }
    case WM_SETFOCUS:
      SetFocus(edit_);
      return 0;
    case WM_ENABLE:
      EnableWindow(edit_, wp ? TRUE : FALSE);
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
