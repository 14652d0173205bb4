#include "platform/system_error.h"

namespace orvx {

SystemError::SystemError(uint32_t code, std::string text)
    : std::runtime_error("System error " + std::to_string(code) + ": " + text), code_(code), text_(std::move(text)) {}

}  // namespace orvx
