#pragma once
// Size and place of a styled hint box.
#include "ui/geometry.h"

namespace orvx::ui {

// The width to which a hint's text is wrapped. A text whose longest line
// (`natural_text_width`) fits into the box with its padding keeps its lines;
// a longer one is word-wrapped so that the box is exactly `max_box_width`
// wide. Never less than 1.
int hint_wrap_width(int natural_text_width, int max_box_width, int padding);

// The top-left corner of a hint box of `box` size for a mouse cursor at
// `cursor` whose picture is `cursor_height` tall: just below the cursor and
// starting at its x, moved left to stay inside `screen`, and above the cursor
// when there is no room below.
Point place_hint(Point cursor, int cursor_height, Size box, Rect screen);

}  // namespace orvx::ui
