#pragma once
// The Minidesk: the one-third-scale map of the desktop on the main window,
// as state that one map window draws and feeds with the mouse.
//
// Every desktop icon with a caption is a 10 x 10 marker, black inside the
// map, red outside where the user cannot reach the icon. Markers are plain
// rectangles in drawing order (a later marker lies on top of an earlier
// one), hit-tested here: the window needs no child window per marker. The
// alert image lies in front of all markers.
//
// The map is rebuilt from each fresh read of the desktop (twice a second
// while live refresh is on). A build that finds everything as it was changes
// nothing and tells the window so; the window repaints only when revision()
// has moved. A build over an empty read keeps the previous markers.
//
// The user brings an icon back by dragging its marker (the refresh timer is
// off from press to release, and the release moves the icon), or by choosing
// it in the error list and clicking the map where it shall go.
//
// Everything the Minidesk does beyond its own state goes through a
// MinideskHost: moving an icon, the main window's timers, the mouse capture.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "minidesk/error_icon_list.h"
#include "minidesk/minidesk_map.h"
#include "minidesk/restore_preview.h"
#include "ui/mouse_event.h"
#include "icons/desktop_icon.h"
#include "icons/icon_position.h"

namespace orvx::minidesk {

inline constexpr char kMarkerNamePrefix[] = "DeskIco";
inline constexpr uint32_t kMarkerInsideRgb = 0x000000;   // black
inline constexpr uint32_t kMarkerOutsideRgb = 0xFF0000;  // red
inline constexpr uint32_t kMarkerOutlineRgb = 0x000000;

struct MinideskMarker {
  size_t icon_index = 0;  // in the icon list of the build
  std::string caption;    // the marker's hint, and the icon it moves
  MapRect bounds;
  bool outside = false;

  friend bool operator==(const MinideskMarker&, const MinideskMarker&) = default;
};

// "DeskIco" followed by the icon's index in decimal.
std::string marker_name(const MinideskMarker& marker);
constexpr uint32_t marker_fill_rgb(const MinideskMarker& marker) {
  return marker.outside ? kMarkerOutsideRgb : kMarkerInsideRgb;
}

// `img_icons_img`: visible while icons lie outside, near the map's lower
// right corner; a click opens the explanation and the error list.
inline constexpr int32_t kAlertImageSize = 32;
inline constexpr int32_t kAlertImageInset = 25;  // from the map's right and bottom edge
struct AlertImage {
  bool visible = false;
  MapRect bounds{0, 0, kAlertImageSize, kAlertImageSize};
  std::string hint;  // the count message

  friend bool operator==(const AlertImage&, const AlertImage&) = default;
};

// `alert_frame`: the explanation, sliding up into the map's lower right
// corner from just below it.
inline constexpr int32_t kAlertPanelWidth = 319;
inline constexpr int32_t kAlertPanelHeight = 72;
inline constexpr int32_t kAlertPanelStep = 6;  // pixels per tick of kAlertSlideIn
struct AlertPanel {
  bool visible = false;
  MapRect bounds{0, 0, kAlertPanelWidth, kAlertPanelHeight};

  friend bool operator==(const AlertPanel&, const AlertPanel&) = default;
};

class MinideskHost {
 public:
  virtual ~MinideskHost() = default;
  // Moves the first desktop icon with this caption; nothing happens when
  // there is none.
  virtual void move_desktop_icon(const std::string& caption, icons::IconPoint to) = 0;
  // The main window's timers.
  virtual void set_refresh_timer(bool on) = 0;
  virtual void set_alert_slide_in_timer(bool on) = 0;
  virtual void set_alert_hide_timer(bool on) = 0;
  // The map window keeps the mouse while a marker is dragged.
  virtual void set_mouse_capture(bool captured) = 0;
};

struct MinideskHit {
  enum class Kind { kNothing, kMap, kMarker, kAlertImage };
  Kind kind = Kind::kNothing;
  size_t marker = 0;  // index into markers() for Kind::Marker

  friend bool operator==(const MinideskHit&, const MinideskHit&) = default;
};

class Minidesk {
 public:
  // The host must outlive the Minidesk.
  explicit Minidesk(MinideskHost& host) : host_(host) {}

