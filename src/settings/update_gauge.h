#pragma once
// The download gauge of the Update section: the update check speaks in
// bytes (a total and the bytes read so far), the progress bar in percent.
#include <cstdint>

#include "ui/progress_percent.h"

namespace orvx::settings {

class UpdateGauge {
 public:
  void set(int32_t maximum, int32_t position) {
    maximum_ = maximum;
    position_ = position;
  }
  int32_t position() const { return position_; }
  // 0 to 100; 0 while the total is unknown (0 or less).
  int percent() const { return ui::progress_percent(maximum_, position_); }

 private:
  int32_t maximum_ = 0;
  int32_t position_ = 0;
};

}  // namespace orvx::settings
