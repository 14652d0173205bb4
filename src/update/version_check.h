#pragma once
// Whether the update information offers a newer program. The offered
// version comes from the network and goes into the update script, so only
// the plain form is accepted: decimal numbers joined by ".", at most four
// of them, each of at most five digits ("1.2.3.4", "2", "10.0").
#include <string_view>

namespace orvx::update {

inline constexpr size_t kMaxVersionParts = 4;
inline constexpr size_t kMaxVersionPartDigits = 5;

bool is_plain_version(std::string_view version);

// True when `offered` is a plain version and newer than `own`
// (CompareVersions(own, offered) says own is older).
bool update_offered(std::string_view own, std::string_view offered);

}  // namespace orvx::update
