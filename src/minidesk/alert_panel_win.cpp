#include "minidesk/alert_panel_win.h"

#include "platform/scoped_win.h"
#include "ui/paint_win.h"

namespace orvx::minidesk {

namespace {

constexpr ui::Rgb kPanelBorder = ui::rgb(0xFF0000);
constexpr int kCloseSize = 15;

// The close picture: a red cross on the panel's colour.
win::ScopedGdi<HBITMAP> close_picture() {
  win::ScopedWindowDC screen(nullptr);
  win::ScopedGdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), kCloseSize, kCloseSize));
  win::ScopedMemoryDC dc(CreateCompatibleDC(screen.get()));
  if (!bitmap || !dc) return bitmap;
  win::ScopedSelect select(dc.get(), bitmap.get());
  ui::fill_rect(dc.get(), RECT{0, 0, kCloseSize, kCloseSize}, kAlertPanelColour);
  ui::frame_rect(dc.get(), RECT{0, 0, kCloseSize, kCloseSize}, kPanelBorder);
  for (int i = 3; i < kCloseSize - 3; ++i) {
    ui::fill_rect(dc.get(), RECT{i, i, i + 2, i + 1}, kPanelBorder);
    ui::fill_rect(dc.get(), RECT{kCloseSize - 2 - i, i, kCloseSize - i, i + 1}, kPanelBorder);
  }
  return bitmap;
}

}  // namespace

AlertPanelView::AlertPanelView(HWND map, std::function<void()> on_close) {
  frame_ = std::make_unique<ui::Panel>(ui::PanelArgs{.name = "alert_frame",
                                                     .parent = map,
                                                     .bounds = ui::Rect{0, 0, kAlertPanelWidth, kAlertPanelHeight},
                                                     .colour = kAlertPanelColour,
                                                     .border = kPanelBorder,
                                                     .visible = false});
  label_ = std::make_unique<ui::Label>(ui::LabelArgs{.name = "alert_label",
                                                     .caption = kAlertText,
                                                     .parent = frame_->hwnd(),
                                                     .bounds = ui::Rect{3, 14, 313, 56},
                                                     .font = ui::FontSpec{"Georgia", 11},
                                                     .background = kAlertPanelColour,
                                                     .word_wrap = true});
  close_ = std::make_unique<ui::PictureButton>(ui::PictureButtonArgs{.name = "alert_img",
                                                                     .parent = frame_->hwnd(),
                                                                     .bounds = ui::Rect{301, 3, kCloseSize, kCloseSize},
                                                                     .background = kAlertPanelColour,
                                                                     .on_click = std::move(on_close)});
  close_->set_picture(close_picture());
}

void AlertPanelView::sync(const AlertPanel& panel) {
  const MapRect& b = panel.bounds;
  if (frame_->bounds() != ui::Rect{b.left, b.top, b.width, b.height}) {
    frame_->set_bounds(ui::Rect{b.left, b.top, b.width, b.height});
  }
  if (frame_->visible() != panel.visible) frame_->set_visible(panel.visible);
}

}  // namespace orvx::minidesk
