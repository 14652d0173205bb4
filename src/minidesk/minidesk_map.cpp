#include "minidesk/minidesk_map.h"

#include <algorithm>
#include <limits>

namespace orvx::minidesk {

namespace {
int32_t saturate(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
}  // namespace

icons::IconPoint map_to_desktop(MapPoint p) {
  return {saturate(int64_t{kMapScale} * p.x),
          saturate(int64_t{kMapScale} * p.y - int64_t{kMapScale} * kMarkerTopOffset)};
}

}  // namespace orvx::minidesk
