#include "minidesk/restore_preview.h"

#include <unordered_set>

#include "minidesk/minidesk.h"
#include "platform/ansi_text.h"

namespace orvx::minidesk {
namespace {

std::string folded(const std::string& caption) {
  std::string result = caption;
  for (char& c : result) c = text::fold_case(c);
  return result;
}

}  // namespace

MapPoint edge_towards_centre(MapPoint from, const MapRect& target) {
  if (target.contains(from)) return from;
  const MapPoint to = marker_centre(target);
  // The first step along the line from `from` to the centre that lands in
  // the target, by halving: a marker is 10 pixels wide, the line at most a
  // map's width long, so some twenty steps settle it.
  int64_t outside = 0, inside = 1 << 16;
  const int64_t dx = int64_t{to.x} - from.x, dy = int64_t{to.y} - from.y;
  auto at = [&](int64_t t) {
    return MapPoint{static_cast<int32_t>(from.x + dx * t / (1 << 16)),
                    static_cast<int32_t>(from.y + dy * t / (1 << 16))};
  };
  while (inside - outside > 1) {
    const int64_t middle = (outside + inside) / 2;
    (target.contains(at(middle)) ? inside : outside) = middle;
  }
  return at(inside);
}

RestorePreview::RestorePreview(const DesktopIcons& profile) {
  stored_.reserve(profile.size());
  for (const DesktopIcon& icon : profile) stored_[folded(icon.caption)] = {icon.x, icon.y};
}

std::vector<PreviewMark> RestorePreview::marks(const std::vector<MinideskMarker>& markers) const {
  std::vector<PreviewMark> result;
  if (stored_.empty()) return result;
  std::unordered_set<std::string> seen;
  for (size_t i = 0; i < markers.size(); ++i) {
    std::string key = folded(markers[i].caption);
    const auto found = stored_.find(key);
    if (found == stored_.end() || !seen.insert(std::move(key)).second) continue;
    PreviewMark mark;
    mark.marker = i;
    mark.target = marker_bounds(found->second.x, found->second.y);
    mark.moves = mark.target != markers[i].bounds;
    if (mark.moves) {
      mark.line_from = marker_centre(markers[i].bounds);
      mark.line_to = edge_towards_centre(mark.line_from, mark.target);
    }
    result.push_back(mark);
  }
  return result;
}

}  // namespace orvx::minidesk
