#include "icons/memory_desktop.h"

#include <cmath>

#include "platform/ansi_text.h"

namespace orvx::icons {

class MemoryDesktop::View final : public IconView {
 public:
  explicit View(MemoryDesktop& desktop) : desktop_(desktop) {}

  int item_count() override {
    message();
    return static_cast<int>(items().size());
  }

  std::string item_caption(int index) override {
    message();
    if (!valid(index)) return {};
    return items()[index].caption.substr(0, kMaxReadCaption);
  }

  IconPoint item_position(int index) override {
    message();
    return valid(index) ? items()[index].position : IconPoint{};
  }

  int find_item(std::string_view caption) override {
    message();
    for (size_t i = 0; i < items().size(); ++i)
      if (text::equal_ignoring_case(items()[i].caption, caption)) return static_cast<int>(i);
    return -1;
  }

  void set_item_position(int index, uint32_t packed_position) override {
    message();
    if (valid(index)) items()[index].position = unpack_icon_position(packed_position);
  }

 private:
  std::vector<Item>& items() { return desktop_.items_; }
  bool valid(int index) { return index >= 0 && static_cast<size_t>(index) < items().size(); }
  void message() {
    if (desktop_.message_hook_) desktop_.message_hook_();
  }

  MemoryDesktop& desktop_;
};

std::unique_ptr<IconView> MemoryDesktop::open_view() {
  if (!reachable_) return nullptr;
  return std::make_unique<View>(*this);
}

ArrangementModes MemoryDesktop::arrangement_modes() { return reachable_ ? modes_ : ArrangementModes{}; }

namespace {
int32_t nearest_multiple(int32_t value, int32_t cell) {
  if (cell <= 0) return value;
  return static_cast<int32_t>(std::lround(static_cast<double>(value) / cell)) * cell;
}
}  // namespace

void MemoryDesktop::snap_to_grid() {
  if (!reachable_) return;
  ++snap_count_;
  for (Item& item : items_) {
    item.position.x = nearest_multiple(item.position.x, grid_cell_.x);
    item.position.y = nearest_multiple(item.position.y, grid_cell_.y);
  }
}

}  // namespace orvx::icons
