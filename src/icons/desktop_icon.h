#pragma once
// One desktop icon as the desktop list view reports it, and the list of all
// of them in list view item order.
#include <cstdint>
#include <string>
#include <vector>

namespace orvx {

struct DesktopIcon {
  std::string Caption;  // 8-bit text in the system ANSI code page
  int32_t X = 0;        // upper-left corner, list view coordinates
  int32_t Y = 0;
};
using DesktopIcons = std::vector<DesktopIcon>;

}  // namespace orvx
