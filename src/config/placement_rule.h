#pragma once
// Where a window goes when its remembered position is applied.
#include <cstdint>

namespace orvx::config {

// The right and bottom coordinates of the screen's work area.
struct WorkArea {
  int32_t right = 0;
  int32_t bottom = 0;
};

// One coordinate (left or top) of a window with extent `size` (its width or
// height), given the stored value and the work area's end on that axis:
//  - stored beyond the work area's end (a monitor to the right or below):
//    the window keeps `current`, the coordinate it was created with;
//  - stored negative, or too far for the whole window to fit: centred,
//    end / 2 - size / 2 (each division truncating toward zero);
//  - otherwise the stored value.
// A missing or unreadable stored value is passed as -1 and so centres.
int32_t restored_coordinate(int32_t stored, int32_t work_area_end, int32_t size, int32_t current);

}  // namespace orvx::config
