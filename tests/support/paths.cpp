#include "support/paths.h"

#include <atomic>
#include <filesystem>
#include <string>

#include "platform/files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace orvx::test {

std::string source_dir() { return ORVX_TEST_SOURCE_DIR; }
std::string binary_dir() { return ORVX_TEST_BINARY_DIR; }

namespace {
std::atomic<int> counter{0};

long process_id() {
#ifdef _WIN32
  return static_cast<long>(GetCurrentProcessId());
#else
  return static_cast<long>(getpid());
#endif
}
}  // namespace

TempFolder::TempFolder() {
  for (;;) {
    std::string candidate =
        files::temp_folder() + "orvx-test-" + std::to_string(process_id()) + "-" + std::to_string(counter++);
    if (files::folder_exists(candidate)) continue;
    files::create_folder(candidate);
    path_ = files::with_separator(candidate);
    return;
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  // Clear read-only bits first, so that tests of read-only files clean up too.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                 ec);
#ifdef _WIN32
    SetFileAttributesA(it->path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
  }
  std::filesystem::remove_all(path_, ec);
}

}  // namespace orvx::test
