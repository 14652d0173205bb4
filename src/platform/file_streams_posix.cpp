// POSIX side of the file streams, for the native build and its tests.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/file_streams.h"
#include "platform/files.h"
#include "platform/replacing_temp.h"

namespace orvx::files {

namespace {
constexpr intptr_t kNoHandle = -1;
int fd_of(intptr_t handle) { return static_cast<int>(handle); }
}  // namespace

std::optional<FileReader> FileReader::open(const std::string& path, Sharing) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    int saved = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(fd);
    errno = saved;
    return std::nullopt;
  }
  return FileReader(fd, static_cast<uint64_t>(st.st_size));
}

std::optional<size_t> FileReader::read(char* buffer, size_t size) {
  for (;;) {
    ssize_t n = ::read(fd_of(handle_), buffer, size);
    if (n >= 0) return static_cast<size_t>(n);
    if (errno != EINTR) return std::nullopt;
  }
}

void FileReader::close() noexcept {
  if (handle_ != kNoHandle) ::close(fd_of(handle_));
  handle_ = kNoHandle;
}

std::optional<ReplacingFileWriter> ReplacingFileWriter::create(const std::string& path) {
  // mkstemps fills in the six X.
  std::string temp = replacing_temp_name(folder_of(path), "XXXXXX");
  int fd = mkstemps(temp.data(), static_cast<int>(kReplacingTempSuffix.size()));
  if (fd < 0) return std::nullopt;
  return ReplacingFileWriter(fd, temp, path);
}

bool ReplacingFileWriter::write(std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd_of(handle_), data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool ReplacingFileWriter::commit() {
  int fd = fd_of(std::exchange(handle_, kNoHandle));
  bool ok = ::close(fd) == 0;
  if (ok) {
    // mkstemp makes the file private; give it the permissions of a plain new file.
    mode_t mask = umask(0);
    umask(mask);
    chmod(temp_path_.c_str(), 0666 & ~mask);
    ok = rename(temp_path_.c_str(), target_path_.c_str()) == 0;
  }
  if (!ok) {
    int saved = errno;
    discard();
    errno = saved;
    return false;
  }
  temp_path_.clear();
  return true;
}

void ReplacingFileWriter::discard() noexcept {
  if (handle_ != kNoHandle) ::close(fd_of(handle_));
  handle_ = kNoHandle;
  if (!temp_path_.empty()) unlink(temp_path_.c_str());
  temp_path_.clear();
}

}  // namespace orvx::files
