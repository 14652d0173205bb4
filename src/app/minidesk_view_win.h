#pragma once
// The Minidesk's surface (`desktop_frame`): one child window that draws the
// map of a Minidesk and feeds it the mouse. Markers are no windows of their
// own; the view draws them all and asks the Minidesk what lies under the
// mouse for the hint, the hand cursor, the drag and the clicks.
//
// The view keeps the Minidesk's map size equal to its client size. After a
// build, call show_changes(): the view repaints only when the map changed.
// Other windows may sit on the view as its children (the version line, the
// alert panel); the map is drawn around them.
#include <windows.h>

#include <string>

#include "app/minidesk.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::app {

inline constexpr ui::Rgb kMinideskColour = ui::rgb(0x8EB0D2);

struct MinideskViewArgs {
  std::string name = "desktop_frame";
  HWND parent = nullptr;
  ui::Rect bounds;
  bool visible = true;
};

class MinideskView final : public ui::Widget {
 public:
  // `minidesk` must outlive the view.
  MinideskView(const MinideskViewArgs& args, Minidesk& minidesk);

  // Repaints when the Minidesk changed since the last paint.
  void show_changes();
  // The mouse stays with the view while a marker is dragged (the Minidesk
  // asks for it through its host).
  void set_mouse_capture(bool captured);

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  std::string hint_at(ui::Point p) const override;
  HCURSOR cursor_at(ui::Point p) const override;
  void paint();

  Minidesk& minidesk_;
  uint64_t painted_revision_ = 0;
};

// Draws the map as the Minidesk holds it into `dc`, whose area is `client`:
// the background, the markers in order (each with a black outline, filled
// black inside and red outside) and the alert image in front.
void draw_minidesk(HDC dc, const RECT& client, const Minidesk& minidesk);

}  // namespace orvx::app
