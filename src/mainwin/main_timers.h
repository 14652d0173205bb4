#pragma once
// The main window's five timers, by their SetTimer ids, with their fixed
// intervals. auto_check_icons_timer takes its interval from the settings.
#include <cstdint>

namespace orvx::mainwin {

enum class MainTimer : uintptr_t {
  autostart_timer = 1,     // hides the window right after an autostart
  auto_check_icons_timer,  // auto-save into the chosen standard profile
  refresh_timer,           // the Minidesk's live refresh
  alert_timer_on,          // slides the Minidesk alert in
  alert_timer_off,         // hides it again
};

inline constexpr uint32_t kAutostartIntervalMs = 1;
inline constexpr uint32_t kRefreshIntervalMs = 500;
inline constexpr uint32_t kAlertOnIntervalMs = 1;
inline constexpr uint32_t kAlertOffIntervalMs = 10000;

}  // namespace orvx::mainwin
