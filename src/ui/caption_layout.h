#pragma once
// Where the parts of a caption bar go: the window icon at the left, the
// buttons right-aligned, the title in between.
#include <vector>

#include "ui/geometry.h"

namespace orvx::ui {

struct CaptionLayout {
  Rect icon;                  // empty when the bar shows no icon
  Rect title;                 // the text area; never of negative width
  std::vector<Rect> buttons;  // buttons[0] is the rightmost button
};

// Lays out a bar of `width` × `height` with `button_count` buttons of
// `button_width` each. The icon is a square of 16 pixels (or the bar height
// when that is smaller), centred vertically with a 2-pixel margin. A bar too
// narrow for its buttons lets the leftmost ones run off its left edge; the
// title then has no room.
CaptionLayout layout_caption_bar(int width, int height, int button_count, int button_width, bool with_icon);

// The button under a point of the bar, as an index into CaptionLayout::buttons,
// or -1.
int caption_button_at(const CaptionLayout& layout, Point p);

}  // namespace orvx::ui
