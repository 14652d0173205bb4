#pragma once
// Drawing helpers shared by the widgets: colours and fonts as GDI objects,
// flicker-free painting through an off-screen buffer, and text measuring.
#include <windows.h>

#include <string_view>

#include "platform/scoped_win.h"
#include "ui/geometry.h"
#include "ui/style.h"

namespace orvx::ui {

inline COLORREF colorref(Rgb c) { return RGB(c.r, c.g, c.b); }

// A font of the given face and character height in pixels.
win::ScopedGdi<HFONT> make_font(const FontSpec& spec);

// Fills a rectangle with a solid colour without creating a brush.
void fill_rect(HDC dc, const RECT& r, Rgb colour);
// A one-pixel frame just inside the rectangle.
void frame_rect(HDC dc, const RECT& r, Rgb colour);

// The size DrawText needs for `text` with `flags` (DT_CALCRECT is added).
// With DT_WORDBREAK, `wrap_width` is the width to wrap to.
Size measure_text(HDC dc, HFONT font, std::string_view text, UINT flags, int wrap_width = 0);
// Draws `text` into `r` with `font` and `colour` on a transparent background.
void draw_text(HDC dc, HFONT font, std::string_view text, RECT r, Rgb colour, UINT flags);

// Paints a window through an off-screen bitmap, so that a widget that fills
// its background first and draws on top never flickers. Use in WM_PAINT:
//   PaintBuffer paint(hwnd);  draw on paint.dc() ...  (copied on destruction)
// When no buffer can be made, drawing goes straight to the window.
class PaintBuffer {
 public:
  explicit PaintBuffer(HWND hwnd);
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;
  ~PaintBuffer();

  HDC dc() const { return memory_ ? memory_.get() : ps_.hdc; }
  // The whole client area, in the coordinates of dc().
  const RECT& client() const { return client_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  RECT client_{};
  win::ScopedMemoryDC memory_;
  win::ScopedGdi<HBITMAP> bitmap_;
  HGDIOBJ previous_bitmap_ = nullptr;
};

inline RECT to_rect(const Rect& r) { return RECT{r.left, r.top, r.right(), r.bottom()}; }

}  // namespace orvx::ui
