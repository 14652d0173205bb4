// The update information reader and the version check over arbitrary bytes:
// whatever the server sends, a version that passes the check is plain and
// leads to a script that holds no line break besides its own CR LF ends.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "update/scripts.h"
#include "update/update_info.h"
#include "update/version_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvx::update::UpdateInfo info = orvx::update::parse_update_info(text, "http://base.test");
  if (!orvx::update::update_offered("1.2.3.4", info.version)) return 0;
  const orvx::update::ScriptPaths paths{"C:\\P\\OrvaneX.exe", "C:\\T\\", "C:\\T\\ORV1.bat", ""};
  const std::optional<std::string> script =
      orvx::update::update_script(paths, info.version, orvx::update::StartMode::kPortable);
  if (!script) std::abort();
  size_t lines = 0;
  for (size_t i = 0; i < script->size(); ++i) {
    const char c = (*script)[i];
    if (c == '\n' && (i == 0 || (*script)[i - 1] != '\r')) std::abort();
    if (c == '\r' && (i + 1 == script->size() || (*script)[i + 1] != '\n')) std::abort();
    if (c == '&' || c == '|' || c == '<') std::abort();  // nothing injected
    lines += c == '\n';
  }
  if (lines != 32) std::abort();
  return 0;
}
