// Any bytes as a profile, and any bytes as a list of captions. Reading never
// crashes or hangs, and what is written reads back: one icon per storable
// caption (the first form of it, the last position), in order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "ini/ini_syntax.h"
#include "profiles/profile_file.h"

using namespace orvx;

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

bool same(const DesktopIcons& a, const DesktopIcons& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].caption != b[i].caption || a[i].x != b[i].x || a[i].y != b[i].y) return false;
  }
  return true;
}

void require_round_trip(const DesktopIcons& icons) {
  DesktopIcons expected;
  std::unordered_map<std::string, size_t> index;
  for (const DesktopIcon& icon : icons) {
    if (!is_storable_caption(icon.caption)) continue;
    auto [it, added] = index.try_emplace(ini::syntax::folded(icon.caption), expected.size());
    if (added) {
      expected.push_back(icon);
    } else {
      expected[it->second].x = icon.x;
      expected[it->second].y = icon.y;
    }
  }
  require(same(read_profile_text(build_profile_text(icons, {1920, 1080}, 2)), expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  require_round_trip(read_profile_text(bytes));

  DesktopIcons captions;
  size_t start = 0;
  for (size_t i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\n') {
      int32_t n = static_cast<int32_t>(captions.size());
      captions.push_back({bytes.substr(start, i - start), n * 37 - 1000, -n});
      start = i + 1;
    }
  }
  require_round_trip(captions);
  return 0;
}
