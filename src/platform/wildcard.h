#pragma once
#include <string_view>

namespace orvx {

// Matches `name` against a file pattern with "*" (any run) and "?" (any one
// character); ASCII letters compare without regard to case. As on Windows,
// "*.*" matches every name, also one without a dot.
bool wildcard_match(std::string_view pattern, std::string_view name);

}  // namespace orvx
