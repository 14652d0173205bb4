#pragma once
// The program's title: the main window's caption, the title of its message
// boxes and reports, and the notification-area tooltip.

namespace orvx::ui {

inline constexpr const char* kProgramTitle = "Orvane X";

}  // namespace orvx::ui
