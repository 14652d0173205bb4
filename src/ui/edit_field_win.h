#pragma once
// A single-line edit field with a thin frame. Its "Text" is the text in the
// field; it also has a "Hint".
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

struct EditFieldArgs {
  std::string name;
  std::string text;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  FontSpec font = style::dialog_font();
  int max_length = 0;  // 0: no limit beyond the control's own
};

class EditField final : public Widget {
 public:
  explicit EditField(const EditFieldArgs& args);

  std::optional<std::string> string_property(std::string_view property) const override;
  bool set_string_property(std::string_view property, const std::string& value) override;

  std::string value() const;
  void set_value(const std::string& text);
  void select_all();
  HWND edit() const { return edit_; }

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;

  win::ScopedGdi<HFONT> font_;
  HWND edit_ = nullptr;  // child window, destroyed with the field
};

}  // namespace orvx::ui
