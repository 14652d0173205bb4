#include "tray/tray_icon.h"

#include <algorithm>
#include <utility>

namespace orvx::tray {

TrayIcon::TrayIcon(std::string name, TaskbarPlatform& platform) : name_(std::move(name)), platform_(platform) {}

TrayIcon::~TrayIcon() {
  if (!visible_) return;
  try {
    flags_ &= ~kTrayFlagIcon;
    delete_from_taskbar();
  } catch (...) {
    // The shell forgets the icon of a window that is gone at the latest
    // when the user moves the mouse over it.
  }
}

void TrayIcon::set_icon(std::unique_ptr<TrayPicture> picture) {
  icon_ = std::move(picture);
  update_icon();
}

void TrayIcon::set_icon_id(int32_t id) {
  if (id == icon_id_) return;
  const bool was_visible = visible_;
  if (was_visible) set_visible(false);
  icon_id_ = id;
  set_visible(was_visible);
}

void TrayIcon::set_visible(bool visible) {
  if (visible == visible_) return;
  if (visible) {
    show_icon();
  } else {
    hide_icon();
  }
}

void TrayIcon::set_hint(std::string_view hint) {
  hint_.assign(hint.substr(0, std::min(hint.size(), kTrayHintLength)));
  update_icon();
}

TrayIconRecord TrayIcon::fill_icon_data() const {
  TrayIconRecord record;
  record.window = platform_.callback_window();
  record.id = static_cast<uint32_t>(icon_id_);
  record.flags = flags_;
  record.callback_message = kTrayCallbackMessage;
  record.icon = icon_ ? icon_->handle() : 0;
  const size_t length = std::min(hint_.size(), kTrayHintLength);
  std::copy_n(hint_.begin(), length, record.tip.begin());
  record.tip[length] = '\0';
  return record;
}

void TrayIcon::notify(TrayCommand command, const char* operation) {
  TrayIconRecord record;
  try {
    record = fill_icon_data();
  } catch (...) {
    throw TrayIconError(name_ + "." + operation + " failed");
  }
  platform_.notify(command, record);
}

void TrayIcon::add_to_taskbar() { notify(TrayCommand::kAdd, "AddToTaskbar"); }
void TrayIcon::update_icon() { notify(TrayCommand::kModify, "UpDate"); }
void TrayIcon::delete_from_taskbar() { notify(TrayCommand::kDelete, "DeleteFromTaskbar"); }

void TrayIcon::show_icon() {
  flags_ |= kTrayFlagIcon;
  add_to_taskbar();
  visible_ = true;
  if (on_show) on_show(*this);
}

void TrayIcon::hide_icon() {
  flags_ &= ~kTrayFlagIcon;
  delete_from_taskbar();
  visible_ = false;
  if (on_hide) on_hide(*this);
}

void TrayIcon::popup_at_cursor() {
  std::shared_ptr<TrayPopupMenu> menu = popup_menu_.lock();
  if (!menu) return;
  const ScreenPoint at = platform_.cursor_position();
  menu->popup(at.x, at.y);
  platform_.post_null_to_callback_window();
  if (on_popup_menu) on_popup_menu(*this);
}

ShiftState TrayIcon::current_shift_state() {
  ShiftState shift;
  shift.shift = key_state_is_down(platform_.key_state(ModifierKey::kShift));
  shift.alt = key_state_is_down(platform_.key_state(ModifierKey::kAlt));
  shift.ctrl = key_state_is_down(platform_.key_state(ModifierKey::kControl));
  return shift;
}

intptr_t TrayIcon::handle_callback(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  const uint32_t taskbar_created = platform_.taskbar_created_message();
  if (taskbar_created != 0 && message == taskbar_created) {
    // The new task bar knows no icons: put ours back.
    if (visible_) add_to_taskbar();
    return platform_.default_handling(message, wparam, lparam);
  }
  if (message != kTrayCallbackMessage || !enabled_) return platform_.default_handling(message, wparam, lparam);

  const ScreenPoint at = platform_.cursor_position();
  ShiftState shift = current_shift_state();
  switch (static_cast<uint32_t>(lparam)) {
    case kMouseLeftDown:
      left_down_ = true;
      shift.left = true;
      fire_mouse_down(MouseButton::kLeft, shift, at.x, at.y);
      break;
    case kMouseLeftUp:
      shift.left = true;
      fire_mouse_up(MouseButton::kLeft, shift, at.x, at.y);
      if (left_down_) fire_click();
      left_down_ = false;
      break;
    case kMouseLeftDoubleClick:
      fire_dbl_click();
      break;
    case kMouseRightDown:
      platform_.bring_callback_window_to_front();
      shift.right = true;
      fire_mouse_down(MouseButton::kRight, shift, at.x, at.y);
      break;
    case kMouseRightUp:
      popup_at_cursor();
      shift.right = true;
      fire_mouse_up(MouseButton::kRight, shift, at.x, at.y);
      break;
    default:
      break;
  }
  return 0;
}

void TrayIcon::fire_mouse_down(MouseButton button, ShiftState shift, int32_t x, int32_t y) {
  if (on_mouse_down) on_mouse_down(*this, button, shift, x, y);
}

void TrayIcon::fire_mouse_up(MouseButton button, ShiftState shift, int32_t x, int32_t y) {
  platform_.bring_application_to_front();
  if (on_mouse_up) on_mouse_up(*this, button, shift, x, y);
}

void TrayIcon::fire_click() {
  if (on_click) on_click(*this);
}

void TrayIcon::fire_dbl_click() {
  if (on_dbl_click) on_dbl_click(*this);
}

}  // namespace orvx::tray
