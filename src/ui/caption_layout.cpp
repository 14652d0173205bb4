#include "ui/caption_layout.h"

#include <algorithm>

namespace orvx::ui {

namespace {
constexpr int kMargin = 2;
constexpr int kIconSize = 16;
}  // namespace

CaptionLayout layout_caption_bar(int width, int height, int button_count, int button_width, bool with_icon) {
  CaptionLayout out;
  button_count = std::max(button_count, 0);
  for (int i = 0; i < button_count; ++i) {
    out.buttons.push_back(Rect{width - (i + 1) * button_width, 0, button_width, height});
  }
  int title_left = kMargin;
  if (with_icon) {
    int side = std::min(kIconSize, std::max(height - 2 * kMargin, 0));
    out.icon = Rect{kMargin, (height - side) / 2, side, side};
    title_left = out.icon.right() + kMargin + 2;
  }
  int title_right = width - button_count * button_width - kMargin;
  out.title = Rect{title_left, 0, std::max(title_right - title_left, 0), height};
  return out;
}

int caption_button_at(const CaptionLayout& layout, Point p) {
  for (size_t i = 0; i < layout.buttons.size(); ++i) {
    if (layout.buttons[i].contains(p)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace orvx::ui
