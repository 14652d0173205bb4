#include "minidesk/minidesk_view_win.h"

#include <vector>

#include "ui/paint_win.h"

namespace orvx::minidesk {

namespace {

constexpr ui::Rgb kAlertRed = ui::rgb(0xD42020);
constexpr ui::Rgb kAlertEdge = ui::rgb(0x800000);

ui::Rgb from_rgb(uint32_t rgb) { return ui::rgb(rgb); }

RECT to_rect(const MapRect& r) { return RECT{r.left, r.top, r.left + r.width, r.top + r.height}; }

MapPoint map_point(LPARAM lp) { return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }

bool intersects(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The alert image: a red square with a dark red edge and a white
// exclamation mark. It lies over the map's lower right corner, so only its
// upper left kAlertImageInset pixels are ever seen: the picture is drawn to
// that part, and the rest of the image is plain red.
void draw_alert_image(HDC dc, const MapRect& bounds) {
  const RECT r = to_rect(bounds);
  ui::fill_rect(dc, r, kAlertRed);
  const RECT seen{r.left, r.top, r.left + kAlertImageInset, r.top + kAlertImageInset};
  ui::frame_rect(dc, seen, kAlertEdge);
  const int centre = seen.left + kAlertImageInset / 2;
  ui::fill_rect(dc, RECT{centre - 2, seen.top + 4, centre + 3, seen.top + 16}, ui::style::kWhite);
  ui::fill_rect(dc, RECT{centre - 2, seen.top + 18, centre + 3, seen.top + 22}, ui::style::kWhite);
}

// The preview of a restore over the markers: the lines first, then the
// hollow markers on top of them, all in one pen and one call (a thousand
// icons are a thousand lines and frames).
void draw_restore_preview(HDC dc, const RECT& client, const Minidesk& minidesk) {
  const std::vector<PreviewMark>& marks = minidesk.preview_marks();
  if (marks.empty()) return;
  std::vector<POINT> points;
  std::vector<DWORD> counts;
  points.reserve(marks.size() * 7);
  counts.reserve(marks.size() * 2);
  for (const PreviewMark& mark : marks) {
    if (!mark.moves || mark.line_from == mark.line_to) continue;
    points.push_back({mark.line_from.x, mark.line_from.y});
    points.push_back({mark.line_to.x, mark.line_to.y});  // a line leaves out its last pixel: the frame's
    counts.push_back(2);
  }
  for (const PreviewMark& mark : marks) {
    const RECT r = to_rect(mark.target);
    if (!intersects(r, client)) continue;
    // The one-pixel frame just inside the rectangle, closed on its first corner.
    const LONG right = r.right - 1, bottom = r.bottom - 1;
    for (POINT p : {POINT{r.left, r.top}, POINT{right, r.top}, POINT{right, bottom}, POINT{r.left, bottom},
                    POINT{r.left, r.top}}) {
      points.push_back(p);
    }
    counts.push_back(5);
  }
  if (counts.empty()) return;
  const win::ScopedGdi<HPEN> pen(CreatePen(PS_SOLID, 1, ui::colorref(from_rgb(kPreviewRgb))));
  if (!pen) return;
  const win::ScopedSelect selected(dc, pen.get());
  PolyPolyline(dc, points.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

}  // namespace

void draw_minidesk(HDC dc, const RECT& client, const Minidesk& minidesk) {
  ui::fill_rect(dc, client, kMinideskColour);
  const ui::Rgb outline = from_rgb(kMarkerOutlineRgb);
  for (const MinideskMarker& marker : minidesk.markers()) {
    const RECT r = to_rect(marker.bounds);
    if (!intersects(r, client)) continue;
    ui::fill_rect(dc, r, from_rgb(marker_fill_rgb(marker)));
    if (marker.outside) ui::frame_rect(dc, r, outline);  // black markers are all outline
  }
  draw_restore_preview(dc, client, minidesk);
  if (minidesk.alert_image().visible) draw_alert_image(dc, minidesk.alert_image().bounds);
}

MinideskView::MinideskView(const MinideskViewArgs& args, Minidesk& minidesk)
    : Widget(args.name, {}, Texts::kHintOnly), minidesk_(minidesk), on_changed_(args.on_changed) {
  ui::WindowArgs w;
  w.class_name = kMinideskViewClass;
  w.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (args.visible ? WS_VISIBLE : 0);
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
  minidesk_.set_map_size({args.bounds.width, args.bounds.height});
  alert_panel_ = std::make_unique<AlertPanelView>(hwnd(), [this] {
    minidesk_.on_alert_image_clicked();
    show_changes();
  });
}

void MinideskView::show_changes() {
  if (minidesk_.revision() == shown_revision_) return;
  shown_revision_ = minidesk_.revision();
  invalidate();
  alert_panel_->sync(minidesk_.alert_panel());
  if (on_changed_) on_changed_();
}

void MinideskView::set_mouse_capture(bool captured) {
  if (captured) {
    SetCapture(hwnd());
  } else if (GetCapture() == hwnd()) {
    ReleaseCapture();
  }
}

std::string MinideskView::hint_at(ui::Point p) const {
  if (minidesk_.dragging()) return {};  // the marker is in the user's hand
  const std::string* hint = minidesk_.hint_at({p.x, p.y});
  return hint ? *hint : std::string();
}

HCURSOR MinideskView::cursor_at(ui::Point p) const {
  const MinideskHit::Kind kind = minidesk_.hit_test({p.x, p.y}).kind;
  const bool pointing = kind == MinideskHit::Kind::kMarker || kind == MinideskHit::Kind::kAlertImage;
  return pointing || minidesk_.dragging() ? ui::hand_cursor() : nullptr;
}

void MinideskView::paint() {
  ui::PaintBuffer paint(hwnd());
  draw_minidesk(paint.dc(), paint.client(), minidesk_);
}

LRESULT MinideskView::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_SIZE:
      minidesk_.set_map_size({LOWORD(lp), HIWORD(lp)});
      invalidate();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      minidesk_.mouse_down(map_point(lp), msg == WM_LBUTTONDOWN   ? MouseButton::kLeft
                                          : msg == WM_RBUTTONDOWN ? MouseButton::kRight
                                                                  : MouseButton::kMiddle);
      show_changes();
      return 0;
    case WM_MOUSEMOVE:
      minidesk_.mouse_move(map_point(lp));
      show_changes();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      minidesk_.mouse_up(map_point(lp), msg == WM_LBUTTONUP   ? MouseButton::kLeft
                                        : msg == WM_RBUTTONUP ? MouseButton::kRight
                                                              : MouseButton::kMiddle);
      show_changes();
      // The right button's release goes on to the default handling, which
      // asks the parents for the context menu.
      return msg == WM_RBUTTONUP ? default_handling(msg, wp, lp) : 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd()) {
        minidesk_.mouse_capture_lost();
        show_changes();
      }
      return 0;
    default:
      return default_handling(msg, wp, lp);
  }
}

}  // namespace orvx::minidesk
