#pragma once
// TrayIcon: the program's icon in the notification area of the task
// bar. It owns the icon and turns the shell's callback messages into mouse
// events: a click is a left-button release on the icon after a left-button
// press on it.
//
// The system is reached only through a TaskbarPlatform (taskbar_platform.h),
// which the component does not own and which must outlive it; on Windows
// ShellTrayIcon (tray_icon_win.h) puts the two together.
//
// When the shell restarts (Explorer crashed or was restarted) it forgets
// every icon and broadcasts "TaskbarCreated"; a visible icon is then added
// again, so that a program hidden in the notification area stays reachable.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/mouse_event.h"
#include "tray/taskbar_platform.h"

namespace orvx::tray {

// Raised when the icon record cannot be filled; the text names the
// component and the operation, e.g. "TNA.AddToTaskbar failed".
class TrayIconError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The tooltip keeps at most this many characters.
inline constexpr size_t kTrayHintLength = kTrayTipCapacity - 1;

class TrayIcon {
 public:
  using NotifyHandler = std::function<void(TrayIcon& Sender)>;
  using MouseHandler =
      std::function<void(TrayIcon& Sender, MouseButton Button, ShiftState Shift, int32_t X, int32_t Y)>;

  // Hidden, enabled, no picture, no tooltip, identifier 0.
  TrayIcon(std::string name, TaskbarPlatform& platform);
  // Takes a visible icon out of the notification area. No event is fired:
  // the owner is going away.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  const std::string& Name() const { return name_; }

  // The picture, owned from now on (nullptr empties it); the shell is told.
  void SetIcon(std::unique_ptr<TrayPicture> picture);
  const TrayPicture* Icon() const { return icon_.get(); }

  int32_t IconID() const { return icon_id_; }
  // A visible icon is taken out under the old identifier and added under
  // the new one.
  void SetIconID(int32_t id);

  bool Visible() const { return visible_; }
  // ShowIcon or HideIcon when the value changes.
  void SetVisible(bool visible);

  // While false, the callback messages fire no events.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  const std::string& Hint() const { return hint_; }
  // Keeps the first 63 characters and tells the shell.
  void SetHint(std::string_view hint);

  // Shown on a right click while it exists; a menu that is destroyed is
  // simply no longer shown.
  void SetPopupMenu(std::weak_ptr<TrayPopupMenu> menu) { popup_menu_ = std::move(menu); }
  std::shared_ptr<TrayPopupMenu> PopupMenu() const { return popup_menu_.lock(); }

  MouseHandler OnMouseDown;
  MouseHandler OnMouseUp;
  NotifyHandler OnClick;
  NotifyHandler OnDblClick;
  NotifyHandler OnPopupMenu;
  NotifyHandler OnShow;
  NotifyHandler OnHide;

  // The hidden window's message handling. Events and their errors run
  // inside it; the window procedure around it catches them.
  intptr_t HandleCallback(uint32_t message, uintptr_t wparam, intptr_t lparam);

  // The record as the shell gets it. Errors while it is filled propagate.
  TrayIconRecord FillIconData() const;
  // Shell_NotifyIconA with NIM_ADD, NIM_MODIFY, NIM_DELETE. An error while
  // the record is filled becomes an TrayIconError.
  void AddToTaskbar();
  void update_icon();
  void DeleteFromTaskbar();

  // Adds the icon with its picture, then OnShow.
  void ShowIcon();
  // Removes the icon, then OnHide.
  void HideIcon();
  // Shows the popup menu at the cursor, then OnPopupMenu.
  void PopupAtCursor();

  // The current record flags: NIF_MESSAGE | NIF_TIP, plus NIF_ICON while
  // shown.
  uint32_t Flags() const { return flags_; }

 private:
  void Notify(TrayCommand command, const char* operation);
  ShiftState CurrentShiftState();

  void FireMouseDown(MouseButton button, ShiftState shift, int32_t x, int32_t y);
  void FireMouseUp(MouseButton button, ShiftState shift, int32_t x, int32_t y);
  void FireClick();
  void FireDblClick();

  std::string name_;
  TaskbarPlatform& platform_;
  std::unique_ptr<TrayPicture> icon_;
  int32_t icon_id_ = 0;
  bool visible_ = false;
  bool enabled_ = true;
  std::string hint_;
  std::weak_ptr<TrayPopupMenu> popup_menu_;
  uint32_t flags_ = kTrayFlagMessage | kTrayFlagTip;
  bool left_down_ = false;  // the left button went down on the icon
};

}  // namespace orvx::tray
