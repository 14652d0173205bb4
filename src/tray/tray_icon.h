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
  using NotifyHandler = std::function<void(TrayIcon& sender)>;
  using MouseHandler =
      std::function<void(TrayIcon& sender, MouseButton button, ShiftState shift, int32_t x, int32_t y)>;

  // Hidden, enabled, no picture, no tooltip, identifier 0.
  TrayIcon(std::string name, TaskbarPlatform& platform);
  // Takes a visible icon out of the notification area. No event is fired:
  // the owner is going away.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  const std::string& name() const { return name_; }

  // The picture, owned from now on (nullptr empties it); the shell is told.
  void set_icon(std::unique_ptr<TrayPicture> picture);
  const TrayPicture* icon() const { return icon_.get(); }

  int32_t icon_id() const { return icon_id_; }
  // A visible icon is taken out under the old identifier and added under
  // the new one.
  void set_icon_id(int32_t id);

  bool visible() const { return visible_; }
  // ShowIcon or HideIcon when the value changes.
  void set_visible(bool visible);

  // While false, the callback messages fire no events.
  bool enabled() const { return enabled_; }
  void set_enabled(bool enabled) { enabled_ = enabled; }

  const std::string& hint() const { return hint_; }
  // Keeps the first 63 characters and tells the shell.
  void set_hint(std::string_view hint);

  // Shown on a right click while it exists; a menu that is destroyed is
  // simply no longer shown.
  void set_popup_menu(std::weak_ptr<TrayPopupMenu> menu) { popup_menu_ = std::move(menu); }
  std::shared_ptr<TrayPopupMenu> popup_menu() const { return popup_menu_.lock(); }

  MouseHandler on_mouse_down;
  MouseHandler on_mouse_up;
  NotifyHandler on_click;
  NotifyHandler on_dbl_click;
  NotifyHandler on_popup_menu;
  NotifyHandler on_show;
  NotifyHandler on_hide;

  // The hidden window's message handling. Events and their errors run
  // inside it; the window procedure around it catches them.
  intptr_t handle_callback(uint32_t message, uintptr_t wparam, intptr_t lparam);

  // The record as the shell gets it. Errors while it is filled propagate.
  TrayIconRecord fill_icon_data() const;
  // Shell_NotifyIconA with NIM_ADD, NIM_MODIFY, NIM_DELETE. An error while
  // the record is filled becomes an TrayIconError.
  void add_to_taskbar();
  void update_icon();
  void delete_from_taskbar();

  // Adds the icon with its picture, then OnShow.
  void show_icon();
  // Removes the icon, then OnHide.
  void hide_icon();
  // Shows the popup menu at the cursor, then OnPopupMenu.
  void popup_at_cursor();

  // The current record flags: NIF_MESSAGE | NIF_TIP, plus NIF_ICON while
  // shown.
  uint32_t flags() const { return flags_; }

 private:
  void notify(TrayCommand command, const char* operation);
  ShiftState current_shift_state();

  void fire_mouse_down(MouseButton button, ShiftState shift, int32_t x, int32_t y);
  void fire_mouse_up(MouseButton button, ShiftState shift, int32_t x, int32_t y);
  void fire_click();
  void fire_dbl_click();

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
