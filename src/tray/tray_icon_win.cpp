#include "tray/tray_icon_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/hidden_window_win.h"
#include "platform/scoped_win.h"

namespace orvx::tray {

namespace {

static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == kTrayRecordSize,
              "the record's first form is 88 bytes on 32-bit Windows");

// The picture the component owns: a copy of the caller's icon.
class CopiedIcon : public TrayPicture {
 public:
  explicit CopiedIcon(HICON source) : icon_(CopyIcon(source)) {}
  uintptr_t handle() const override {
    if (!icon_) throw std::runtime_error("the icon could not be copied");
    return reinterpret_cast<uintptr_t>(icon_.get());
  }

 private:
  win::ScopedIcon icon_;
};

int virtual_key(ModifierKey key) {
  switch (key) {
    case ModifierKey::kShift:
      return VK_SHIFT;
    case ModifierKey::kControl:
      return VK_CONTROL;
    case ModifierKey::kAlt:
      return VK_MENU;
  }
  return 0;
}

}  // namespace

// The platform of the icon: the hidden window and the shell's calls.
class ShellTrayIcon::Shell : public TaskbarPlatform {
 public:
  explicit Shell(HWND application_window)
      : application_window_(application_window), taskbar_created_(RegisterWindowMessageA("TaskbarCreated")) {
    // The messages of the window's creation arrive before the component
    // exists, and those after it is detached get the default handling too.
    window_.set_handler([this](UINT message, WPARAM wparam, LPARAM lparam) {
      return owner_ ? owner_->icon_->handle_callback(message, wparam, lparam)
                    : window_.default_handling(message, wparam, lparam);
    });
  }

  HWND window() const { return window_.hwnd(); }

  // The component the window's messages go to.
  void attach(ShellTrayIcon* owner) { owner_ = owner; }

  uintptr_t callback_window() const override { return reinterpret_cast<uintptr_t>(window_.hwnd()); }
  uint32_t taskbar_created_message() const override { return taskbar_created_; }

  bool notify(TrayCommand command, const TrayIconRecord& record) override {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.window);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callback_message;
    data.hIcon = reinterpret_cast<HICON>(record.icon);
    static_assert(sizeof(data.szTip) >= kTrayTipCapacity);
    std::memcpy(data.szTip, record.tip.data(), kTrayTipCapacity);
    return Shell_NotifyIconA(static_cast<DWORD>(command), &data) != FALSE;
  }

  ScreenPoint cursor_position() override {
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
  }

  int16_t key_state(ModifierKey key) override { return GetKeyState(virtual_key(key)); }

  void bring_callback_window_to_front() override { SetForegroundWindow(window_.hwnd()); }
  void bring_application_to_front() override {
    SetForegroundWindow(application_window_ ? application_window_ : window_.hwnd());
  }
  void post_null_to_callback_window() override { PostMessageA(window_.hwnd(), WM_NULL, 0, 0); }

  intptr_t default_handling(uint32_t message, uintptr_t wparam, intptr_t lparam) override {
    return window_.default_handling(message, wparam, lparam);
  }

 private:
  HWND application_window_;
  UINT taskbar_created_;
  ShellTrayIcon* owner_ = nullptr;
  win::HiddenWindow window_;
};

ShellTrayIcon::ShellTrayIcon(std::string name, HWND application_window)
    : shell_(std::make_unique<Shell>(application_window)), icon_(std::make_unique<TrayIcon>(std::move(name), *shell_)) {
  shell_->attach(this);
}

ShellTrayIcon::~ShellTrayIcon() {
  shell_->attach(nullptr);
  icon_.reset();  // removes a visible icon while the hidden window exists
  shell_.reset();
}

HWND ShellTrayIcon::callback_window() const { return shell_->window(); }

void ShellTrayIcon::set_icon(HICON icon) { icon_->set_icon(icon ? std::make_unique<CopiedIcon>(icon) : nullptr); }

}  // namespace orvx::tray
