#include "ui/hint_layout.h"

#include <algorithm>

namespace orvx::ui {

int hint_wrap_width(int natural_text_width, int max_box_width, int padding) {
  int max_text = max_box_width - 2 * padding;
  return std::max(std::min(natural_text_width, max_text), 1);
}

Point place_hint(Point cursor, int cursor_height, Size box, Rect screen) {
  Point at{cursor.x, cursor.y + cursor_height};
  if (at.x + box.width > screen.right()) at.x = screen.right() - box.width;
  if (at.y + box.height > screen.bottom()) at.y = cursor.y - box.height;
  at.x = std::max(at.x, screen.left);
  at.y = std::max(at.y, screen.top);
  return at;
}

}  // namespace orvx::ui
