#include "icons/remote_buffer_win.h"

#include "platform/scoped_win.h"
#include "platform/system_error_win.h"

namespace orvx::icons {

namespace {

// The access mask of the older system headers (PROCESS_ALL_ACCESS before
// Vista); the newer, wider mask is refused by the older systems.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;

struct RemoteBufferSlot {
  win::ScopedHandle process;
  win::ScopedRemoteMemory memory;  // declared after the process: freed first
  SIZE_T size = 0;

  void clear() {
    memory.reset();
    process.reset();
    size = 0;
  }
};

RemoteBufferSlot g_slot;

}  // namespace

void* OpenRemoteBuffer(DWORD process_id, SIZE_T size) {
  g_slot.clear();
  win::ScopedHandle process(OpenProcess(kProcessAllAccess, FALSE, process_id));
  if (!process) return nullptr;
  void* address = VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_EXECUTE_READWRITE);
  // The error is taken before the handle closes.
  if (!address) throw last_system_error();
  g_slot.process = std::move(process);
  g_slot.memory = win::ScopedRemoteMemory(g_slot.process.get(), address);
  g_slot.size = size;
  return address;
}

void WriteRemoteBuffer(const void* data, void* remote, SIZE_T count) {
  if (!g_slot.process) return;
  WriteProcessMemory(g_slot.process.get(), remote, data, count, nullptr);
}

SIZE_T ReadRemoteBuffer(const void* remote, void* local, SIZE_T count) {
  if (!g_slot.process) return 0;
  SIZE_T read = 0;
  if (!ReadProcessMemory(g_slot.process.get(), remote, local, count, &read)) return 0;
  return read;
}

void FreeRemoteBuffer() { g_slot.clear(); }

bool RemoteBufferHeld() { return g_slot.process != nullptr; }

}  // namespace orvx::icons
