#pragma once
// A working folder for the fuzz targets that write files: made once per
// process under the temporary folder, removed at its exit.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"

namespace fuzz {

inline void remove_tree(const std::string& folder) {
  namespace files = orvx::files;
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

// The folder, ending with a separator. Never destroyed, so that the exit
// handler can still use it.
inline const std::string& work_folder(const char* name) {
  namespace files = orvx::files;
  static const std::string* folder = [name] {
    std::string f = files::temp_folder() + name + "-" + std::to_string(getpid());
    remove_tree(f);
    if (!files::create_folder(f)) {
      std::fprintf(stderr, "cannot create %s\n", f.c_str());
      std::abort();
    }
    return new std::string(files::with_separator(f));
  }();
  static const bool kCleanup = std::atexit([] { remove_tree(*folder); }) == 0;
  (void)kCleanup;
  return *folder;
}

}  // namespace fuzz
