#pragma once
// How a download worker reaches the thread that owns its component. The
// worker never calls into the component itself: it asks the link to have
// the owning thread call the receiver, and that thread then collects what
// the worker has to hand over. On Windows the link is a hidden window that
// receives a posted message; native tests use a plain stand-in.
#include <functional>

namespace orvx::net {

class OwnerThreadLink {
 public:
  virtual ~OwnerThreadLink() = default;

  // Owning thread, once, before any Notify: the function that Notify makes
  // the owning thread call.
  virtual void set_receiver(std::function<void()> receiver) = 0;

  // Any thread: have the owning thread call the receiver soon. Never blocks.
  // Extra or late calls are harmless; the receiver checks what is pending.
  virtual void notify() = 0;
};

}  // namespace orvx::net
