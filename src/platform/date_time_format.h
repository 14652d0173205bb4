#pragma once
// Turns a local date and time into the texts the user sees. On Windows the
// user's short date and long time formats are used; the fixed formatter
// serves the native build and tests.
#include <memory>
#include <string>

#include "platform/files.h"

namespace orvx {

class DateTimeFormatter {
 public:
  virtual ~DateTimeFormatter() = default;
  virtual std::string short_date(const files::LocalTime& t) const = 0;
  virtual std::string long_time(const files::LocalTime& t) const = 0;
};

// "dd.mm.yyyy" and "hh:mm:ss".
class FixedDateTimeFormatter : public DateTimeFormatter {
 public:
  std::string short_date(const files::LocalTime& t) const override;
  std::string long_time(const files::LocalTime& t) const override;
};

// The formatter of the user's settings (the fixed one outside Windows).
std::unique_ptr<DateTimeFormatter> user_date_time_formatter();

}  // namespace orvx
