#include "settings/update_gauge.h"

#include <algorithm>

namespace orvx::settings {

int UpdateGauge::percent() const {
  if (maximum_ <= 0 || position_ <= 0) return 0;
  const int64_t percent = static_cast<int64_t>(position_) * 100 / maximum_;
  return static_cast<int>(std::min<int64_t>(percent, 100));
}

}  // namespace orvx::settings
