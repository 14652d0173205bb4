#include "mainwin/auto_save_timer.h"

namespace orvx::mainwin {

AutoSaveTimerChange auto_save_timer_change(const AutoSaveTimerState& now, bool enabled, int32_t interval_ms) {
  const bool wanted = enabled && interval_ms > 0;
  if (!wanted) return now.running ? AutoSaveTimerChange::kStop : AutoSaveTimerChange::kKeep;
  if (now.running && now.interval_ms == interval_ms) return AutoSaveTimerChange::kKeep;
  return AutoSaveTimerChange::kRestart;
}

}  // namespace orvx::mainwin
