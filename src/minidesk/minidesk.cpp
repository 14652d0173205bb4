#include "minidesk/minidesk.h"

#include <utility>

#include "minidesk/count_message.h"

namespace orvx::minidesk {

std::string marker_name(const MinideskMarker& marker) { return kMarkerNamePrefix + std::to_string(marker.icon_index); }

bool Minidesk::store_marker(size_t slot, size_t icon_index, const DesktopIcon& icon, bool outside) {
  const MapRect bounds = marker_bounds(icon.x, icon.y);
  if (slot == markers_.size()) {
    markers_.push_back({icon_index, icon.caption, bounds, outside});
    return true;
  }
  // Overwritten in place, so that a steady desktop costs no allocation.
  MinideskMarker& marker = markers_[slot];
  if (marker.icon_index == icon_index && marker.bounds == bounds && marker.outside == outside &&
      marker.caption == icon.caption) {
    return false;
  }
  marker.icon_index = icon_index;
  marker.caption = icon.caption;
  marker.bounds = bounds;
  marker.outside = outside;
  return true;
}

bool Minidesk::update_alert_image(int32_t outside, const CountMessage& count_message) {
  AlertImage& image = alert_image_;
  if (outside <= 0) {
    if (!image.visible) return false;
    image.visible = false;
    return true;
  }
  bool changed = !image.visible;
  image.visible = true;
  std::string text = count_message ? count_message() : std::string();
  if (outside != hint_count_ || text != hint_text_) {
    hint_count_ = outside;
    hint_text_ = std::move(text);
    std::string hint = format_count_message(hint_text_, outside);
    changed |= hint != image.hint;
    image.hint = std::move(hint);
  }
  const MapRect bounds{map_size_.width - kAlertImageInset, map_size_.height - kAlertImageInset, kAlertImageSize,
                       kAlertImageSize};
  changed |= bounds != image.bounds;
  image.bounds = bounds;
  return changed;
}

bool Minidesk::build_minidesk(const DesktopIcons& icons, const CountMessage& count_message) {
  if (drag_) return false;  // the dragged marker stays under the mouse
  bool changed = false;
  int32_t outside = 0;
  // An empty read leaves the markers of the previous build on the map.
  if (!icons.empty()) {
    size_t slot = 0;
    for (size_t i = 0; i < icons.size(); ++i) {
      const DesktopIcon& icon = icons[i];
      if (icon.caption.empty()) continue;
      const bool is_outside = !icon_inside_map(icon.x, icon.y, map_size_);
      changed |= store_marker(slot++, i, icon, is_outside);
      if (is_outside) {
        if (static_cast<size_t>(outside) == outside_scratch_.size()) {
          outside_scratch_.push_back(icon.caption);
        } else {
          outside_scratch_[static_cast<size_t>(outside)] = icon.caption;
        }
        ++outside;
      }
    }
    if (markers_.size() != slot) {
      markers_.resize(slot);
      changed = true;
    }
    outside_scratch_.resize(static_cast<size_t>(outside));
    // Kept from the last build that found any.
    if (outside > 0 && outside_scratch_ != outside_) outside_.swap(outside_scratch_);
  }
  outside_count_ = outside;
  changed |= update_alert_image(outside, count_message);
  if (outside <= 0) {
    changed |= error_list_.close();
  } else {
    changed |= error_list_.refill(outside_);
  }
  if (changed && preview_) preview_marks_ = preview_->marks(markers_);
  if (changed) this->changed();
  return changed;
}

void Minidesk::show_restore_preview(const DesktopIcons& profile) {
  preview_.emplace(profile);
  preview_marks_ = preview_->marks(markers_);
  changed();
}

void Minidesk::hide_restore_preview() {
  if (!preview_) return;
  preview_.reset();
  preview_marks_.clear();
  changed();
}

bool Minidesk::map_contains(MapPoint p) const { return MapRect{0, 0, map_size_.width, map_size_.height}.contains(p); }

MinideskHit Minidesk::hit_test(MapPoint p) const {
  if (!map_contains(p)) return {};
  if (alert_image_.visible && alert_image_.bounds.contains(p)) return {MinideskHit::Kind::kAlertImage, 0};
  for (size_t i = markers_.size(); i-- > 0;) {
    if (markers_[i].bounds.contains(p)) return {MinideskHit::Kind::kMarker, i};
  }
  return {MinideskHit::Kind::kMap, 0};
}

const std::string* Minidesk::hint_at(MapPoint p) const {
  const MinideskHit hit = hit_test(p);
  switch (hit.kind) {
    case MinideskHit::Kind::kAlertImage:
      return &alert_image_.hint;
    case MinideskHit::Kind::kMarker:
      return &markers_[hit.marker].caption;
    default:
      return nullptr;
  }
}

void Minidesk::mouse_down(MapPoint p, MouseButton button) {
  if (drag_) return;  // a second button while dragging changes nothing
  const MinideskHit hit = hit_test(p);
  if (hit.kind == MinideskHit::Kind::kMarker) {
    const MapRect& bounds = markers_[hit.marker].bounds;
    marker_mouse_down(hit.marker, {p.x - bounds.left, p.y - bounds.top});
    return;
  }
  if (button == MouseButton::kLeft) pressed_ = hit.kind;
}

void Minidesk::mouse_move(MapPoint p) {
  if (drag_) marker_mouse_move(p);
}

void Minidesk::mouse_up(MapPoint p, MouseButton button) {
  if (drag_) {
    marker_mouse_up();
    return;
  }
  if (button != MouseButton::kLeft) return;
  const MinideskHit::Kind pressed = std::exchange(pressed_, MinideskHit::Kind::kNothing);
  // A click: released over what it was pressed on.
  if (pressed == MinideskHit::Kind::kAlertImage && hit_test(p).kind == MinideskHit::Kind::kAlertImage) {
    on_alert_sign_clicked();
  } else if (pressed == MinideskHit::Kind::kMap && map_contains(p)) {
    on_minidesk_clicked(p);
  }
}

void Minidesk::mouse_capture_lost() {
  pressed_ = MinideskHit::Kind::kNothing;
  if (!drag_) return;
  drag_.reset();
  host_.set_refresh_timer(true);
}

void Minidesk::marker_mouse_down(size_t marker, MapPoint origin) {
  host_.set_refresh_timer(false);
  drag_ = Drag{marker, origin};
  host_.set_mouse_capture(true);
}

void Minidesk::marker_mouse_move(MapPoint p) {
  MapRect& bounds = markers_[drag_->marker].bounds;
  const MapPoint moved{p.x - drag_->origin.x, p.y - drag_->origin.y};
  if (moved.x == bounds.left && moved.y == bounds.top) return;
  bounds.left = moved.x;
  bounds.top = moved.y;
  changed();
}

void Minidesk::marker_mouse_up() {
  const MinideskMarker& marker = markers_[drag_->marker];
  const std::string caption = marker.caption;
  const icons::IconPoint target = map_to_desktop({marker.bounds.left, marker.bounds.top});
  drag_.reset();
  host_.set_mouse_capture(false);
  // The refresh comes back even when the move fails; the next build then
  // shows where the icon really is.
  try {
    host_.move_desktop_icon(caption, target);
  } catch (...) {
    host_.set_refresh_timer(true);
    throw;
  }
  host_.set_refresh_timer(true);
}

void Minidesk::on_minidesk_clicked(MapPoint p) {
  if (!error_list_.visible() || !error_list_.selected()) return;
  const std::string caption = error_list_.entries()[*error_list_.selected()];
  host_.move_desktop_icon(caption, map_to_desktop(p));
  // Removed even when no icon has that caption any more.
  error_list_.take_selected();
  changed();
}

void Minidesk::on_alert_sign_clicked() {
  alert_panel_.visible = true;
  alert_panel_.bounds.left = map_size_.width - kAlertPanelWidth;
  alert_panel_.bounds.top = map_size_.height;  // just below the visible map
  host_.set_alert_slide_in_timer(true);
  error_list_.show();
  changed();
}

void Minidesk::on_alert_slide_in_timer() {
  MapRect& bounds = alert_panel_.bounds;
  const int32_t left = map_size_.width - kAlertPanelWidth;
  bool moved = bounds.left != left;
  bounds.left = left;
  if (bounds.top > map_size_.height - kAlertPanelHeight) {
    bounds.top -= kAlertPanelStep;
    moved = true;
  } else {
    host_.set_alert_slide_in_timer(false);
    host_.set_alert_hide_timer(true);
  }
  if (moved) changed();
}

void Minidesk::on_alert_hide_timer() {
  on_alert_image_clicked();
  host_.set_alert_hide_timer(false);
}

void Minidesk::on_alert_image_clicked() {
  host_.set_alert_slide_in_timer(false);
  if (!alert_panel_.visible) return;
  alert_panel_.visible = false;
  changed();
}

void Minidesk::on_error_list_selected(std::optional<size_t> index) {
  if (index == error_list_.selected()) return;
  error_list_.select(index);
  changed();
}

void Minidesk::on_cancel_clicked() {
  if (error_list_.close()) changed();
}

}  // namespace orvx::minidesk
