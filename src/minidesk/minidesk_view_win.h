#pragma once
// The Minidesk's surface (`desktop_frame`): one child window that draws the
// map of a Minidesk and feeds it the mouse. Markers are no windows of their
// own; the view draws them all and asks the Minidesk what lies under the
// mouse for the hint, the hand cursor, the drag and the clicks.
//
// The view keeps the Minidesk's map size equal to its client size. After a
// build or a tick of the alert timers, call show_changes(): the view
// repaints, moves its alert panel and tells its owner (on_changed) only when
// the Minidesk has changed; it does so itself after the mouse. Other windows
// may sit on the view as its children (the version line); the map is drawn
// around them.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "minidesk/alert_panel_win.h"
#include "minidesk/minidesk.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::minidesk {

// The window class of the map.
inline constexpr char kMinideskViewClass[] = "OrvxMinidesk";

inline constexpr ui::Rgb kMinideskColour = ui::rgb(0x8EB0D2);

struct MinideskViewArgs {
  std::string name = "desktop_frame";
  HWND parent = nullptr;
  ui::Rect bounds;
  bool visible = true;
  // Runs after every change of the Minidesk the view has shown, e.g. to
  // bring the error list window up to date.
  std::function<void()> on_changed;
};

class MinideskView final : public ui::Widget {
 public:
  // `minidesk` must outlive the view.
  MinideskView(const MinideskViewArgs& args, Minidesk& minidesk);

  // Shows what changed since the last call.
  void show_changes();
  AlertPanelView& alert_panel() { return *alert_panel_; }
  // The mouse stays with the view while a marker is dragged (the Minidesk
  // asks for it through its host).
  void set_mouse_capture(bool captured);

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  std::string hint_at(ui::Point p) const override;
  HCURSOR cursor_at(ui::Point p) const override;
  void paint();

  Minidesk& minidesk_;
  std::function<void()> on_changed_;
  std::unique_ptr<AlertPanelView> alert_panel_;
  uint64_t shown_revision_ = 0;
};

// Draws the map as the Minidesk holds it into `dc`, whose area is `client`:
// the background, the markers in order (each with a black outline, filled
// black inside and red outside), the preview of a restore if one is shown
// (lines, then hollow markers) and the alert image in front.
void draw_minidesk(HDC dc, const RECT& client, const Minidesk& minidesk);

}  // namespace orvx::minidesk
