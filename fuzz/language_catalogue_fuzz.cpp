// The catalogue split and the name check over arbitrary bytes: every entry a
// name check accepts is a plain file name (no separator, no drive, no
// control character, not "." or "..").
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lang_online/catalogue.h"
#include "lang_online/language_file_check.h"
#include "lang_online/language_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  for (const std::string& name : orvx::lang_online::split_catalogue(body)) {
    const auto problem = orvx::lang_online::check_language_name(name, "C:\\Data\\lang\\");
    if (problem != orvx::lang_online::NameProblem::kNone) continue;
    if (name.empty() || name == "." || name == "..") std::abort();
    for (unsigned char c : name) {
      if (c < 0x20 || c == '\\' || c == '/' || c == ':' || c == ',') std::abort();
    }
  }
  (void)orvx::lang_online::is_language_file_for(body, "english");
  return 0;
}