  // The map's size, as the main window's layout sets it.
  void set_map_size(MapSize size) { map_size_ = size; }
  MapSize map_size() const { return map_size_; }

  // The text of MSDLG_16 ("%s Icon(s) ausserhalb des Desktops") in the
  // current language. Asked only by builds that find icons outside.
  using CountMessage = std::function<std::string()>;

  // Rebuilds the map from `icons` (a map read): markers, count, alert
  // image and, while the error list is hidden, its entries. While a marker
  // is dragged the map is left as it is. True when anything the map window
  // shows has changed.
  bool build_minidesk(const DesktopIcons& icons, const CountMessage& count_message);

  const std::vector<MinideskMarker>& markers() const { return markers_; }
  int32_t outside_count() const { return outside_count_; }
  // The captions of the icons outside, from the last build that found any.
  const std::vector<std::string>& minidesk_outside() const { return outside_; }
  const AlertImage& alert_image() const { return alert_image_; }
  const AlertPanel& alert_panel() const { return alert_panel_; }
  const ErrorIconList& error_list() const { return error_list_; }
  bool dragging() const { return drag_.has_value(); }

  // What lies at a map point: the alert image, else the topmost marker,
  // else the bare map; Nothing outside the map.
  MinideskHit hit_test(MapPoint p) const;
  // The hint shown at a map point: the alert image's or a marker's caption;
  // nullptr where there is none.
  const std::string* hint_at(MapPoint p) const;

  // The mouse on the map, in map coordinates. A press on a marker (any
  // button) starts a drag, and its release moves the icon; a left click on
  // the alert image opens the explanation and the error list; a left click
  // elsewhere on the map places the chosen entry of the error list there.
  void mouse_down(MapPoint p, MouseButton button);
  void mouse_move(MapPoint p);
  void mouse_up(MapPoint p, MouseButton button);
  // The map window lost the mouse before the release (another window took
  // it): the drag ends without moving the icon, the refresh comes back, and
  // the next build puts the marker back where its icon is.
  void mouse_capture_lost();

  // The error list window: the user's choice, and its close button.
  void on_error_list_selected(std::optional<size_t> index);
  void on_cancel_clicked();

  // The explanation panel: the ticks of the two timers and its close image.
  void on_alert_slide_in_timer();
  void on_alert_hide_timer();
  void on_alert_image_clicked();

  // The preview of a profile while the restore menu is open: where it would
  // put the icons (restore_preview.h). It follows the rebuilds until it is
  // hidden.
  void show_restore_preview(const DesktopIcons& profile);
  void hide_restore_preview();
  const std::vector<PreviewMark>& preview_marks() const { return preview_marks_; }

  // Grows with every change the map window or the error list has to show.
  uint64_t revision() const { return revision_; }

 private:
  struct Drag {
    size_t marker = 0;
    MapPoint origin;  // where in the marker the press was
  };

  bool store_marker(size_t slot, size_t icon_index, const DesktopIcon& icon, bool outside);
  bool update_alert_image(int32_t outside, const CountMessage& count_message);

  void marker_mouse_down(size_t marker, MapPoint origin);
  void marker_mouse_move(MapPoint p);
  void marker_mouse_up();
  void on_alert_sign_clicked();
  void on_minidesk_clicked(MapPoint p);
  bool map_contains(MapPoint p) const;
  void changed() { ++revision_; }

  MinideskHost& host_;
  MapSize map_size_;
  std::vector<MinideskMarker> markers_;
  int32_t outside_count_ = 0;
  std::vector<std::string> outside_;
  std::vector<std::string> outside_scratch_;
  AlertImage alert_image_;
  std::string hint_text_;  // the message and count the alert hint was made from
  int32_t hint_count_ = 0;
  AlertPanel alert_panel_;
  ErrorIconList error_list_;
  std::optional<Drag> drag_;
  MinideskHit::Kind pressed_ = MinideskHit::Kind::kNothing;  // where the left button went down
  std::optional<RestorePreview> preview_;
  std::vector<PreviewMark> preview_marks_;
  uint64_t revision_ = 0;
};

}  // namespace orvx::minidesk
