#include "platform/wildcard.h"

namespace orvx {
namespace {
char fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}  // namespace

bool wildcard_match(std::string_view pattern, std::string_view name) {
  // As in a Windows listing, "*.*" stands for every name, with a dot or not.
  if (pattern == "*.*") return true;
  // Iterative match with one backtrack point for the last "*".
  size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    // A "*" in the pattern is always a wildcard, even where the name holds
    // a "*" itself (possible natively).
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || fold(pattern[p]) == fold(name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace orvx
