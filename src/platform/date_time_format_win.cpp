// The user's short date and long time formats, through the locale functions.
#include <windows.h>

#include "platform/date_time_format.h"

namespace orvx {
namespace {

SYSTEMTIME system_time_of(const files::LocalTime& t) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.year);
  st.wMonth = static_cast<WORD>(t.month);
  st.wDay = static_cast<WORD>(t.day);
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  return st;
}

class UserDateTimeFormatter : public DateTimeFormatter {
 public:
  std::string short_date(const files::LocalTime& t) const override {
    SYSTEMTIME st = system_time_of(t);
    char text[128] = {};
    int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text);
    return n > 0 ? std::string(text, n - 1) : fixed_.short_date(t);
  }
  std::string long_time(const files::LocalTime& t) const override {
    SYSTEMTIME st = system_time_of(t);
    char text[128] = {};
    int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text);
    return n > 0 ? std::string(text, n - 1) : fixed_.long_time(t);
  }

 private:
  FixedDateTimeFormatter fixed_;
};

}  // namespace

std::unique_ptr<DateTimeFormatter> user_date_time_formatter() { return std::make_unique<UserDateTimeFormatter>(); }

}  // namespace orvx
