#pragma once
// Where a profile would put the icons, drawn over the Minidesk before the
// user restores it: a hollow marker at the stored place of each icon of the
// profile that the desktop has, and a line from the icon's marker to it
// when the icon would move.
//
// An icon is the one a restore would move: the first marker of its caption,
// letters compared without regard to case, and the profile's last entry of
// a caption is where it would end up. The profile is read once; the marks
// follow the map as it is rebuilt.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "icons/desktop_icon.h"
#include "icons/icon_position.h"
#include "minidesk/minidesk_map.h"

namespace orvx::minidesk {

struct MinideskMarker;

// The hollow markers and their lines are drawn in this colour.
inline constexpr uint32_t kPreviewRgb = 0xFFFFFF;  // white

struct PreviewMark {
  size_t marker = 0;   // index into the Minidesk's markers
  MapRect target;      // the marker the icon would have after the restore
  bool moves = false;  // target differs from where the marker is now
  // The line, when the icon moves: from the centre of its marker now to
  // where it meets the target's edge, so that the hollow marker stays
  // hollow. No line (line_from == line_to) when the marker now lies in the
  // target.
  MapPoint line_from;
  MapPoint line_to;

  friend bool operator==(const PreviewMark&, const PreviewMark&) = default;
};

// The centre pixel of a marker.
constexpr MapPoint marker_centre(const MapRect& r) { return {r.left + r.width / 2, r.top + r.height / 2}; }

// Where the line from `from` (outside `target`) towards the target's centre
// first reaches one of its pixels; `from` itself when it lies inside.
MapPoint edge_towards_centre(MapPoint from, const MapRect& target);

class RestorePreview {
 public:
  explicit RestorePreview(const DesktopIcons& profile);

  // The marks over these markers, in marker order.
  std::vector<PreviewMark> marks(const std::vector<MinideskMarker>& markers) const;

 private:
  std::unordered_map<std::string, icons::IconPoint> stored_;  // by folded caption
};

}  // namespace orvx::minidesk
