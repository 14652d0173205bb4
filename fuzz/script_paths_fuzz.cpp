// The script writer's inputs: paths and a version taken from arbitrary bytes
// (cut at NUL bytes into program, temporary folder, data folder, version).
// A script that is written has exactly its own lines, each ended by CR LF;
// no input can add a line, and an uninstall script needs a safe data folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/scripts.h"

namespace {

void check_lines(const std::optional<std::string>& script, size_t expected) {
  if (!script) return;
  size_t lines = 0;
  for (size_t i = 0; i < script->size(); ++i) {
    const char c = (*script)[i];
    if (c == '\n') {
      if (i == 0 || (*script)[i - 1] != '\r') std::abort();
      ++lines;
    } else if (c == '\r' && (i + 1 == script->size() || (*script)[i + 1] != '\n')) {
      std::abort();
    }
  }
  if (lines != expected || script->back() != '\n') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> parts(4);
  size_t part = 0;
  for (size_t i = 0; i < size && part < parts.size(); ++i) {
    if (data[i] == 0) {
      ++part;
    } else {
      parts[part] += static_cast<char>(data[i]);
    }
  }
  orvx::update::ScriptPaths paths;
  paths.program = parts[0];
  paths.temp_folder = parts[1];
  paths.script = parts[1] + "ORV1.bat";
  paths.data_folder = parts[2];
  for (const auto mode : {orvx::update::StartMode::kNormal, orvx::update::StartMode::kPortable}) {
    check_lines(orvx::update::update_script(paths, parts[3], mode), 32);
  }
  const std::optional<std::string> uninstall = orvx::update::uninstall_script(paths);
  if (uninstall && !orvx::update::data_folder_safe(paths.data_folder)) std::abort();
  check_lines(uninstall, 15);
  return 0;
}
