#include "platform/system_check.h"

namespace orvx {

PointerWidth native_pointer_width(uint16_t processor_architecture) {
  return processor_architecture == kArchitectureIa64 || processor_architecture == kArchitectureAmd64
             ? PointerWidth::kBits64
             : PointerWidth::kBits32;
}

bool is_supported_system(const SystemVersion& system, PointerWidth program) {
  // A 64-bit Windows runs a 32-bit program in emulation; its shell is 64-bit
  // and out of reach of the 32-bit desktop access, and the other way round.
  if (native_pointer_width(system.processor_architecture) != program) return false;
  if (system.platform_id != kPlatformNt) return false;
  switch (system.major) {
    case 4:
      return true;
    case 5:
      return system.minor == 0 || system.minor == 1;
    case 6:
      return system.minor == 0 && system.product_type == kProductWorkstation;
    default:
      return false;
  }
}

}  // namespace orvx
