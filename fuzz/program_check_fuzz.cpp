// The program check over arbitrary bytes: it must end and never read out of
// bounds, whatever the headers claim.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "update/program_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view head(reinterpret_cast<const char*>(data), size);
  (void)orvx::update::is_program_for(head, orvx::update::kMachineI386);
  (void)orvx::update::is_program_for(head, orvx::update::kMachineAmd64);
  return 0;
}
