#include "update/version_check.h"

#include "platform/compare_versions.h"

namespace orvx::update {

bool is_plain_version(std::string_view version) {
  size_t parts = 1;
  size_t digits = 0;
  for (char c : version) {
    if (c == '.') {
      if (digits == 0 || ++parts > kMaxVersionParts) return false;
      digits = 0;
    } else if (c >= '0' && c <= '9') {
      if (++digits > kMaxVersionPartDigits) return false;
    } else {
      return false;
    }
  }
  return digits > 0;
}

bool update_offered(std::string_view own, std::string_view offered) {
  return is_plain_version(offered) && compare_versions(own, offered) == kVersionOlder;
}

}  // namespace orvx::update
