#pragma once
// `update_layout` as arithmetic: where the main window's parts go for the
// screen as measured and the Minidesk state. The window (main_window_win.h)
// measures, calls main_layout() and applies the result; the window's left
// and top are never part of it.
//
// Expanded, the Minidesk is one third of the screen: of the whole virtual
// screen with two or more monitors, of the work area (the screen without the
// task bar) with one. The window is the Minidesk plus a 10-pixel margin left
// and right and 25 pixels above it for the caption bar and 25 below for the
// button strip. Collapsed, the window is a 400 x 40 bar.
#include <cstdint>

#include "profiles/screen_size.h"
#include "ui/geometry.h"

namespace orvx::mainwin {

struct LayoutMeasures {
  ScreenMeasures screen;        // virtual screen and monitor count
  int32_t work_area_right = 0;  // of the primary monitor
  int32_t work_area_bottom = 0;
};

// The design sizes of the parts that update_layout places but does not size.
inline constexpr ui::Size kCommandButtonSize{80, 18};  // save, arrange, close
inline constexpr ui::Size kToggleButtonSize{24, 22};   // form_status_button
inline constexpr ui::Size kCollapsedSize{400, 40};
inline constexpr int32_t kStripHeight = 20;           // button_strip
inline constexpr ui::Point kBackgroundOrigin{0, 20};  // bg_frame
inline constexpr ui::Point kMinideskOrigin{10, 25};   // desktop_frame
inline constexpr int32_t kVersionLabelLeft = 2;
inline constexpr int32_t kVersionLabelHeight = 12;

struct MainLayout {
  ui::Size client;  // borderless: also the window's size
  bool minidesk_shown = false;
  // In the window's client coordinates; meaningful only while shown.
  ui::Rect desktop_frame;
  ui::Rect bg_frame;
  // Inside desktop_frame.
  int32_t versions_label_top = 0;
  // In the window's client coordinates; all on the bottom strip.
  ui::Rect save_button;
  ui::Rect arrange_button;
  ui::Rect close_button;
  ui::Rect form_status_button;
  ui::Rect button_strip;
  // kMinideskRefresh runs while the Minidesk is shown, and the window sits in
  // the top-most band while collapsed.
  bool refresh_timer_on = false;
  bool topmost = false;

  friend bool operator==(const MainLayout&, const MainLayout&) = default;
};

// The Minidesk's size for the screen as measured.
ui::Size minidesk_size(const LayoutMeasures& measures);

MainLayout main_layout(const LayoutMeasures& measures, bool minidesk_shown);
// The same for a Minidesk of a given size.
MainLayout main_layout(ui::Size minidesk, bool minidesk_shown);

// The window is created at the layout of this Minidesk, shown, before
// update_layout measures the screen: a 410 x 314 window.
inline constexpr ui::Size kDesignMinideskSize{390, 264};

// versions_label in desktop_frame: along the Minidesk's lower edge.
ui::Rect versions_label_bounds(const MainLayout& layout);

}  // namespace orvx::mainwin
