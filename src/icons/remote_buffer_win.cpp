#include "icons/remote_buffer_win.h"

#include "platform/system_error_win.h"

namespace orvx::icons {

namespace {

// The access mask of the older system headers (PROCESS_ALL_ACCESS before
// Vista); the newer, wider mask is refused by the older systems.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;

}  // namespace

RemoteBufferLease RemoteBufferLease::open(DWORD process_id, SIZE_T size) {
  win::ScopedHandle process(OpenProcess(kProcessAllAccess, FALSE, process_id));
  if (!process) return {};
  void* address = VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  // The error is taken before the handle closes.
  if (!address) throw last_system_error();
  return RemoteBufferLease(std::move(process), address);
}

RemoteBufferLease::RemoteBufferLease(win::ScopedHandle process, void* address)
    : process_(std::move(process)), memory_(process_.get(), address) {}

RemoteBufferLease& RemoteBufferLease::operator=(RemoteBufferLease&& other) noexcept {
  if (this != &other) {
    memory_.reset();  // while its process handle is still open
    process_ = std::move(other.process_);
    memory_ = std::move(other.memory_);
  }
  return *this;
}

bool RemoteBufferLease::write(void* remote, const void* data, SIZE_T count) const {
  if (!*this) return false;
  return WriteProcessMemory(process_.get(), remote, data, count, nullptr) != 0;
}

bool RemoteBufferLease::read(const void* remote, void* local, SIZE_T count) const {
  if (!*this) return false;
  SIZE_T copied = 0;
  return ReadProcessMemory(process_.get(), remote, local, count, &copied) != 0 && copied == count;
}

}  // namespace orvx::icons
