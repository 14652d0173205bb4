#include "ui/paint_win.h"

#include <string>

namespace orvx::ui {

win::ScopedGdi<HFONT> make_font(const FontSpec& spec) {
  LOGFONTA lf{};
  lf.lfHeight = -spec.height;  // negative: the character height, not the cell height
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = spec.underline ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(lf.lfFaceName, spec.face.c_str(), LF_FACESIZE);
  return win::ScopedGdi<HFONT>(CreateFontIndirectA(&lf));
}

void fill_rect(HDC dc, const RECT& r, Rgb colour) {
  COLORREF old = SetBkColor(dc, colorref(colour));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void frame_rect(HDC dc, const RECT& r, Rgb colour) {
  fill_rect(dc, RECT{r.left, r.top, r.right, r.top + 1}, colour);
  fill_rect(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colour);
  fill_rect(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, colour);
  fill_rect(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, colour);
}

Size measure_text(HDC dc, HFONT font, std::string_view text, UINT flags, int wrap_width) {
  win::ScopedSelect select(dc, font);
  RECT r{0, 0, (flags & DT_WORDBREAK) ? wrap_width : 0, 0};
  std::string copy(text);  // DrawText wants a mutable buffer for some flags
  DrawTextA(dc, copy.data(), static_cast<int>(copy.size()), &r, flags | DT_CALCRECT);
  return Size{r.right - r.left, r.bottom - r.top};
}

void draw_text(HDC dc, HFONT font, std::string_view text, RECT r, Rgb colour, UINT flags) {
  win::ScopedSelect select(dc, font);
  int old_mode = SetBkMode(dc, TRANSPARENT);
  COLORREF old_colour = SetTextColor(dc, colorref(colour));
  std::string copy(text);
  DrawTextA(dc, copy.data(), static_cast<int>(copy.size()), &r, flags);
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
}

PaintBuffer::PaintBuffer(HWND hwnd) : hwnd_(hwnd) {
  BeginPaint(hwnd_, &ps_);
  GetClientRect(hwnd_, &client_);
  int w = client_.right - client_.left;
  int h = client_.bottom - client_.top;
  if (!ps_.hdc || w <= 0 || h <= 0) return;
  memory_.reset(CreateCompatibleDC(ps_.hdc));
  if (!memory_) return;
  bitmap_.reset(CreateCompatibleBitmap(ps_.hdc, w, h));
  if (!bitmap_) {
    memory_.reset();
    return;
  }
  previous_bitmap_ = SelectObject(memory_.get(), bitmap_.get());
}

PaintBuffer::~PaintBuffer() {
  if (memory_) {
    const RECT& p = ps_.rcPaint;
    BitBlt(ps_.hdc, p.left, p.top, p.right - p.left, p.bottom - p.top, memory_.get(), p.left, p.top, SRCCOPY);
    SelectObject(memory_.get(), previous_bitmap_);
  }
  EndPaint(hwnd_, &ps_);
}

}  // namespace orvx::ui
