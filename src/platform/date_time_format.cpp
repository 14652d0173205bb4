#include "platform/date_time_format.h"

#include <cstdio>

namespace orvx {

std::string FixedDateTimeFormatter::short_date(const files::LocalTime& t) const {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month, t.year);
  return text;
}

std::string FixedDateTimeFormatter::long_time(const files::LocalTime& t) const {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

}  // namespace orvx
