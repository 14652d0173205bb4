#pragma once
// The desktop icon view as the icon operations use it during one access
// cycle (see desktop_access.h for how a cycle is opened).
//
// On Windows this is the shell's desktop list view in another process,
// reached with list view messages through a buffer in that process
// (shell_list_view_win.h); natively it is an in-memory list of items
// (memory_desktop.h). Both give the same results:
//
//   item_count         the number of items
//   item_caption       the item's caption, cut to kMaxReadCaption characters
//   item_position      the item's upper-left corner; (0, 0) when it cannot
//                      be read
//   read_items         caption and position of a run of items at once
//   find_item          the index of the FIRST item whose caption equals the
//                      text, letters compared without regard to case; -1
//                      when there is none
//   set_item_position  moves an item to a packed position (icon_position.h)
//
// Indexes run from 0 to item_count() - 1. An index outside that range reads
// as an empty caption at (0, 0) and moves nothing. Once the view has stopped
// answering, every call reads as empty (no items, caption "", (0, 0), -1)
// and moves nothing.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "icons/desktop_icon.h"
#include "icons/icon_position.h"

namespace orvx::icons {

// The longest caption a read delivers: longer captions arrive cut.
inline constexpr size_t kMaxReadCaption = 254;
// The longest caption that can be searched for. Longer ones can only come
// from a hand-edited profile; the operations skip them.
inline constexpr size_t kMaxFindCaption = 260;

class IconView {
 public:
  virtual ~IconView() = default;

  virtual int item_count() = 0;
  virtual std::string item_caption(int index) = 0;
  virtual IconPoint item_position(int index) = 0;

  // Fills out[k] with the caption and position of item first + k, exactly
  // as item_caption and item_position would. The shell's view overrides it
  // to read many items with few copies between the processes.
  virtual void read_items(int first, std::span<DesktopIcon> out);

  // `caption` has at most kMaxFindCaption characters and no NUL.
  virtual int find_item(std::string_view caption) = 0;
  virtual void set_item_position(int index, uint32_t packed_position) = 0;

  // True once the view has failed to answer within the cycle (it hangs).
  // Whatever was read in this cycle is then incomplete: the operations give
  // up and treat the desktop as unreachable. A view in memory always
  // answers.
  virtual bool stopped_answering() const { return false; }
};

}  // namespace orvx::icons
