#include "platform/calendar.h"

#include <cmath>

namespace orvx {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kMillisecondsPerDay = kSecondsPerDay * 1000;
constexpr double kUnixEpochAsDatetime = 25569.0;  // 1970-01-01 counted from 1899-12-30

bool is_leap_year(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int days_in_month(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t days_from_civil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civil_from_days(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

std::optional<int64_t> calendar_to_unix(const files::LocalTime& t) {
  if (t.month < 1 || t.month > 12) return std::nullopt;
  if (t.day < 1 || t.day > days_in_month(t.year, t.month)) return std::nullopt;
  if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
    return std::nullopt;
  }
  return days_from_civil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600 + t.minute * 60 + t.second;
}

double unix_to_datetime(int64_t seconds) {
  return static_cast<double>(seconds) / kSecondsPerDay + kUnixEpochAsDatetime;
}

files::LocalTime calendar_from_datetime(double datetime) {
  // Whole milliseconds since 1899-12-30, rounded as the fraction of a day
  // cannot hold every second exactly.
  const int64_t total_ms = std::llround(datetime * kMillisecondsPerDay);
  int64_t days = total_ms / kMillisecondsPerDay;
  int64_t ms_of_day = total_ms % kMillisecondsPerDay;
  if (ms_of_day < 0) {
    ms_of_day += kMillisecondsPerDay;
    --days;
  }
  files::LocalTime t;
  civil_from_days(days - static_cast<int64_t>(kUnixEpochAsDatetime), t.year, t.month, t.day);
  t.hour = static_cast<int>(ms_of_day / 3600000);
  t.minute = static_cast<int>(ms_of_day / 60000 % 60);
  t.second = static_cast<int>(ms_of_day / 1000 % 60);
  t.millisecond = static_cast<int>(ms_of_day % 1000);
  // Day 0, 1899-12-30, was a Saturday.
  t.day_of_week = static_cast<int>(((days + 6) % 7 + 7) % 7);
  return t;
}

}  // namespace orvx
