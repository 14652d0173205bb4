#include "net/message_window_link_win.h"

#include <stdexcept>

namespace orvx::net {
namespace {

constexpr char kClassName[] = "OrvaneX.HTTPGet.Link";
constexpr UINT kDeliverMessage = WM_APP + 0x61;

HINSTANCE ThisModule() { return GetModuleHandleA(nullptr); }

void RegisterLinkClass(WNDPROC procedure) {
  WNDCLASSA existing{};
  if (GetClassInfoA(ThisModule(), kClassName, &existing)) return;
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = ThisModule();
  window_class.lpszClassName = kClassName;
  RegisterClassA(&window_class);
}

}  // namespace

MessageWindowLink::MessageWindowLink() {
  RegisterLinkClass(&WindowProc);
  // A plain hidden top-level window rather than a message-only one: those
  // do not exist on NT 4.0. It is never shown.
  window_.reset(CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                ThisModule(), this));
  if (!window_) throw std::runtime_error("the download component's window could not be created");
}

void MessageWindowLink::SetReceiver(std::function<void()> receiver) {
  receiver_ = std::move(receiver);
}

void MessageWindowLink::Notify() { PostMessageA(window_.get(), kDeliverMessage, 0, 0); }

void MessageWindowLink::RunUntil(const std::function<bool()>& done,
                                 const std::function<void()>& on_quit) {
  bool quit = false;
  WPARAM quit_code = 0;
  while (!done()) {
    MSG message;
    while (!done() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quit_code = message.wParam;
        on_quit();
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done()) break;
    // The queue is empty now, so this sleeps until the next message arrives.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
  }
  // The thread's message loop still has to see the request to end.
  if (quit) PostQuitMessage(static_cast<int>(quit_code));
}

LRESULT CALLBACK MessageWindowLink::WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == kDeliverMessage) {
    auto* link = reinterpret_cast<MessageWindowLink*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (link && link->receiver_) {
      try {
        link->receiver_();
      } catch (...) {
        // Nothing may unwind into the system's message dispatch.
      }
    }
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace orvx::net
