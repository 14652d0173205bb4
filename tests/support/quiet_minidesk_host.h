#pragma once
// A Minidesk host that does nothing with the Minidesk's requests: no icon
// moves, no timers, no mouse capture. For tests and benchmarks that look
// only at the Minidesk's own state or picture.
#include <string>

#include "minidesk/minidesk.h"

namespace orvx::test {

class QuietMinideskHost final : public minidesk::MinideskHost {
 public:
  void move_desktop_icon(const std::string&, icons::IconPoint) override {}
  void set_refresh_timer(bool) override {}
  void set_alert_slide_in_timer(bool) override {}
  void set_alert_hide_timer(bool) override {}
  void set_mouse_capture(bool) override {}
};

}  // namespace orvx::test
