#include "platform/date_time_format.h"

namespace orvx {

std::unique_ptr<DateTimeFormatter> user_date_time_formatter() { return std::make_unique<FixedDateTimeFormatter>(); }

}  // namespace orvx
