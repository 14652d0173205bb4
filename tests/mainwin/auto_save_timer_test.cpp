// The auto-save timer when the settings are applied anew, as at every show of
// the main window: only a change restarts the countdown.
#include <gtest/gtest.h>

#include "mainwin/auto_save_timer.h"

namespace orvx::mainwin {
namespace {

struct TimerCase {
  const char* what;
  AutoSaveTimerState now;
  bool enabled;
  int32_t interval_ms;
  AutoSaveTimerChange expected;
};

TEST(AutoSaveTimer, OnlyAChangeRestartsTheCountdown) {
  using enum AutoSaveTimerChange;
  const TimerCase cases[] = {
      {"the same setting again (a show)", {true, 60000}, true, 60000, kKeep},
      {"an interval that is no whole number of minutes, again", {true, 30000}, true, 30000, kKeep},
      {"a new interval", {true, 60000}, true, 120000, kRestart},
      {"switched on", {false, 0}, true, 60000, kRestart},
      {"switched on with the interval it had before", {false, 60000}, true, 60000, kRestart},
      {"switched off", {true, 60000}, false, 60000, kStop},
      {"no interval", {true, 60000}, true, 0, kStop},
      {"a negative interval", {true, 60000}, true, -5, kStop},
      {"off and staying off", {false, 0}, false, 60000, kKeep},
      {"no interval while stopped", {false, 0}, true, 0, kKeep},
  };
  for (const TimerCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(auto_save_timer_change(c.now, c.enabled, c.interval_ms), c.expected);
  }
}

}  // namespace
}  // namespace orvx::mainwin
