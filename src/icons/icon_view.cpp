#include "icons/icon_view.h"

namespace orvx::icons {

void IconView::read_items(int first, std::span<DesktopIcon> out) {
  for (size_t k = 0; k < out.size(); ++k) {
    const int index = first + static_cast<int>(k);
    out[k].caption = item_caption(index);
    const IconPoint p = item_position(index);
    out[k].x = p.x;
    out[k].y = p.y;
  }
}

}  // namespace orvx::icons
