#pragma once
// SavedPosition keeps a window's last position in config.qcf: a section named
// after the window with the keys Left and Top.
//
// A window drives it like this:
//  1. while it is created: construct a SavedPosition with itself as owner, set
//     data_folder to the data folder and call RestorePlacement with the work area;
//  2. when it is destroyed: call RememberPosition, then let the SavedPosition go
//     (its destructor runs SavePlacement).
// A window has at most one placement. A second one takes over: the earlier
// one is detached (it then saves nothing) and an error box says so.
#include <cstdint>
#include <string>

#include "config/placement_rule.h"
#include "platform/prompts.h"

namespace orvx::config {

struct WindowBounds {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

class SavedPosition;

// The window whose position is kept.
class PlacementOwner {
 public:
  PlacementOwner() = default;
  PlacementOwner(const PlacementOwner&) = delete;
  PlacementOwner& operator=(const PlacementOwner&) = delete;
  // An attached placement outliving its window still saves what it recorded.
  virtual ~PlacementOwner();

  // The window's component name, e.g. "orvx_form": the section it is kept in.
  virtual std::string window_name() const = 0;
  // Screen position and size at this moment.
  virtual WindowBounds bounds() const = 0;
  virtual void move_to(int32_t left, int32_t top) = 0;

 private:
  friend class SavedPosition;
  SavedPosition* placement_ = nullptr;  // the attached placement, if any
};

inline constexpr char kPlacementConflictMessage[] = "Error - read pleacement infos!";

class SavedPosition {
 public:
  SavedPosition(PlacementOwner& owner, Prompts& prompts);
  SavedPosition(const SavedPosition&) = delete;
  SavedPosition& operator=(const SavedPosition&) = delete;
  // Saves the recorded position, unless detached.
  ~SavedPosition();

  // The folder that holds config.qcf (the data folder).
  std::string data_folder;

  // Reads Left and Top of the owner's section and moves the owner by the
  // rule of restored_coordinate against `work_area`; records the owner's
  // name for the later save. A missing file, section or key, or a value that
  // is no number, reads as -1 and centres the window.
  void restore_placement(const WorkArea& work_area);

  // Records the owner's current left and top; the window's destroy event.
  void remember_position();

  // Writes the recorded position to the recorded window's section. Writes
  // nothing while detached, before RestorePlacement has recorded a window, or
  // before RememberPosition has recorded a position: an unrecorded position
  // would move the window to 0, 0 at the next start. Failures are silent.
  void save_placement() const;

  bool detached() const { return detached_; }

 private:
  friend class PlacementOwner;
  std::string config_path() const;

  PlacementOwner* owner_;  // null once detached or once the owner is gone
  bool detached_ = false;
  std::string window_name_;  // recorded by RestorePlacement
  bool position_recorded_ = false;
  int32_t left_ = 0;
  int32_t top_ = 0;
};

}  // namespace orvx::config
