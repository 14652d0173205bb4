#pragma once
// The error list window `ErrorListWindow` (component name
// `error_icon_list`): a borderless window beside the main window that lists
// the captions of the icons outside the desktop. The user chooses one and
// clicks the map where it shall go; "Schließen" closes the window.
//
// The window shows the Minidesk's ErrorIconList: sync() brings entries,
// choice and visibility up to date (call it whenever the Minidesk's
// revision has moved), and the user's choice and the close button go back to
// the Minidesk. While shown it is docked to the main window: its right edge
// at the main window's left edge, 20 pixels lower.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "minidesk/minidesk.h"
#include "lang/named_components.h"
#include "platform/scoped_win.h"
#include "ui/flat_button_win.h"
#include "ui/form_win.h"

namespace orvx::minidesk {

// The window class of the error list.
inline constexpr char kErrorListWindowClass[] = "Terror_icon_list";

class ErrorListWindow final : public ui::Form {
 public:
  // Created hidden. `main_window` owns it and is the window it docks to;
  // `minidesk` must outlive it.
  ErrorListWindow(HWND main_window, Minidesk& minidesk, WindowRegistry* registry = nullptr);

  void sync();
  // Places the window beside a main window whose top left corner is now at
  // (left, top); the main window calls it while it moves.
  void dock(int main_left, int main_top);

  HWND list_box() const { return list_box_; }
  ui::FlatButton& abort_button() { return *abort_button_; }

 private:
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void dock_to_main_window();

  HWND main_window_;
  Minidesk& minidesk_;
  win::ScopedGdi<HFONT> font_;
  win::ScopedGdi<HBRUSH> list_brush_;
  // A child of this window: Windows destroys it with the window.
  HWND list_box_ = nullptr;
  std::unique_ptr<ui::FlatButton> abort_button_;
  std::vector<std::string> shown_entries_;
};

}  // namespace orvx::minidesk
