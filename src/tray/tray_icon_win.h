#pragma once
// The notification-area icon on Windows: TrayIcon over
// Shell_NotifyIconA, with a hidden window of its own
// (platform/hidden_window_win.h) that receives the shell's callback messages
// and its "TaskbarCreated" broadcast, after which a visible icon is added
// again. Errors raised while one of its messages is handled (by the events,
// or by the icon calls they make) go to the general error handling.
#include <windows.h>

#include <memory>
#include <string>

#include "tray/tray_icon.h"

namespace orvx::tray {

class ShellTrayIcon {
 public:
  // `application_window` is brought to the foreground on every button
  // release on the icon, so that the window a click shows may take the
  // focus; without one, the hidden window is. Throws std::runtime_error when
  // the hidden window cannot be created.
  explicit ShellTrayIcon(std::string name, HWND application_window = nullptr);
  // Takes a visible icon out of the notification area, then destroys the
  // hidden window.
  ~ShellTrayIcon();
  ShellTrayIcon(const ShellTrayIcon&) = delete;
  ShellTrayIcon& operator=(const ShellTrayIcon&) = delete;

  TrayIcon& icon() { return *icon_; }
  HWND callback_window() const;

  // Shows a copy of `icon` (the caller keeps its own); nullptr empties the
  // picture. A copy that cannot be made fails with "<name>.UpDate failed".
  void set_icon(HICON icon);

 private:
  class Shell;

  std::unique_ptr<Shell> shell_;
  std::unique_ptr<TrayIcon> icon_;
};

}  // namespace orvx::tray
