#pragma once
// The auto-save interval is stored in milliseconds and edited in whole
// minutes from 1 to 60.
#include <cstdint>

namespace orvx::config {

inline constexpr int kMinIntervalMinutes = 1;
inline constexpr int kMaxIntervalMinutes = 60;
inline constexpr int32_t kMillisecondsPerMinute = 60000;

// The minutes shown for a stored interval: the remainder is dropped (90000 ms
// shows 1 minute), the result clamped to 1..60.
constexpr int interval_to_minutes(int32_t milliseconds) {
  const int32_t minutes = milliseconds / kMillisecondsPerMinute;
  if (minutes < kMinIntervalMinutes) return kMinIntervalMinutes;
  if (minutes > kMaxIntervalMinutes) return kMaxIntervalMinutes;
  return static_cast<int>(minutes);
}

// The interval stored for the minutes shown; minutes outside 1..60 are
// clamped first, as the minute field does.
constexpr int32_t minutes_to_interval(int minutes) {
  if (minutes < kMinIntervalMinutes) minutes = kMinIntervalMinutes;
  if (minutes > kMaxIntervalMinutes) minutes = kMaxIntervalMinutes;
  return minutes * kMillisecondsPerMinute;
}

}  // namespace orvx::config
