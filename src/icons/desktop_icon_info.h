#pragma once
// One desktop icon as the rest of the program sees it: its caption and the
// upper-left corner of the item in list view coordinates.
#include <cstdint>
#include <string>
#include <vector>

namespace orvx::icons {

struct TDesktopIconInfo {
  std::string Caption;  // 8-bit text in the system ANSI code page
  int32_t X = 0;
  int32_t Y = 0;

  friend bool operator==(const TDesktopIconInfo&, const TDesktopIconInfo&) = default;
};

// The icons of a desktop in list view item order (index 0 first), empty
// captions and repeated captions included.
using TDesktopIconInfoArray = std::vector<TDesktopIconInfo>;

}  // namespace orvx::icons
