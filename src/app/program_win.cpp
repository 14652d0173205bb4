#include "app/program_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/about_box_win.h"
#include "app/main_form_win.h"
#include "ui/crash_report.h"
#include "ui/error_report_dialog_win.h"

namespace orvx::app {
namespace {

// COM for the shell's objects (the autostart shortcut), for the whole run.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

// Installed for the whole run: errors that reach the top level are shown in
// the report dialog.
class ErrorReportInstalled {
 public:
  ErrorReportInstalled() : previous_(ui::set_error_reporter(&report_)) {}
  ErrorReportInstalled(const ErrorReportInstalled&) = delete;
  ErrorReportInstalled& operator=(const ErrorReportInstalled&) = delete;
  ~ErrorReportInstalled() { ui::set_error_reporter(previous_); }

 private:
  ui::ErrorReportDialog report_;
  ui::ErrorReporter* previous_;
};

int run_message_loop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int run_program(StartSwitch start_switch) noexcept {
  ErrorReportInstalled error_report;
  try {
    ComApartment com;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    WindowRegistry windows;
    Torvx_form main_form(windows, start_switch);
    if (main_form.run_startup() == StartupOutcome::EndProgram) return 1;
    // The settings dialog would be made here, between the main window and
    // the about box; it comes with its own part of the program.
    Tabout about(main_form.hwnd(), windows, main_form.data_folders().data, main_form.prompts());
    main_form.set_about_dialog([&about] { about.show(); });
    try {
      main_form.show_main_window();
    } catch (...) {
      // Reported like a failure of any later show; the program runs on.
      ui::report_current_exception();
    }
    return run_message_loop();
  } catch (...) {
    ui::report_current_exception();
    return 1;
  }
}

}  // namespace orvx::app
