#pragma once
// A group box: a thin frame with its caption in the top edge, holding other
// widgets. Like a panel, it passes the notifications of standard controls
// on to its parent.
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

inline constexpr char kGroupBoxClass[] = "OrvxGroupBox";

struct GroupBoxArgs {
  std::string name;
  std::string caption;
  HWND parent = nullptr;
  Rect bounds;
  FontSpec font = style::dialog_font();
  Rgb background = style::kWhite;
};

class GroupBox final : public Widget {
 public:
  explicit GroupBox(const GroupBoxArgs& args);

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint();

  GroupBoxArgs look_;
  win::ScopedGdi<HFONT> font_;
};

}  // namespace orvx::ui
