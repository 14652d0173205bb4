#include "platform/compare_versions.h"

#include <algorithm>

#include "platform/split_text.h"

namespace orvx {
namespace {

bool all_digits(std::string_view part) {
  return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Compares two digit strings as numbers of any length: -1, 0 or 1.
int compare_numbers(std::string_view a, std::string_view b) {
  auto strip_zeros = [](std::string_view s) {
    while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
    return s;
  };
  a = strip_zeros(a);
  b = strip_zeros(b);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

int compare_versions(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return kVersionNewerOrNotComparable;
  TextParts parts_a = split_text(a, ".");
  TextParts parts_b = split_text(b, ".");
  // The shorter one is filled up with ".0" parts.
  const size_t count = std::max(parts_a.size(), parts_b.size());
  parts_a.resize(count, "0");
  parts_b.resize(count, "0");
  for (size_t i = 0; i < count; ++i) {
    if (!all_digits(parts_a[i]) || !all_digits(parts_b[i])) return kVersionNewerOrNotComparable;
    int order = compare_numbers(parts_a[i], parts_b[i]);
    if (order < 0) return kVersionOlder;
    if (order > 0) return kVersionNewerOrNotComparable;
  }
  return kVersionsEqual;
}

}  // namespace orvx
