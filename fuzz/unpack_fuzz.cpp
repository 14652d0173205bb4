// Unpacks arbitrary bytes as a backup container into a temporary folder,
// twice: replacing files and keeping folders, then skipping existing files
// and dropping folders. Errors are the expected outcome for most inputs;
// crashes, sanitizer reports, hangs and any file or folder that appears
// outside the target folder are findings.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "backup/container_error.h"
#include "backup/zlib_multiple.h"
#include "platform/files.h"

namespace {

using orvx::TJvZlibMultiple;
namespace files = orvx::files;

void remove_tree(const std::string& folder) {
  for (const auto& entry : files::list_folder(folder, "*")) {
    if (entry.name == "." || entry.name == "..") continue;
    std::string path = files::with_separator(folder) + entry.name;
    if (entry.attributes & files::kDirectory) {
      remove_tree(path);
    } else {
      files::delete_file(path);
    }
  }
  files::remove_folder(folder);
}

// Made once per process and removed at its exit. Never destroyed, so that
// the exit handler can still use it.
const std::string& work_folder() {
  static const std::string* folder = [] {
    std::string f = files::temp_folder() + "orvx-unpack-fuzz-" + std::to_string(getpid());
    remove_tree(f);
    if (!files::create_folder(f)) {
      std::fprintf(stderr, "cannot create %s\n", f.c_str());
      std::abort();
    }
    return new std::string(files::with_separator(f));
  }();
  static const bool cleanup = std::atexit([] { remove_tree(*folder); }) == 0;
  (void)cleanup;
  return *folder;
}

[[noreturn]] void finding(const char* what, const std::string& detail) {
  std::fprintf(stderr, "unpack_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

void unpack(const std::string& container, const std::string& target, bool overwrite,
            bool keep_folders) {
  TJvZlibMultiple zip;
  zip.OnDecompressingFile = [&](TJvZlibMultiple&, const std::string& file, bool&) {
    if (file.compare(0, target.size(), target) != 0 || file.size() == target.size()) {
      finding("a file outside the target folder", file);
    }
  };
  try {
    zip.UnpackFile(container, target, overwrite, keep_folders);
  } catch (const orvx::backup::ContainerError&) {
    // A damaged, cut-off or hostile container: the expected outcome.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& work = work_folder();
  const std::string container = work + "c.qbk";
  const std::string target = work + "out" + files::kSeparator;
  if (!files::write_file(container, std::string(reinterpret_cast<const char*>(data), size))) {
    finding("cannot write the input", container);
  }
  unpack(container, target, true, true);
  unpack(container, target, false, false);
  for (const auto& entry : files::list_folder(work, "*")) {
    if (entry.name != "." && entry.name != ".." && entry.name != "c.qbk" && entry.name != "out") {
      finding("written outside the target folder", entry.name);
    }
  }
  remove_tree(target);
  return 0;
}
