#pragma once
// The main window's five timers, by their SetTimer ids, with their fixed
// intervals. kAutoSave takes its interval from the settings.
#include <cstdint>

namespace orvx::mainwin {

enum class MainTimer : uintptr_t {
  kHideAfterAutostart = 1,  // hides the window right after an autostart
  kAutoSave,                // auto-save into the chosen standard profile
  kMinideskRefresh,         // the Minidesk's live refresh
  kAlertSlideIn,            // slides the Minidesk alert in
  kAlertHide,               // hides it again
};

inline constexpr uint32_t kAutostartIntervalMs = 1;
inline constexpr uint32_t kRefreshIntervalMs = 500;
inline constexpr uint32_t kAlertOnIntervalMs = 1;
inline constexpr uint32_t kAlertOffIntervalMs = 10000;

}  // namespace orvx::mainwin
