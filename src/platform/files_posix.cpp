// POSIX side of the file layer, for the native build and its tests.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "platform/files.h"
#include "platform/replacing_temp.h"
#include "platform/wildcard.h"

namespace orvx::files {
namespace {

struct DirCloser {
  void operator()(DIR* d) const { closedir(d); }
};

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  bool close_now() {
    int fd = fd_;
    fd_ = -1;
    return fd < 0 || close(fd) == 0;
  }

 private:
  int fd_;
};

uint32_t attributes_from(const std::string& name, const struct stat& st) {
  uint32_t a = 0;
  if (S_ISDIR(st.st_mode))
    a |= kDirectory;
  else
    a |= kArchive;
  if (!(st.st_mode & S_IWUSR)) a |= kReadOnly;
  if (!name.empty() && name[0] == '.' && name != "." && name != "..") a |= kHidden;
  return a;
}

bool write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::vector<FolderEntry> list_folder(const std::string& folder, std::string_view pattern) {
  std::vector<FolderEntry> out;
  std::string base = with_separator(folder.empty() ? std::string(".") : folder);
  std::unique_ptr<DIR, DirCloser> dir(opendir(base.c_str()));
  if (!dir) return out;
  while (dirent* e = readdir(dir.get())) {
    std::string name = e->d_name;
    if (!wildcard_match(pattern, name)) continue;
    struct stat st {};
    if (stat((base + name).c_str(), &st) != 0) continue;
    FolderEntry entry;
    entry.name = name;
    entry.attributes = attributes_from(name, st);
    entry.size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
    out.push_back(std::move(entry));
  }
  return out;
}

bool file_exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool folder_exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool create_folder(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && is_separator(p.back())) p.pop_back();
  return mkdir(p.c_str(), 0777) == 0 || folder_exists(p);
}

bool delete_file(const std::string& path) { return unlink(path.c_str()) == 0; }

bool remove_folder(const std::string& path) { return rmdir(path.c_str()) == 0; }

bool replace_file(const std::string& from, const std::string& to) { return rename(from.c_str(), to.c_str()) == 0; }

std::optional<std::string> read_file(const std::string& path) {
  Fd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat st {};
  if (fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  std::string data;
  data.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    data.append(buf, static_cast<size_t>(n));
  }
  return data;
}

std::optional<uint64_t> file_size(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  return static_cast<uint64_t>(st.st_size);
}

bool write_file(const std::string& path, std::string_view data) {
  Fd fd(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (fd.get() < 0) return false;
  bool ok = write_all(fd.get(), data);
  return fd.close_now() && ok;
}

bool write_file_replacing(const std::string& path, std::string_view data) {
  // mkstemps fills in the six X.
  std::string temp = replacing_temp_name(folder_of(path), "XXXXXX");
  Fd fd(mkstemps(temp.data(), static_cast<int>(kReplacingTempSuffix.size())));
  if (fd.get() < 0) return false;
  bool ok = write_all(fd.get(), data) && fsync(fd.get()) == 0;
  ok = fd.close_now() && ok;
  if (ok) {
    // Keep the permissions a plain new file would get.
    mode_t mask = umask(0);
    umask(mask);
    chmod(temp.c_str(), 0666 & ~mask);
    ok = rename(temp.c_str(), path.c_str()) == 0;
  }
  if (!ok) unlink(temp.c_str());
  return ok;
}

std::optional<uint32_t> attributes_of(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  return attributes_from(name_of(path), st);
}

std::optional<LocalTime> last_write_local_time(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  time_t t = st.st_mtime;
  struct tm tm {};
  if (!localtime_r(&t, &tm)) return std::nullopt;
  LocalTime lt;
  lt.year = tm.tm_year + 1900;
  lt.month = tm.tm_mon + 1;
  lt.day = tm.tm_mday;
  lt.hour = tm.tm_hour;
  lt.minute = tm.tm_min;
  lt.second = tm.tm_sec & ~1;  // file dates keep even seconds only
  return lt;
}

std::string temp_folder() {
  const char* t = std::getenv("TMPDIR");
  return with_separator(t && *t ? t : "/tmp");
}

std::string describe_last_error() { return std::strerror(errno); }

}  // namespace orvx::files
