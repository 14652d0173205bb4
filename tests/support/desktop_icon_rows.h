#pragma once
// Desktop icons as rows of caption, x and y: comparable and readable in
// test expectations.
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "icons/desktop_icon.h"

namespace orvx::test {

using IconRow = std::tuple<std::string, int32_t, int32_t>;

inline std::vector<IconRow> rows(const DesktopIcons& icons) {
  std::vector<IconRow> rows;
  for (const DesktopIcon& icon : icons) rows.emplace_back(icon.caption, icon.x, icon.y);
  return rows;
}

}  // namespace orvx::test
