#pragma once
// The channel to the shell's desktop list view: messages sent with
// SendMessageA, copies through the remote buffer slot. The view has the
// program's own pointer width (layout::kBuildLayout). It holds the slot for
// as long as it lives, which is one access cycle.
#include <windows.h>

#include <memory>

#include "icons/list_view_channel.h"
#include "icons/remote_buffer_win.h"

namespace orvx::icons {

class ShellListViewChannel final : public ListViewChannel {
 public:
  // Reserves the buffer in the process that owns `list_view`. Empty (see
  // reserved()) when the process cannot be opened; throws SystemError when
  // the memory cannot be reserved.
  ShellListViewChannel(HWND list_view, DWORD process_id, SIZE_T buffer_size);

  bool reserved() const { return static_cast<bool>(lease_); }

  uint64_t buffer_address() const override;
  int32_t send(uint32_t message, uint64_t wparam, uint64_t lparam) override;
  void write(uint64_t address, const void* data, size_t count) override;
  void read(uint64_t address, void* into, size_t count) override;

 private:
  HWND list_view_;
  RemoteBufferLease lease_;
};

}  // namespace orvx::icons
