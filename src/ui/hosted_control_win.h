#pragma once
// The base of the widgets that wrap a standard control (list view, drop-down
// list, hotkey field, progress bar): a widget window of our own that holds
// the control, sized to fill it. The widget is the control's parent, so its
// notifications (WM_COMMAND, WM_NOTIFY) arrive at the widget, which handles
// them in control_message(). The control gets the widget's font, its hint
// and its enabled state; the focus given to the widget goes to the control.
//
// The control is a child window: Windows destroys it with the widget, so it
// is held as a plain handle.
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

struct HostedControlArgs {
  const char* widget_class = nullptr;   // our window class around the control
  const char* control_class = nullptr;  // the standard control's class
  DWORD control_style = 0;              // WS_CHILD | WS_VISIBLE are added
  DWORD control_ex_style = 0;
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  FontSpec font = style::dialog_font();
  bool visible = true;
  bool enabled = true;
  // Added to the control's height: the dropped list of a drop-down list.
  int extra_height = 0;
};

class HostedControl : public Widget {
 public:
  HWND control() const { return control_; }

 protected:
  explicit HostedControl(const HostedControlArgs& args);

  // The control's notifications and the messages the base leaves; the
  // default is DefWindowProc.
  virtual LRESULT control_message(UINT msg, WPARAM wp, LPARAM lp) { return default_handling(msg, wp, lp); }

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) final;

  win::ScopedGdi<HFONT> font_;
  int extra_height_;
  HWND control_ = nullptr;
};

}  // namespace orvx::ui
