#pragma once
// How the icon access talks to a list view in another process: messages
// sent synchronously to the view, and copies into and out of the buffer
// reserved in the view's process. Addresses are addresses of that process,
// as wide as its pointers (held in 64 bits, whichever the width). On Windows
// this is the message and the remote buffer module (shell_list_view_win.h);
// tests emulate a list view over a block of bytes.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvx::icons {

class ListViewChannel {
 public:
  virtual ~ListViewChannel() = default;

  // The start of the buffer in the view's process.
  virtual uint64_t buffer_address() const = 0;
  // Sends a message and returns the view's result; nullopt when the view
  // did not answer in time (it hangs). The parameters are WPARAM and
  // LPARAM, as wide as the view's pointers.
  virtual std::optional<int32_t> send(uint32_t message, uint64_t wparam, uint64_t lparam) = 0;
  // Copies into or out of the view's process. Failures are not reported:
  // a failed read leaves `into` as it was.
  virtual void write(uint64_t address, const void* data, size_t count) = 0;
  virtual void read(uint64_t address, void* into, size_t count) = 0;
};

}  // namespace orvx::icons
