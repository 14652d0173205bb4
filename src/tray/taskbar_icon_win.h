#pragma once
// The notification-area icon on Windows: TantTaskbarIcon over
// Shell_NotifyIconA, with a hidden window of its own that receives the
// shell's callback messages.
//
// The hidden window is an ordinary top-level window that is never shown, not
// a message-only window: only top-level windows receive the shell's
// "TaskbarCreated" broadcast, after which a visible icon is added again.
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "tray/taskbar_icon.h"

namespace orvx::tray {

class ShellTaskbarIcon {
 public:
  // `application_window` is brought to the foreground on every button
  // release on the icon, so that the window a click shows may take the
  // focus; without one, the hidden window is. Throws std::runtime_error when
  // the hidden window cannot be created.
  explicit ShellTaskbarIcon(std::string name, HWND application_window = nullptr);
  // Takes a visible icon out of the notification area, then destroys the
  // hidden window.
  ~ShellTaskbarIcon();
  ShellTaskbarIcon(const ShellTaskbarIcon&) = delete;
  ShellTaskbarIcon& operator=(const ShellTaskbarIcon&) = delete;

  TantTaskbarIcon& icon() { return *icon_; }
  HWND callback_window() const;

  // Shows a copy of `icon` (the caller keeps its own); nullptr empties the
  // picture. A copy that cannot be made fails with "<name>.UpDate failed".
  void SetIcon(HICON icon);

  // Errors raised while a message of the hidden window is handled (by the
  // events, or by the icon calls they make) end here; nothing is thrown
  // into Windows. Without a handler they are dropped. The handler must not
  // throw.
  std::function<void(std::exception_ptr)> OnError;

 private:
  class Shell;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam) noexcept;

  std::unique_ptr<Shell> shell_;
  std::unique_ptr<TantTaskbarIcon> icon_;
};

}  // namespace orvx::tray
