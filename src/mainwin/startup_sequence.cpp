#include "mainwin/startup_sequence.h"

#include <functional>

#include "profiles/data_folders.h"
#include "mainwin/load_settings.h"
#include "icons/arrangement_guard.h"
#include "icons/minidesk_icons.h"
#include "lang/lang_folder.h"
#include "profiles/save_restore.h"
#include "platform/error_report.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
namespace {

// The steps of the sequence, with the request to end the program kept apart
// from the failures: it ends the sequence at once, guarded step or not, and
// is not reported.
class StartupSteps {
 public:
  void guarded(const std::function<void()>& step) { sequence_.guarded(ending_on_request(step)); }
  void step(const std::function<void()>& step) { sequence_.step(ending_on_request(step)); }

  bool end_requested() const { return end_requested_; }
  void report_failure() { sequence_.report_failure(); }

 private:
  std::function<void()> ending_on_request(const std::function<void()>& step) {
    return [this, &step] {
      if (end_requested_) return;
      try {
        step();
      } catch (const FoldersMissing&) {
        end_requested_ = true;
      }
    };
  }

  errors::GuardedSequence sequence_;
  bool end_requested_ = false;
};

void write_english_language_file(const MainContext& context, StartupOps& window) {
  const std::string path =
      files::with_separator(lang::lang_folder_path(context.folders.data)) + kEnglishLanguageFileName;
  // An older or edited English file is replaced at every start.
  files::delete_file(path);
  if (!window.write_english_language_file(path)) {
    throw errors::MessageError(message_ids::kEnglishFileNotWritten, path);
  }
}

}  // namespace

StartupOutcome run_startup_sequence(const MainContext& context, MainWindowOps& window) {
  StartupSteps steps;
  // Step 1, double buffering: every widget paints through an off-screen buffer already.
  steps.step([&] { window.create_error_list_window(); });
  steps.step([&] { context.folders = window.locate_data_folders(); });
  steps.guarded([&] {
    require_data_folders(context.folders, context.prompts);
    lang::ensure_lang_folder(context.folders.data, context.prompts);
  });
  steps.guarded([&] { write_english_language_file(context, window); });
  steps.step([&] { window.restore_placement(context.folders.data); });
  steps.guarded([&] { load_settings(context, window); });
  steps.step([&] {
    icons::check_desktop_arrangement(context.desktop, context.prompts,
                                     context.translator.message(message_ids::kArrangementBlocksRestore));
  });
  steps.step([&] { window.update_layout(); });
  steps.guarded([&] {
    icons::read_minidesk_icons(context.desktop, [&](const DesktopIcons& icons) { window.build_minidesk(icons); });
  });
  steps.guarded([&] { ensure_resolution_profile(context.profiles()); });
  // Step 12, the frames: update_layout (step 9) has placed them where they belong.
  // Step 13, the hint timing: the styled hints appear at once and stay ten seconds already.
  steps.step([&] { window.show_tray_icon(); });
  steps.step([&] { window.show_version_line(); });
  steps.step([&] { window.make_opaque(); });
  if (context.start_switch == StartSwitch::kAutostart) {
    steps.step([&] {
      window.process_messages();
      window.set_autostart_timer(true);
    });
  }
  // Step 18, the update message, waits for the window: announce_update.
  if (steps.end_requested()) return StartupOutcome::kEndProgram;
  steps.report_failure();
  return StartupOutcome::kShowWindow;
}

void announce_update(const MainContext& context, MainWindowOps& window) {
  if (!follows_update(context.start_switch)) return;
  window.process_messages();
  context.prompts.show_message(context.translator.message(message_ids::kUpdateSucceeded));
}

}  // namespace orvx::mainwin
