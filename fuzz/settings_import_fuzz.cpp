// Imports arbitrary bytes as a settings backup into a data folder of a few
// files and a language folder. The import is all or nothing: when it fails,
// the folder must be exactly as before; when it succeeds, the language
// folder is untouched, no folder has been made and no temporary file is
// left. Crashes, sanitizer reports, hangs and any other outcome are findings.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "backup/container_error.h"
#include "fuzz_folder.h"
#include "platform/files.h"
#include "settings_backup/settings_unpack.h"

namespace {

namespace files = orvx::files;

class NoStrip final : public orvx::settings_backup::BackupStatus {
 public:
  void started() override {}
  void file(const std::string&) override {}
  void progress(int32_t, int32_t) override {}
  void work_ended(bool) override {}
  void closed() override {}
};

using Tree = std::map<std::string, std::string>;

Tree read_tree(const std::string& root, const std::string& relative = "") {
  Tree tree;
  for (const auto& entry : files::list_folder(root + relative, "*")) {
    if (entry.name == "." || entry.name == "..") continue;
    const std::string child = relative + entry.name;
    if (entry.attributes & files::kDirectory) {
      tree[child + files::kSeparator] = "";
      tree.merge(read_tree(root, child + files::kSeparator));
    } else {
      tree[child] = files::read_file(root + child).value_or("<unreadable>");
    }
  }
  return tree;
}

[[noreturn]] void finding(const char* what, const std::string& detail) {
  std::fprintf(stderr, "settings_import_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& work = fuzz::work_folder("orvx-settings-import-fuzz");
  const std::string backup = work + "b.qbk";
  const std::string folder = work + "data" + files::kSeparator;
  const std::string lang = folder + "lang" + files::kSeparator;
  fuzz::remove_tree(folder);
  if (!files::create_folders(lang) || !files::write_file(folder + "config.qcf", "[Settings]\r\n") ||
      !files::write_file(folder + "a.qpf", "[a]\r\nX=1\r\nY=2\r\n") ||
      !files::write_file(lang + "English.qlf", "[misc]\r\n") ||
      !files::write_file(backup, std::string(reinterpret_cast<const char*>(data), size))) {
    finding("cannot set up", work);
  }
  const Tree before = read_tree(folder);
  NoStrip strip;
  try {
    orvx::settings_backup::unpack_settings(backup, folder, strip);
  } catch (const orvx::backup::ContainerError&) {
    if (read_tree(folder) != before) finding("a failed import changed the data folder", folder);
    return 0;
  }
  for (const auto& [path, content] : read_tree(folder)) {
    const bool in_lang = path.compare(0, 5, "lang" + std::string(1, files::kSeparator)) == 0;
    if (in_lang && before.count(path) && before.at(path) != content) finding("lang changed", path);
    if (!in_lang && path.find(files::kSeparator) != std::string::npos) finding("a folder made", path);
    if (in_lang && !before.count(path)) finding("a file in lang", path);
    if (files::is_replacing_temp_name(path)) finding("a temporary file left", path);
  }
  for (const auto& entry : files::list_folder(work, "*")) {
    if (entry.name != "." && entry.name != ".." && entry.name != "b.qbk" && entry.name != "data") {
      finding("written outside the data folder", entry.name);
    }
  }
  return 0;
}
