#pragma once
// The report the user sees when an error reaches the top level: a small
// top-most dialog titled "Orvane X" with the error's text and an OK button
// (Enter and Esc close it too).
//
// Install it once at start-up:
//   ui::ErrorReportDialog report;  ui::set_error_reporter(&report);
// Window class "OrvxErrorReport".
#include <string>

#include "ui/crash_report.h"

namespace orvx::ui {

class ErrorReportDialog final : public ErrorReporter {
 public:
  // Shows the report modally, owned by the active window of the thread (if
  // any). When the dialog cannot be made, a plain error box stands in.
  void show_error_report(const std::string& text) noexcept override;
};

inline constexpr const char* kErrorReportClass = "OrvxErrorReport";

}  // namespace orvx::ui
