#pragma once
// Dotted version numbers such as "1.02" or "1.2.3.4".
#include <string_view>

namespace orvx {

inline constexpr int kVersionsEqual = 0;
inline constexpr int kVersionOlder = 1;
// A is newer than B, or the two cannot be compared.
inline constexpr int kVersionNewerOrNotComparable = 2;

// Compares version A with version B part by part from the left, each part a
// decimal number (so "1.2" equals "1.02" and "1.2.3.10" is newer than
// "1.2.3.9"). The shorter version counts as filled up with ".0" parts.
// Returns kVersionsEqual, kVersionOlder when A is older than B, and
// kVersionNewerOrNotComparable when A is newer, when either is empty, or when
// the comparison reaches a part that is empty or not all decimal digits
// (signs, blanks and letters included).
int compare_versions(std::string_view a, std::string_view b);

}  // namespace orvx
