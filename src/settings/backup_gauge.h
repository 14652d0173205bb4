#pragma once
// The backup's progress gauge runs from 0 to 100: the bytes done of the
// current file as a share of its size.
#include <cstdint>

namespace orvx::settings {

// 0 for a file of no bytes (or a size that makes no sense), 100 at most.
int gauge_percent(int32_t position, int32_t total);

}  // namespace orvx::settings
