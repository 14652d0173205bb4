#include "tray/tray_icon.h"

#include <algorithm>
#include <utility>

namespace orvx::tray {

TrayIcon::TrayIcon(std::string name, TaskbarPlatform& platform)
    : name_(std::move(name)), platform_(platform) {}

TrayIcon::~TrayIcon() {
  if (!visible_) return;
  try {
    flags_ &= ~kTrayFlagIcon;
    DeleteFromTaskbar();
  } catch (...) {
    // The shell forgets the icon of a window that is gone at the latest
    // when the user moves the mouse over it.
  }
}

void TrayIcon::SetIcon(std::unique_ptr<TrayPicture> picture) {
  icon_ = std::move(picture);
  update_icon();
}

void TrayIcon::SetIconID(int32_t id) {
  if (id == icon_id_) return;
  const bool was_visible = visible_;
  if (was_visible) SetVisible(false);
  icon_id_ = id;
  SetVisible(was_visible);
}

void TrayIcon::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible) {
    ShowIcon();
  } else {
    HideIcon();
  }
}

void TrayIcon::SetHint(std::string_view hint) {
  hint_.assign(hint.substr(0, std::min(hint.size(), kTrayHintLength)));
  update_icon();
}

TrayIconRecord TrayIcon::FillIconData() const {
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

void TrayIcon::Notify(TrayCommand command, const char* operation) {
  TrayIconRecord record;
  try {
    record = FillIconData();
  } catch (...) {
    throw TrayIconError(name_ + "." + operation + " failed");
  }
  platform_.notify(command, record);
}

void TrayIcon::AddToTaskbar() { Notify(TrayCommand::Add, "AddToTaskbar"); }
void TrayIcon::update_icon() { Notify(TrayCommand::Modify, "UpDate"); }
void TrayIcon::DeleteFromTaskbar() { Notify(TrayCommand::Delete, "DeleteFromTaskbar"); }

void TrayIcon::ShowIcon() {
  flags_ |= kTrayFlagIcon;
  AddToTaskbar();
  visible_ = true;
  if (OnShow) OnShow(*this);
}

void TrayIcon::HideIcon() {
  flags_ &= ~kTrayFlagIcon;
  DeleteFromTaskbar();
  visible_ = false;
  if (OnHide) OnHide(*this);
}

void TrayIcon::PopupAtCursor() {
  std::shared_ptr<TrayPopupMenu> menu = popup_menu_.lock();
  if (!menu) return;
  const ScreenPoint at = platform_.cursor_position();
  menu->Popup(at.x, at.y);
  platform_.post_null_to_callback_window();
  if (OnPopupMenu) OnPopupMenu(*this);
}

ShiftState TrayIcon::CurrentShiftState() {
  ShiftState shift;
  shift.shift = key_state_is_down(platform_.key_state(ModifierKey::Shift));
  shift.alt = key_state_is_down(platform_.key_state(ModifierKey::Alt));
  shift.ctrl = key_state_is_down(platform_.key_state(ModifierKey::Control));
  return shift;
}

intptr_t TrayIcon::HandleCallback(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  const uint32_t taskbar_created = platform_.taskbar_created_message();
  if (taskbar_created != 0 && message == taskbar_created) {
    // The new task bar knows no icons: put ours back.
    if (visible_) AddToTaskbar();
    return platform_.default_handling(message, wparam, lparam);
  }
  if (message != kTrayCallbackMessage || !enabled_) return platform_.default_handling(message, wparam, lparam);

  const ScreenPoint at = platform_.cursor_position();
  ShiftState shift = CurrentShiftState();
  switch (static_cast<uint32_t>(lparam)) {
    case kMouseLeftDown:
      left_down_ = true;
      shift.left = true;
      FireMouseDown(MouseButton::kLeft, shift, at.x, at.y);
      break;
    case kMouseLeftUp:
      shift.left = true;
      FireMouseUp(MouseButton::kLeft, shift, at.x, at.y);
      if (left_down_) FireClick();
      left_down_ = false;
      break;
    case kMouseLeftDoubleClick:
      FireDblClick();
      break;
    case kMouseRightDown:
      platform_.bring_callback_window_to_front();
      shift.right = true;
      FireMouseDown(MouseButton::kRight, shift, at.x, at.y);
      break;
    case kMouseRightUp:
      PopupAtCursor();
      shift.right = true;
      FireMouseUp(MouseButton::kRight, shift, at.x, at.y);
      break;
    default:
      break;
  }
  return 0;
}

void TrayIcon::FireMouseDown(MouseButton button, ShiftState shift, int32_t x, int32_t y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TrayIcon::FireMouseUp(MouseButton button, ShiftState shift, int32_t x, int32_t y) {
  platform_.bring_application_to_front();
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TrayIcon::FireClick() {
  if (OnClick) OnClick(*this);
}

void TrayIcon::FireDblClick() {
  if (OnDblClick) OnDblClick(*this);
}

}  // namespace orvx::tray
