#include "ui/picture_button_win.h"

#include "ui/paint_win.h"

namespace orvx::ui {

PictureButton::PictureButton(const PictureButtonArgs& args)
    : Widget(args.name, args.hint, Texts::kHintOnly),
      background_(args.background),
      stretch_(args.stretch),
      on_click_(args.on_click) {
  WindowArgs w;
  w.class_name = kPictureButtonClass;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
  if (!args.picture.empty()) set_picture(args.picture);
}

void PictureButton::set_picture(const std::string& resource_name) {
  HANDLE image = LoadImageA(GetModuleHandleA(nullptr), resource_name.c_str(), IMAGE_BITMAP, 0, 0, 0);
  bitmap_.reset(static_cast<HBITMAP>(image));
  picture_ = bitmap_ ? resource_name : std::string();
  invalidate();
}

void PictureButton::set_picture(win::ScopedGdi<HBITMAP> bitmap) {
  bitmap_ = std::move(bitmap);
  picture_.clear();
  invalidate();
}

void PictureButton::set_on_click(std::function<void()> handler) { on_click_ = std::move(handler); }

void PictureButton::click() {
  if (!enabled()) return;
  std::function<void()> handler = on_click_;  // the handler may destroy this widget
  if (handler) handler();
}

HCURSOR PictureButton::cursor_at(Point) const { return on_click_ ? hand_cursor() : nullptr; }

void PictureButton::paint() {
  PaintBuffer paint(hwnd());
  const RECT& r = paint.client();
  fill_rect(paint.dc(), r, background_);
  if (!bitmap_) return;
  BITMAP info{};
  GetObjectA(bitmap_.get(), sizeof(info), &info);
  win::ScopedMemoryDC source(CreateCompatibleDC(paint.dc()));
  if (!source) return;
  win::ScopedSelect select(source.get(), bitmap_.get());
  int w = r.right - r.left;
  int h = r.bottom - r.top;
  if (stretch_) {
    SetStretchBltMode(paint.dc(), COLORONCOLOR);
    StretchBlt(paint.dc(), 0, 0, w, h, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  } else {
    BitBlt(paint.dc(), (w - info.bmWidth) / 2, (h - info.bmHeight) / 2, info.bmWidth, info.bmHeight, source.get(), 0, 0,
           SRCCOPY);
  }
}

LRESULT PictureButton::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_LBUTTONDOWN:
      press_.press(hwnd());
      return 0;
    case WM_LBUTTONUP:
      if (press_.release(hwnd(), lp)) click();  // last: the handler may destroy this widget
      return 0;
    case WM_CAPTURECHANGED:
      press_.drop();
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::ui
