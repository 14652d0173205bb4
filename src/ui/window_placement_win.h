#pragma once
// A window's SavedPosition (config/saved_position.h) on Windows: the window's
// position read from config.qcf when the window is created, and written
// back when the program ends through its Exit command.
#include <windows.h>

#include <memory>
#include <string>

#include "config/saved_position.h"
#include "platform/prompts.h"

namespace orvx::ui {

// The right and bottom edge of the primary monitor's work area.
config::WorkArea primary_work_area();

class WindowPlacement {
 public:
  // Moves `window` to its remembered position (section `window_name` of
  // config.qcf in `data_folder`), by the rules of SavedPosition against the
  // primary work area.
  WindowPlacement(HWND window, std::string window_name, const std::string& data_folder, Prompts& prompts);
  WindowPlacement(const WindowPlacement&) = delete;
  WindowPlacement& operator=(const WindowPlacement&) = delete;
  ~WindowPlacement();

  // Records where the window is now and writes it. Only the first call
  // writes; call it while the window still exists.
  void save();

 private:
  class Owner;
  std::unique_ptr<Owner> owner_;
  std::unique_ptr<config::SavedPosition> placement_;
};

}  // namespace orvx::ui
