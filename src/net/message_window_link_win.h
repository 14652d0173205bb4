#pragma once
// The owner-thread link on Windows: a hidden window of the owning thread.
// A worker posts it a message; the window procedure, run by that thread's
// message dispatch, calls the receiver. Waiting runs the thread's messages.
#include <functional>

#include "net/owner_thread_link.h"
#include "platform/scoped_win.h"

namespace orvx::net {

class MessageWindowLink : public OwnerThreadLink {
 public:
  // Creates the window on the calling thread, which becomes the owner.
  MessageWindowLink();

  void SetReceiver(std::function<void()> receiver) override;
  void Notify() override;
  void RunUntil(const std::function<bool()>& done, const std::function<void()>& on_quit) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  std::function<void()> receiver_;
  win::ScopedWindow window_;
};

}  // namespace orvx::net
