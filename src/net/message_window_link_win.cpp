#include "net/message_window_link_win.h"

namespace orvx::net {
namespace {

constexpr UINT kDeliverMessage = WM_APP + 0x61;

}  // namespace

MessageWindowLink::MessageWindowLink() {
  window_.set_handler([this](UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
    if (message != kDeliverMessage) return window_.default_handling(message, wparam, lparam);
    if (receiver_) receiver_();
    return 0;
  });
}

void MessageWindowLink::SetReceiver(std::function<void()> receiver) {
  receiver_ = std::move(receiver);
}

void MessageWindowLink::Notify() { PostMessageA(window_.hwnd(), kDeliverMessage, 0, 0); }

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

}  // namespace orvx::net
