#pragma once
// The owner-thread link on Windows: a hidden window of the owning thread
// (platform/hidden_window_win.h). A worker posts it a message; the window
// procedure, run by that thread's message dispatch, calls the receiver.
// A receiver that fails is reported like any failing window handler
// (platform/error_report.h).
#include <functional>

#include "net/owner_thread_link.h"
#include "platform/hidden_window_win.h"

namespace orvx::net {

class MessageWindowLink : public OwnerThreadLink {
 public:
  // Creates the window on the calling thread, which becomes the owner.
  MessageWindowLink();

  void set_receiver(std::function<void()> receiver) override;
  void notify() override;

 private:
  std::function<void()> receiver_;
  win::HiddenWindow window_;
};

}  // namespace orvx::net
