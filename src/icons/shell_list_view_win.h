#pragma once
// The channel to the shell's desktop list view: messages sent with a time
// limit, copies through the remote buffer lease it owns. The view has the
// program's own pointer width (layout::kBuildLayout). The channel lives for
// one access cycle.
#include <windows.h>

#include <optional>

#include "icons/list_view_channel.h"
#include "icons/remote_buffer_win.h"

namespace orvx::icons {

// How long one message may wait for the shell's list view. A healthy view
// answers in well under a millisecond (about 0.1-0.2 ms across processes,
// under Wine too) and a busy shell within a few hundred; a view that takes
// longer hangs. The bound stays below the 5 seconds after which Windows
// itself calls our own window hung and ghosts it, because the user-interface
// thread waits here; and every operation stops at the first message that
// runs out, so it is also the longest an operation waits on a hung shell.
inline constexpr UINT kListViewAnswerTimeoutMs = 2000;

// Sends one message to the list view and waits at most
// kListViewAnswerTimeoutMs. SMTO_ABORTIFHUNG gives up at once on a view
// Windows already knows to hang. SMTO_BLOCK is left out on purpose: while
// waiting, this thread keeps handling messages sent to it, so a shell that
// sends to our windows while it works on the message (a broadcast, or a
// notification) cannot deadlock with us; what such a handler might start
// runs into a closed access cycle (desktop_access.h). nullopt when the view
// did not answer in time or is gone.
std::optional<LRESULT> send_to_list_view(HWND list_view, UINT message, WPARAM wparam, LPARAM lparam);

class ShellListViewChannel final : public ListViewChannel {
 public:
  // Reserves the buffer in the process that owns `list_view`. Empty (see
  // reserved()) when the process cannot be opened; throws SystemError when
  // the memory cannot be reserved.
  ShellListViewChannel(HWND list_view, DWORD process_id, SIZE_T buffer_size);

  bool reserved() const { return static_cast<bool>(lease_); }

  uint64_t buffer_address() const override;
  // A message that is not answered in time stays in the view's queue and
  // may still be handled later, with a pointer into the buffer: the buffer
  // is then left reserved in the shell's process when the channel goes.
  std::optional<int32_t> send(uint32_t message, uint64_t wparam, uint64_t lparam) override;
  void write(uint64_t address, const void* data, size_t count) override;
  void read(uint64_t address, void* into, size_t count) override;

 private:
  HWND list_view_;
  RemoteBufferLease lease_;
};

}  // namespace orvx::icons
