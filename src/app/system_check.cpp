#include "app/system_check.h"

namespace orvx::app {

bool is_supported_system(const SystemVersion& system) {
  // A 64-bit Windows runs the program in emulation; its shell is 64-bit and
  // out of reach of the 32-bit desktop access.
  if (system.processor_architecture == kArchitectureIa64 ||
      system.processor_architecture == kArchitectureAmd64) {
    return false;
  }
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

}  // namespace orvx::app
