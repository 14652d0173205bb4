#include "icons/icon_view.h"

namespace orvx::icons {

void IconView::read_items(int first, std::span<DesktopIcon> out) {
  for (size_t k = 0; k < out.size(); ++k) {
    const int index = first + static_cast<int>(k);
    out[k].Caption = item_caption(index);
    const IconPoint p = item_position(index);
    out[k].X = p.x;
    out[k].Y = p.y;
  }
}

}  // namespace orvx::icons
