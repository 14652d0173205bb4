#pragma once
// A desktop held in memory: a list of items with captions and positions,
// the two arrangement modes and a grid for the snap. It gives the icon
// operations the same results as the shell's desktop view (see
// icon_view.h), so every layer above runs natively against it.
//
// The snap moves every item to the nearest multiple of the grid cell. The
// arrangement modes are flags only: items stay where they are put.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "icons/desktop_access.h"
#include "icons/icon_position.h"

namespace orvx::icons {

class MemoryDesktop final : public DesktopAccess {
 public:
  struct Item {
    std::string caption;
    IconPoint position;

    friend bool operator==(const Item&, const Item&) = default;
  };

  MemoryDesktop() = default;
  explicit MemoryDesktop(std::vector<Item> items) : items_(std::move(items)) {}

  const std::vector<Item>& items() const { return items_; }
  void set_items(std::vector<Item> items) { items_ = std::move(items); }

  // An unreachable desktop is one without a view: every cycle comes out
  // empty, the modes read as off and the snap does nothing.
  void set_reachable(bool reachable) { reachable_ = reachable; }
  void set_arrangement_modes(ArrangementModes modes) { modes_ = modes; }
  void set_grid_cell(IconPoint cell) { grid_cell_ = cell; }
  int snap_count() const { return snap_count_; }

  // Runs at the start of every view operation, as a handler of a message
  // delivered while the shell processes a sent message would. Lets tests
  // start a second operation in the middle of a cycle.
  void set_message_hook(std::function<void()> hook) { message_hook_ = std::move(hook); }

  ArrangementModes arrangement_modes() override;
  void snap_to_grid() override;

 protected:
  std::unique_ptr<IconView> open_view() override;

 private:
  class View;

  std::vector<Item> items_;
  bool reachable_ = true;
  ArrangementModes modes_;
  IconPoint grid_cell_{75, 75};
  int snap_count_ = 0;
  std::function<void()> message_hook_;
};

}  // namespace orvx::icons
