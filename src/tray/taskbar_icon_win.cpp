#include "tray/taskbar_icon_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/scoped_win.h"

namespace orvx::tray {

namespace {

constexpr char kWindowClass[] = "OrvaneX.TrayIconWindow";

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

int VirtualKey(ModifierKey key) {
  switch (key) {
    case ModifierKey::Shift:
      return VK_SHIFT;
    case ModifierKey::Control:
      return VK_CONTROL;
    case ModifierKey::Alt:
      return VK_MENU;
  }
  return 0;
}

}  // namespace

// The platform of the icon: the hidden window and the shell's calls.
class ShellTaskbarIcon::Shell : public TaskbarPlatform {
 public:
  explicit Shell(HWND application_window)
      : application_window_(application_window),
        taskbar_created_(RegisterWindowMessageA("TaskbarCreated")) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ShellTaskbarIcon::Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      throw std::runtime_error("the window of the notification-area icon could not be registered");
    }
    window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, this));
    if (!window_) throw std::runtime_error("the window of the notification-area icon could not be created");
  }

  ~Shell() override { SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0); }

  HWND window() const { return window_.get(); }

  // The component the window's messages go to; until one is attached, and
  // after it is detached, they get the default handling.
  void attach(ShellTaskbarIcon* owner) { owner_ = owner; }
  ShellTaskbarIcon* owner() const { return owner_; }

  uintptr_t callback_window() const override { return reinterpret_cast<uintptr_t>(window_.get()); }
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

  int16_t key_state(ModifierKey key) override { return GetKeyState(VirtualKey(key)); }

  void bring_callback_window_to_front() override { SetForegroundWindow(window_.get()); }
  void bring_application_to_front() override {
    SetForegroundWindow(application_window_ ? application_window_ : window_.get());
  }
  void post_null_to_callback_window() override { PostMessageA(window_.get(), WM_NULL, 0, 0); }

  intptr_t default_handling(uint32_t message, uintptr_t wparam, intptr_t lparam) override {
    return DefWindowProcA(window_.get(), message, wparam, lparam);
  }

 private:
  HWND application_window_;
  UINT taskbar_created_;
  ShellTaskbarIcon* owner_ = nullptr;
  win::ScopedWindow window_;
};

ShellTaskbarIcon::ShellTaskbarIcon(std::string name, HWND application_window)
    : shell_(std::make_unique<Shell>(application_window)),
      icon_(std::make_unique<TantTaskbarIcon>(std::move(name), *shell_)) {
  shell_->attach(this);
}

ShellTaskbarIcon::~ShellTaskbarIcon() {
  shell_->attach(nullptr);
  icon_.reset();  // removes a visible icon while the hidden window exists
  shell_.reset();
}

HWND ShellTaskbarIcon::callback_window() const { return shell_->window(); }

void ShellTaskbarIcon::SetIcon(HICON icon) {
  icon_->SetIcon(icon ? std::make_unique<CopiedIcon>(icon) : nullptr);
}

LRESULT CALLBACK ShellTaskbarIcon::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* shell = reinterpret_cast<Shell*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  // The messages of the window's creation arrive before the component exists.
  ShellTaskbarIcon* owner = shell ? shell->owner() : nullptr;
  if (!owner) return DefWindowProcA(window, message, wparam, lparam);
  return owner->Dispatch(message, wparam, lparam);
}

LRESULT ShellTaskbarIcon::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  try {
    return icon_->HandleCallback(message, wparam, lparam);
  } catch (...) {
    if (OnError) {
      try {
        OnError(std::current_exception());
      } catch (...) {
      }
    }
    return 0;
  }
}

}  // namespace orvx::tray
