#pragma once
// One desktop icon as the desktop list view reports it, and the list of all
// of them in list view item order.
#include <cstdint>
#include <string>
#include <vector>

namespace orvx {

struct DesktopIcon {
  std::string caption;  // 8-bit text in the system ANSI code page
  int32_t x = 0;        // upper-left corner, list view coordinates
  int32_t y = 0;
};
using DesktopIcons = std::vector<DesktopIcon>;

}  // namespace orvx
