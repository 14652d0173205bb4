// The count message over arbitrary translations: it must end, and either
// show the text as it stands or hold the number where the one "%s" was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "minidesk/count_message.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int32_t count = 0;
  if (size >= sizeof(count)) {
    std::memcpy(&count, data, sizeof(count));
    data += sizeof(count);
    size -= sizeof(count);
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string shown = orvx::minidesk::format_count_message(text, count);
  if (shown != text) {
    const std::string number = std::to_string(count);
    // One "%s" became the number, each "%%" one "%": never longer than that.
    if (shown.find(number) == std::string::npos) std::abort();
    if (shown.size() > text.size() - 2 + number.size()) std::abort();
  }
  return 0;
}
