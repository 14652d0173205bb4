#pragma once
// The Minidesk's map: the desktop at one third of its size. A desktop icon at
// (x, y) is a 10 x 10 marker whose left edge is at x div 3 and whose top edge
// is at y div 3 + 10 (div truncating toward zero, as C++ divides); a map
// point (px, py) stands for the desktop point (3 px, 3 py - 30).
#include <cstdint>

#include "icons/icon_position.h"

namespace orvx::minidesk {

struct MapPoint {
  int32_t x = 0;
  int32_t y = 0;

  friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

struct MapSize {
  int32_t width = 0;
  int32_t height = 0;

  friend bool operator==(const MapSize&, const MapSize&) = default;
};

struct MapRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;

  bool contains(MapPoint p) const {
    return p.x >= left && p.y >= top && int64_t{p.x} - left < width && int64_t{p.y} - top < height;
  }
  friend bool operator==(const MapRect&, const MapRect&) = default;
};

inline constexpr int32_t kMapScale = 3;
inline constexpr int32_t kMarkerSize = 10;
// Markers sit this far below the scaled position.
inline constexpr int32_t kMarkerTopOffset = 10;

// The marker of the icon at desktop point (x, y).
constexpr MapRect marker_bounds(int32_t x, int32_t y) {
  return {x / kMapScale, y / kMapScale + kMarkerTopOffset, kMarkerSize, kMarkerSize};
}

// Whether the icon at (x, y) lies inside a map of the given size: its scaled
// position (x div 3, y div 3) lies within 0..W-10 and 0..H-10. The test
// takes the scaled position itself, not the marker's lower top edge, so a
// marker near the bottom may be cut off and still count as inside.
constexpr bool icon_inside_map(int32_t x, int32_t y, MapSize map) {
  const int32_t mx = x / kMapScale;
  const int32_t my = y / kMapScale;
  return mx >= 0 && mx <= map.width - kMarkerSize && my >= 0 && my <= map.height - kMarkerSize;
}

// The desktop point a map point stands for. A marker's left and top edge
// give back its icon's position, up to the rounding of the division.
// Results beyond 32 bits are held at the nearest end.
icons::IconPoint map_to_desktop(MapPoint p);

}  // namespace orvx::minidesk
