// The PE header reader over arbitrary bytes: it must end, stay within its
// reads and never read out of bounds, whatever the headers claim.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/pe_build_time.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orvx::MemoryReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
  (void)orvx::build_time_of(reader);
  return 0;
}
