#pragma once
// What the Minidesk benchmarks share: a host that does nothing with the
// Minidesk's requests, and the desktop they measure.
#include <string>
#include <vector>

#include "minidesk/minidesk.h"

namespace bench {

class NoHost final : public orvx::minidesk::MinideskHost {
 public:
  void MoveDesktopIcon(const std::string&, orvx::icons::IconPoint) override {}
  void set_refresh_timer(bool) override {}
  void set_alert_slide_in_timer(bool) override {}
  void set_alert_hide_timer(bool) override {}
  void set_mouse_capture(bool) override {}
};

// `count` icons on 1280 x 994, 75 pixels apart, every tenth one off the
// screen; `shift` moves them all. `Icon` is a record of caption, x and y.
template <class Icon>
std::vector<Icon> sample_desktop(int count, const std::string& caption_prefix, int shift = 0) {
  std::vector<Icon> icons;
  icons.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int x = (i * 75) % 1200 + shift;
    const int y = (i * 75) / 1200 * 75 % 900 + shift;
    icons.push_back({caption_prefix + std::to_string(i) + ".doc", i % 10 == 9 ? x + 2000 : x, y});
  }
  return icons;
}

}  // namespace bench
