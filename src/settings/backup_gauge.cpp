#include "settings/backup_gauge.h"

#include <algorithm>

namespace orvx::settings {

int gauge_percent(int32_t position, int32_t total) {
  if (total <= 0 || position <= 0) return 0;
  // In 64 bits: a file near 2 GiB times 100 does not fit in 32.
  const int64_t percent = static_cast<int64_t>(position) * 100 / total;
  return static_cast<int>(std::min<int64_t>(percent, 100));
}

}  // namespace orvx::settings
