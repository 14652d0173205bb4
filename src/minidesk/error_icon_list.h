#pragma once
// The error list window's content (`error_icon_list`): the captions of the
// icons outside the desktop, one of which the user may choose and then place
// by a click on the map. The window itself shows this state.
//
// A build of the map refills the list only while the window is hidden, so
// that the entries do not change under the user's eyes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/screen_point.h"

namespace orvx::minidesk {

// The window's client size; it is borderless, so also its size.
inline constexpr int32_t kErrorListWidth = 217;
inline constexpr int32_t kErrorListHeight = 333;
// Docked, the list hangs this far below the main window's top.
inline constexpr int32_t kErrorListDockDrop = 20;

// Where the docked list goes: its right edge at the main window's left edge.
constexpr ScreenPoint docked_error_list_position(int32_t main_left, int32_t main_top,
                                                 int32_t list_width = kErrorListWidth) {
  return {main_left - list_width, main_top + kErrorListDockDrop};
}

class ErrorIconList {
 public:
  bool visible() const { return visible_; }
  const std::vector<std::string>& entries() const { return entries_; }
  std::optional<size_t> selected() const { return selected_; }

  // Replaces the entries (and drops the choice) unless the window is
  // visible. True when anything changed.
  bool refill(const std::vector<std::string>& captions);

  // True when the visibility changed.
  bool show();
  bool close();

  // Chooses an entry; an index beyond the entries chooses none.
  void select(std::optional<size_t> index);

  // Removes the chosen entry and gives its caption; the window closes when
  // the list is empty then. nullopt (and no change) when none is chosen.
  std::optional<std::string> take_selected();

 private:
  bool visible_ = false;
  std::vector<std::string> entries_;
  std::optional<size_t> selected_;
};

}  // namespace orvx::minidesk
