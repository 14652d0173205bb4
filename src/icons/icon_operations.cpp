#include "icons/icon_operations.h"

namespace orvx::icons {

namespace {

// A caption the view can be asked for. Longer captions, or ones with a NUL
// (which would be searched for as their first part), would find a different
// icon or none, so they are skipped.
bool searchable(const std::string& caption) {
  return caption.size() <= kMaxFindCaption && caption.find('\0') == std::string::npos;
}

void move_by_caption(IconView& view, const std::string& caption, IconPoint to) {
  if (!searchable(caption)) return;
  const int index = view.find_item(caption);
  if (index >= 0) view.set_item_position(index, pack_icon_position(to));
}

}  // namespace

std::optional<DesktopIcons> read_desktop_icons(DesktopAccess& desktop) {
  IconCycle cycle = desktop.open_cycle();
  if (!cycle) return std::nullopt;
  // The count comes from another process: a foreign window can claim any.
  const int count = cycle.view().item_count();
  if (count < 0 || count > kMostDesktopItems) return std::nullopt;
  DesktopIcons icons(static_cast<size_t>(count));
  cycle.view().read_items(0, icons);
  if (cycle.view().stopped_answering()) return std::nullopt;
  return icons;
}

void restore_desktop_icons(DesktopAccess& desktop, const DesktopIcons& icons) {
  IconCycle cycle = desktop.open_cycle();
  if (!cycle) return;
  for (const DesktopIcon& icon : icons) {
    if (cycle.view().stopped_answering()) return;
    move_by_caption(cycle.view(), icon.caption, {icon.x, icon.y});
  }
}

void move_desktop_icon(DesktopAccess& desktop, const std::string& caption, IconPoint to) {
  IconCycle cycle = desktop.open_cycle();
  if (!cycle) return;
  move_by_caption(cycle.view(), caption, to);
}

}  // namespace orvx::icons
