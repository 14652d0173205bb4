// Windows side of the file streams: the A functions, 8-bit paths as given.
#include <windows.h>

#include <utility>

#include "platform/file_streams.h"
#include "platform/files.h"
#include "platform/read_only_win.h"
#include "platform/replacing_temp.h"

namespace orvx::files {

namespace {

constexpr intptr_t kNoHandle = -1;  // INVALID_HANDLE_VALUE

HANDLE handle_of(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
intptr_t stored(HANDLE handle) { return reinterpret_cast<intptr_t>(handle); }

DWORD share_mode(Sharing sharing) {
  switch (sharing) {
    case Sharing::kDenyWrite:
      return FILE_SHARE_READ;
    case Sharing::kDenyNone:
      return FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  }
  return FILE_SHARE_READ;
}

}  // namespace

std::optional<FileReader> FileReader::open(const std::string& path, Sharing sharing) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, share_mode(sharing), nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  DWORD high = 0;
  DWORD low = GetFileSize(h, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
    DWORD error = GetLastError();
    CloseHandle(h);
    SetLastError(error);
    return std::nullopt;
  }
  return FileReader(stored(h), (uint64_t(high) << 32) | low);
}

std::optional<size_t> FileReader::read(char* buffer, size_t size) {
  DWORD want = size > 0x100000 ? 0x100000 : static_cast<DWORD>(size);
  DWORD got = 0;
  if (!ReadFile(handle_of(handle_), buffer, want, &got, nullptr)) return std::nullopt;
  return got;
}

void FileReader::close() noexcept {
  if (handle_ != kNoHandle) CloseHandle(handle_of(handle_));
  handle_ = kNoHandle;
}

std::optional<ReplacingFileWriter> ReplacingFileWriter::create(const std::string& path) {
  // GetTempFileNameA allows a prefix of three letters only; the name is made
  // here instead, and CREATE_NEW makes sure it is a file of our own.
  const std::string folder = folder_of(path);
  DWORD unique = GetTickCount() ^ (GetCurrentProcessId() << 16);
  for (int attempt = 0; attempt < 1000; ++attempt, ++unique) {
    char part[9];
    wsprintfA(part, "%08lx", static_cast<unsigned long>(unique));
    std::string temp = replacing_temp_name(folder, part);
    HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) return ReplacingFileWriter(stored(h), temp, path);
    DWORD error = GetLastError();
    // A file of that name, or one being deleted: try the next name.
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool ReplacingFileWriter::write(std::string_view data) {
  while (!data.empty()) {
    DWORD chunk = data.size() > 0x100000 ? 0x100000 : static_cast<DWORD>(data.size());
    DWORD written = 0;
    if (!WriteFile(handle_of(handle_), data.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    data.remove_prefix(written);
  }
  return true;
}

bool ReplacingFileWriter::commit() {
  bool ok = CloseHandle(handle_of(std::exchange(handle_, kNoHandle))) != 0;
  // MOVEFILE_REPLACE_EXISTING exists on every NT system. A read-only target
  // refuses to be replaced, as it refuses to be overwritten.
  if (ok && is_read_only(target_path_)) {
    ok = false;
    SetLastError(ERROR_ACCESS_DENIED);
  }
  ok = ok &&
       MoveFileExA(temp_path_.c_str(), target_path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) {
    DWORD error = GetLastError();
    discard();
    SetLastError(error);
    return false;
  }
  temp_path_.clear();
  return true;
}

void ReplacingFileWriter::discard() noexcept {
  if (handle_ != kNoHandle) CloseHandle(handle_of(handle_));
  handle_ = kNoHandle;
  if (!temp_path_.empty()) DeleteFileA(temp_path_.c_str());
  temp_path_.clear();
}

}  // namespace orvx::files
