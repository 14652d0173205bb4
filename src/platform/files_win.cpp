// Windows side of the file layer: the A functions, 8-bit paths as given.
#include <windows.h>

#include "platform/files.h"
#include "platform/file_streams.h"
#include "platform/dos_date_time.h"
#include "platform/read_only_win.h"
#include "platform/scoped_win.h"

namespace orvx::files {
namespace {

bool write_all(HANDLE h, std::string_view data) {
  while (!data.empty()) {
    DWORD chunk = data.size() > 0x100000 ? 0x100000 : static_cast<DWORD>(data.size());
    DWORD written = 0;
    if (!WriteFile(h, data.data(), chunk, &written, nullptr) || written == 0) return false;
    data.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::vector<FolderEntry> list_folder(const std::string& folder, std::string_view pattern) {
  std::vector<FolderEntry> out;
  std::string query = with_separator(folder) + std::string(pattern);
  WIN32_FIND_DATAA fd{};
  win::ScopedFind find(FindFirstFileA(query.c_str(), &fd));
  if (!find || find.get() == INVALID_HANDLE_VALUE) {
    find.release();
    return out;
  }
  do {
    FolderEntry e;
    e.name = fd.cFileName;
    e.attributes = fd.dwFileAttributes;
    e.size = (uint64_t(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
    out.push_back(std::move(e));
  } while (FindNextFileA(find.get(), &fd));
  return out;
}

bool file_exists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folder_exists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool create_folder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) || folder_exists(path); }

bool delete_file(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool remove_folder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

bool replace_file(const std::string& from, const std::string& to) {
  if (is_read_only(to)) return false;
  // MOVEFILE_REPLACE_EXISTING exists on every NT system; the 95 family is
  // not supported by the program.
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::optional<std::string> read_file(const std::string& path) {
  win::ScopedHandle h = win::adopt_handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h) return std::nullopt;
  std::string data;
  DWORD high = 0;
  DWORD low = GetFileSize(h.get(), &high);
  if (low != INVALID_FILE_SIZE && high == 0) data.reserve(low);
  char buf[65536];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h.get(), buf, sizeof buf, &n, nullptr)) return std::nullopt;
    if (n == 0) break;
    data.append(buf, n);
  }
  return data;
}

std::optional<uint64_t> file_size(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return std::nullopt;
  if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (uint64_t(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

bool write_file(const std::string& path, std::string_view data) {
  win::ScopedHandle h = win::adopt_handle(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h) return false;
  bool ok = write_all(h.get(), data);
  return CloseHandle(h.release()) && ok;
}

bool write_file_replacing(const std::string& path, std::string_view data) {
  // The new file gets the attributes of a fresh file; a read-only target
  // refuses to be replaced.
  std::optional<ReplacingFileWriter> out = ReplacingFileWriter::create(path);
  return out && out->write(data) && out->commit();
}

std::optional<uint32_t> attributes_of(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return a;
}

std::optional<LocalTime> last_write_local_time(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return std::nullopt;
  FILETIME local{};
  WORD dos_date = 0, dos_time = 0;
  if (!FileTimeToLocalFileTime(&d.ftLastWriteTime, &local) || !FileTimeToDosDateTime(&local, &dos_date, &dos_time)) {
    return std::nullopt;
  }
  return decode_dos_date_time(dos_date, dos_time);
}

std::string temp_folder() {
  char buf[MAX_PATH + 1] = {};
  DWORD n = GetTempPathA(sizeof buf, buf);
  if (n == 0 || n > MAX_PATH) return {};
  return with_separator(buf);
}

std::string describe_last_error() {
  DWORD code = GetLastError();
  char text[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  std::string message(text, n);
  while (!message.empty() &&
         (message.back() == '\r' || message.back() == '\n' || message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  if (message.empty()) message = "system error";
  return message + " (" + std::to_string(code) + ")";
}

}  // namespace orvx::files
