#include "config/placement_rule.h"

namespace orvx::config {

int32_t restored_coordinate(int32_t stored, int32_t work_area_end, int32_t size, int32_t current) {
  // 64-bit, so that extreme values in a hand-edited file cannot overflow.
  const int64_t end = work_area_end;
  const int64_t extent = size;
  if (stored > end) return current;
  if (stored < 0 || stored > end - extent) return static_cast<int32_t>(end / 2 - extent / 2);
  return stored;
}

}  // namespace orvx::config
