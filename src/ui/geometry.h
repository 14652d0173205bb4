#pragma once
// Plain geometry for the widget kit, in pixels. Portable, so that the layout
// arithmetic can be tested without Windows.

namespace orvx::ui {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle by its left and top edge and its size, as widgets are placed.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace orvx::ui
