#include "mainwin/main_layout.h"

namespace orvx::mainwin {
namespace {

constexpr int32_t kMinideskScale = 3;
constexpr int32_t kSideMargins = 20;    // 10 left and right of the Minidesk
constexpr int32_t kAboveAndBelow = 50;  // caption bar and strip with their gaps
constexpr int32_t kBackgroundShortfall = 40;
constexpr int32_t kVersionLabelLift = 13;
constexpr int32_t kSaveButtonLeft = 10;
constexpr int32_t kButtonGap = 20;  // between save_button and arrange_button
constexpr int32_t kCloseButtonInset = 30;
constexpr int32_t kToggleButtonInset = 10;

}  // namespace

ui::Size minidesk_size(const LayoutMeasures& measures) {
  if (measures.screen.monitor_count >= 2) {
    return {measures.screen.size.width / kMinideskScale, measures.screen.size.height / kMinideskScale};
  }
  return {measures.work_area_right / kMinideskScale, measures.work_area_bottom / kMinideskScale};
}

MainLayout main_layout(const LayoutMeasures& measures, bool minidesk_shown) {
  return main_layout(minidesk_size(measures), minidesk_shown);
}

MainLayout main_layout(ui::Size map, bool minidesk_shown) {
  MainLayout layout;
  layout.minidesk_shown = minidesk_shown;
  if (minidesk_shown) {
    layout.client = {map.width + kSideMargins, map.height + kAboveAndBelow};
    layout.desktop_frame = {kMinideskOrigin.x, kMinideskOrigin.y, map.width, map.height};
    layout.bg_frame = {kBackgroundOrigin.x, kBackgroundOrigin.y, layout.client.width - 1,
                       layout.client.height - kBackgroundShortfall};
    layout.versions_label_top = map.height - kVersionLabelLift;
    layout.refresh_timer_on = true;
    layout.topmost = false;
  } else {
    layout.client = kCollapsedSize;
    layout.refresh_timer_on = false;
    layout.topmost = true;
  }

  const int32_t w = layout.client.width;
  const int32_t button_top = layout.client.height - kStripHeight;
  layout.button_strip = {0, button_top, w, kStripHeight};
  layout.save_button = {kSaveButtonLeft, button_top, kCommandButtonSize.width, kCommandButtonSize.height};
  layout.arrange_button = {kCommandButtonSize.width + kButtonGap, button_top, kCommandButtonSize.width,
                           kCommandButtonSize.height};
  layout.close_button = {w - kCommandButtonSize.width - kCloseButtonInset, button_top, kCommandButtonSize.width,
                         kCommandButtonSize.height};
  layout.form_status_button = {w - kToggleButtonSize.width - kToggleButtonInset, button_top, kToggleButtonSize.width,
                               kToggleButtonSize.height};
  return layout;
}

ui::Rect versions_label_bounds(const MainLayout& layout) {
  return {kVersionLabelLeft, layout.versions_label_top, layout.desktop_frame.width - 2 * kVersionLabelLeft,
          kVersionLabelHeight};
}

}  // namespace orvx::mainwin
