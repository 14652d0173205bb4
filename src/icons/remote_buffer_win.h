#pragma once
// The buffer in another process through which list view messages that carry
// a pointer are exchanged. A lease owns the process handle and the memory
// reserved in that process, and gives both back when it goes. One access
// cycle holds one lease (through ShellListViewChannel).
#include <windows.h>

#include <cstddef>

#include "platform/scoped_win.h"

namespace orvx::icons {

// Every cycle reserves 4095 (0xFFF) bytes.
inline constexpr SIZE_T kRemoteBufferSize = 4095;

class RemoteBufferLease {
 public:
  // Opens the process (all access, handle not inheritable) and reserves
  // `size` bytes in it, committed and read-write: the buffer holds data
  // only, never code. Empty (see operator bool) when the process cannot be
  // opened. Throws SystemError when the memory cannot be reserved; nothing
  // is held then.
  static RemoteBufferLease open(DWORD process_id, SIZE_T size);

  RemoteBufferLease() = default;
  RemoteBufferLease(RemoteBufferLease&& other) noexcept = default;
  RemoteBufferLease& operator=(RemoteBufferLease&& other) noexcept;
  RemoteBufferLease(const RemoteBufferLease&) = delete;
  RemoteBufferLease& operator=(const RemoteBufferLease&) = delete;
  ~RemoteBufferLease() = default;

  explicit operator bool() const { return memory_.get() != nullptr; }
  void* address() const { return memory_.get(); }

  // Copies into or out of the other process; `remote` lies inside the
  // buffer. False when nothing is held or the copy failed; a failed read
  // leaves `local` as it was.
  bool write(void* remote, const void* data, SIZE_T count) const;
  bool read(const void* remote, void* local, SIZE_T count) const;

  // Leaves the memory reserved in the other process when the lease goes,
  // and closes only the process handle. For a buffer the other process may
  // still write into: a message to it that timed out stays in its queue and
  // may be handled later, with a pointer into this buffer.
  void leave_memory_in_place() noexcept { memory_.release(); }

 private:
  RemoteBufferLease(win::ScopedHandle process, void* address);

  win::ScopedHandle process_;
  win::ScopedRemoteMemory memory_;  // declared after the process: freed first
};

}  // namespace orvx::icons
