#pragma once
// A progress bar from 0 to 100. Only its "Hint" is a named property.
#include <windows.h>

#include <string>

#include "ui/hosted_control_win.h"

namespace orvx::ui {

inline constexpr char kProgressBarClass[] = "OrvxProgressBar";

struct ProgressBarArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  bool visible = true;
};

class ProgressBar final : public HostedControl {
 public:
  explicit ProgressBar(const ProgressBarArgs& args);

  void set_position(int percent);
  int position() const;
};

}  // namespace orvx::ui
