#pragma once
// The rule for the auto-save timer when the settings are applied, which
// happens at every show of the main window: an unchanged setting keeps the
// countdown going, or a user who opens the window more often than the
// interval would never get a save. A new interval, or switching the timer
// on, starts the countdown afresh; a timer of no interval never runs.
#include <cstdint>

namespace orvx::mainwin {

// The timer as it runs now.
struct AutoSaveTimerState {
  bool running = false;
  int32_t interval_ms = 0;
};

enum class AutoSaveTimerChange {
  kKeep,     // leave it as it is, running or not
  kStop,     // stop it
  kRestart,  // (re)start it with the new interval
};

AutoSaveTimerChange auto_save_timer_change(const AutoSaveTimerState& now, bool enabled, int32_t interval_ms);

}  // namespace orvx::mainwin
