#pragma once
// The buffer in another process through which list view messages that carry
// a pointer are exchanged. There is one slot per program: the process
// handle, the reserved address and its size. It is held only within one
// access cycle (DesktopAccess keeps cycles from nesting).
#include <windows.h>

#include <cstddef>

namespace orvx::icons {

// Every cycle reserves 4095 (0xFFF) bytes.
inline constexpr SIZE_T kRemoteBufferSize = 4095;

// Opens the process (all access, handle not inheritable) and reserves `size`
// bytes in it (committed, read-write-execute), storing both in the slot.
// Releases whatever the slot held before. Returns the buffer's address, or
// nullptr when the process cannot be opened. Throws SystemError when the
// memory cannot be reserved; the slot is then empty.
void* OpenRemoteBuffer(DWORD process_id, SIZE_T size);

// Copies into the buffer; does nothing while the slot is empty.
void WriteRemoteBuffer(const void* data, void* remote, SIZE_T count);

// Copies out of the buffer and returns the number of bytes copied; 0 while
// the slot is empty.
SIZE_T ReadRemoteBuffer(const void* remote, void* local, SIZE_T count);

// Releases the buffer and closes the process handle; the slot is empty
// afterwards.
void FreeRemoteBuffer();

// True while the slot holds a process.
bool RemoteBufferHeld();

// Holds the slot for one scope: opens it on construction and frees it when
// it goes.
class RemoteBufferLease {
 public:
  RemoteBufferLease(DWORD process_id, SIZE_T size) : address_(OpenRemoteBuffer(process_id, size)) {}
  RemoteBufferLease(const RemoteBufferLease&) = delete;
  RemoteBufferLease& operator=(const RemoteBufferLease&) = delete;
  ~RemoteBufferLease() { FreeRemoteBuffer(); }

  explicit operator bool() const { return address_ != nullptr; }
  void* address() const { return address_; }

 private:
  void* address_;
};

}  // namespace orvx::icons
