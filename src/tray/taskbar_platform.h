#pragma once
// What the notification-area icon needs from the system: the shell's icon
// calls, the cursor, the keyboard, the foreground, and the hidden window that
// receives the shell's callback messages. tray_icon_win.h provides it with
// Shell_NotifyIconA; the native tests record the calls.
#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/screen_point.h"

namespace orvx::tray {

// Shell_NotifyIconA's commands (NIM_ADD, NIM_MODIFY, NIM_DELETE).
enum class TrayCommand : uint32_t { kAdd = 0, kModify = 1, kDelete = 2 };

// The record's flags: which of its fields the shell takes.
inline constexpr uint32_t kTrayFlagMessage = 0x1;  // NIF_MESSAGE
inline constexpr uint32_t kTrayFlagIcon = 0x2;     // NIF_ICON
inline constexpr uint32_t kTrayFlagTip = 0x4;      // NIF_TIP

// The message the shell sends to the hidden window for mouse activity on the
// icon (WM_USER + 1); the mouse message itself arrives in lParam.
inline constexpr uint32_t kTrayCallbackMessage = 0x0401;

inline constexpr uint32_t kMouseLeftDown = 0x0201;         // WM_LBUTTONDOWN
inline constexpr uint32_t kMouseLeftUp = 0x0202;           // WM_LBUTTONUP
inline constexpr uint32_t kMouseLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr uint32_t kMouseRightDown = 0x0204;        // WM_RBUTTONDOWN
inline constexpr uint32_t kMouseRightUp = 0x0205;          // WM_RBUTTONUP

// The tooltip field holds 64 bytes, the terminating zero included.
inline constexpr size_t kTrayTipCapacity = 64;
// The size of the record in its first form, which every shell since
// Windows 95 and NT 4.0 accepts (NOTIFYICONDATA_V1_SIZE on 32-bit Windows).
inline constexpr uint32_t kTrayRecordSize = 88;

// The fields of the shell's icon record in its first form.
struct TrayIconRecord {
  uint32_t size = kTrayRecordSize;
  uintptr_t window = 0;  // receives the callback messages
  uint32_t id = 0;
  uint32_t flags = 0;
  uint32_t callback_message = 0;
  uintptr_t icon = 0;
  std::array<char, kTrayTipCapacity> tip{};  // zero-terminated

  friend bool operator==(const TrayIconRecord&, const TrayIconRecord&) = default;
};

enum class ModifierKey { kShift, kControl, kAlt };

class TaskbarPlatform {
 public:
  virtual ~TaskbarPlatform() = default;

  // The hidden window that receives the callback messages.
  virtual uintptr_t callback_window() const = 0;
  // The message the shell broadcasts when it has created the task bar anew,
  // after a restart of the shell ("TaskbarCreated"); 0 when it has none.
  virtual uint32_t taskbar_created_message() const = 0;

  // Shell_NotifyIconA. The shell's answer is only reported, never acted on.
  virtual bool notify(TrayCommand command, const TrayIconRecord& record) = 0;

  // The mouse cursor on the screen.
  virtual ScreenPoint cursor_position() = 0;
  // GetKeyState of the key.
  virtual int16_t key_state(ModifierKey key) = 0;

  // SetForegroundWindow of the hidden window, and of the program's
  // application window (the window a click on the icon brings back).
  virtual void bring_callback_window_to_front() = 0;
  virtual void bring_application_to_front() = 0;
  // Posts WM_NULL to the hidden window, so that a popup menu shown for it
  // closes properly when the user clicks elsewhere.
  virtual void post_null_to_callback_window() = 0;

  // DefWindowProc of the hidden window.
  virtual intptr_t default_handling(uint32_t message, uintptr_t wparam, intptr_t lparam) = 0;
};

// The icon's picture. The component owns it; the handle stays valid while
// the picture lives. Producing the handle may fail.
class TrayPicture {
 public:
  virtual ~TrayPicture() = default;
  virtual uintptr_t handle() const = 0;
};

// A popup menu shown on a right click on the icon.
class TrayPopupMenu {
 public:
  virtual ~TrayPopupMenu() = default;
  virtual void popup(int32_t x, int32_t y) = 0;
};

}  // namespace orvx::tray
