#include "app/program_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "mainwin/about_box_win.h"
#include "mainwin/main_window_win.h"
#include "mainwin/version_win.h"
#include "autostart/autostart_link_win.h"
#include "platform/error_report.h"
#include "platform/shell_objects_win.h"
#include "language_chooser/language_chooser_flow.h"
#include "language_chooser/language_chooser_win.h"
#include "settings/settings_dialog_win.h"
#include "ui/error_report_dialog_win.h"
#include "update/scripts.h"

namespace orvx::app {
namespace {

using mainwin::AboutBox;
using mainwin::MainWindow;
using mainwin::StartupOutcome;

// Installed for the whole run: errors that reach the top level are shown in
// the report dialog.
class ErrorReportInstalled {
 public:
  ErrorReportInstalled() : previous_(errors::set_error_reporter(&report_)) {}
  ErrorReportInstalled(const ErrorReportInstalled&) = delete;
  ErrorReportInstalled& operator=(const ErrorReportInstalled&) = delete;
  ~ErrorReportInstalled() { errors::set_error_reporter(previous_); }

  ui::ErrorReportDialog& dialog() { return report_; }

 private:
  ui::ErrorReportDialog report_;
  errors::ErrorReporter* previous_;
};

// While the main window lives, the report speaks the language it has
// loaded; before and after, the built-in German texts.
class ReportsInLanguageOf {
 public:
  ReportsInLanguageOf(ui::ErrorReportDialog& report, const MainWindow& main_form) : report_(report) {
    report_.set_messages([&main_form](MessageId id) { return main_form.language().message(id); });
  }
  ReportsInLanguageOf(const ReportsInLanguageOf&) = delete;
  ReportsInLanguageOf& operator=(const ReportsInLanguageOf&) = delete;
  ~ReportsInLanguageOf() { report_.set_messages({}); }

 private:
  ui::ErrorReportDialog& report_;
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

int run_program(mainwin::StartSwitch start_switch) noexcept {
  ErrorReportInstalled error_report;
  try {
    // COM for the shell's objects (the autostart shortcut), for the whole run.
    const win::ScopedComApartment com;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    WindowRegistry windows;
    MainWindow main_form(windows, start_switch);
    ReportsInLanguageOf reports_language(error_report.dialog(), main_form);
    if (main_form.run_startup() == StartupOutcome::kEndProgram) return 1;
    autostart::ShellAutostartLink autostart;
    settings::SettingsDialog settings_form(
        main_form.hwnd(), windows,
        settings::SettingsDialogHost{
            .record = main_form.settings_record(),
            .folders = main_form.data_folders(),
            .language = main_form.language(),
            .autostart = autostart,
            .screen_size = [&main_form] { return main_form.screen_measures().size; },
            .load_settings = [&main_form] { main_form.reload_settings(); },
            .own_version = mainwin::get_version_string(),
            .start_mode = is_portable(start_switch) ? update::StartMode::kPortable : update::StartMode::kNormal,
            .end_program = [&main_form] { main_form.end_for_script(); }});
    main_form.set_settings_dialog([&settings_form] { settings_form.show(settings::SettingsSection::kSettings); });
    main_form.set_language_chooser([&main_form, &settings_form] {
      // Made for each offer; gone before its answer is followed.
      const auto answer = [&main_form] { return language_chooser::LanguageChooserDialog(main_form.hwnd()).ask(); }();
      language_chooser::follow_chooser_answer(
          answer,
          language_chooser::ChooserFlowHost{
              .data_folder = main_form.data_folders().data,
              .load_language = [&main_form](const std::string& path) { main_form.language().load_language(path); },
              .load_settings = [&main_form] { main_form.reload_settings(); },
              .settings_on_language =
                  [&settings_form] {
                    return settings_form.show(settings::SettingsSection::kLanguage) && settings_form.saved_language();
                  }});
    });
    AboutBox about(main_form.hwnd(), windows, main_form.data_folders().data, main_form.prompts());
    main_form.set_about_dialog([&about] { about.show(); });
    try {
      main_form.show_main_window();
    } catch (...) {
      // Reported like a failure of any later show; the program runs on.
      errors::report_current_exception();
    }
    return run_message_loop();
  } catch (...) {
    errors::report_current_exception();
    return 1;
  }
}

}  // namespace orvx::app
