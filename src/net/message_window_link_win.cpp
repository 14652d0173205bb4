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

void MessageWindowLink::set_receiver(std::function<void()> receiver) { receiver_ = std::move(receiver); }

void MessageWindowLink::notify() { PostMessageA(window_.hwnd(), kDeliverMessage, 0, 0); }

}  // namespace orvx::net
