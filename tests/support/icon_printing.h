#pragma once
// Readable test failures for desktop icons: {caption, x, y}.
#include <ostream>

#include "icons/desktop_icon_info.h"

namespace orvx::icons {

inline void PrintTo(const TDesktopIconInfo& icon, std::ostream* os) {
  *os << "{" << icon.Caption << ", " << icon.X << ", " << icon.Y << "}";
}

}  // namespace orvx::icons
