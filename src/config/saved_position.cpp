#include "config/saved_position.h"

#include "ini/bounded_ini.h"
#include "config/config_file.h"
#include "ini/ini_file.h"

namespace orvx::config {
namespace {

constexpr char kLeftKey[] = "Left";
constexpr char kTopKey[] = "Top";
constexpr int32_t kNoPosition = -1;

int32_t stored_coordinate(const ini::IniText& file, const std::string& section, const char* key) {
  auto value = file.value(section, key);
  return value ? ini::parse_integer(*value, kNoPosition) : kNoPosition;
}

}  // namespace

PlacementOwner::~PlacementOwner() {
  if (placement_) placement_->owner_ = nullptr;
}

SavedPosition::SavedPosition(PlacementOwner& owner, Prompts& prompts) : owner_(&owner) {
  if (SavedPosition* earlier = owner.placement_) {
    earlier->owner_ = nullptr;
    earlier->detached_ = true;
    prompts.show_error(kPlacementConflictMessage);
  }
  owner.placement_ = this;
}

SavedPosition::~SavedPosition() {
  save_placement();
  if (owner_ && owner_->placement_ == this) owner_->placement_ = nullptr;
}

std::string SavedPosition::config_path() const { return config_file_path(data_folder); }

void SavedPosition::restore_placement(const WorkArea& work_area) {
  if (!owner_) return;
  const std::string name = owner_->window_name();
  const WindowBounds now = owner_->bounds();
  const std::string path = config_path();
  const ini::IniText file = path.empty() ? ini::IniText() : ini::load_small_ini(path);
  const int32_t left =
      restored_coordinate(stored_coordinate(file, name, kLeftKey), work_area.right, now.width, now.left);
  const int32_t top =
      restored_coordinate(stored_coordinate(file, name, kTopKey), work_area.bottom, now.height, now.top);
  owner_->move_to(left, top);
  window_name_ = name;
}

void SavedPosition::remember_position() {
  if (!owner_) return;
  const WindowBounds now = owner_->bounds();
  left_ = now.left;
  top_ = now.top;
  position_recorded_ = true;
}

void SavedPosition::save_placement() const {
  if (detached_ || window_name_.empty() || !position_recorded_) return;
  const std::string path = config_path();
  if (path.empty()) return;
  ini::write_integer(path, window_name_, kLeftKey, left_);
  ini::write_integer(path, window_name_, kTopKey, top_);
}

}  // namespace orvx::config
