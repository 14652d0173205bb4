// Unpacks arbitrary bytes as a backup container into a temporary folder,
// twice: replacing files and keeping folders, then skipping existing files
// and dropping folders. Errors are the expected outcome for most inputs;
// crashes, sanitizer reports, hangs and any file or folder that appears
// outside the target folder are findings.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "backup/container_error.h"
#include "backup/backup_container.h"
#include "fuzz_folder.h"
#include "platform/files.h"

namespace {

using orvx::BackupContainer;
namespace files = orvx::files;

[[noreturn]] void finding(const char* what, const std::string& detail) {
  std::fprintf(stderr, "unpack_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

void unpack(const std::string& container, const std::string& target, bool overwrite, bool keep_folders) {
  BackupContainer zip;
  zip.on_decompressing_file = [&](BackupContainer&, const std::string& file, bool&) {
    if (file.compare(0, target.size(), target) != 0 || file.size() == target.size()) {
      finding("a file outside the target folder", file);
    }
  };
  try {
    zip.unpack_file(container, target, overwrite, keep_folders);
  } catch (const orvx::backup::ContainerError&) {
    // A damaged, cut-off or hostile container: the expected outcome.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& work = fuzz::work_folder("orvx-unpack-fuzz");
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
  fuzz::remove_tree(target);
  return 0;
}
