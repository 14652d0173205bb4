#include "update/uninstall_flow.h"

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "update/script_files.h"
#include "platform/message_ids.h"

namespace orvx::update {

UninstallEnd run_uninstall(const UninstallContext& context, ScriptPaths paths) {
  if (!context.prompts.ask_yes_no(context.message(message_ids::kAskUninstall))) return UninstallEnd::kDeclined;
  const std::string temp_name = context.system.temp_name(paths.temp_folder, "uis");
  if (temp_name.empty()) {
    context.prompts.show_message(context.message(message_ids::kUninstallFailed));
    return UninstallEnd::kRefused;
  }
  const ScriptWriting writing{context.system.console_code_page()};
  const ScriptOutcome outcome = write_uninstall_script(paths, temp_name, writing);
  if (outcome == ScriptOutcome::kNoConsoleForm) {
    context.prompts.show_message(text::with_detail(context.message(message_ids::kUninstallPathUnreadable),
                                                   path_without_console_form(paths, writing.code_page)));
    return UninstallEnd::kRefused;
  }
  if (outcome != ScriptOutcome::kWritten) {
    context.prompts.show_message(context.message(message_ids::kUninstallFailed));
    return UninstallEnd::kRefused;
  }
  // Only now, so that a refused uninstall removes nothing.
  context.delete_autostart_link();
  // A read-only program file is deleted all the same.
  context.system.clear_attributes(paths.program);
  if (!context.system.enter_folder(paths.temp_folder)) {
    files::delete_file(paths.script);
    return UninstallEnd::kNotStarted;
  }
  context.prompts.show_message(context.message(message_ids::kUninstalled));
  if (!context.system.start_hidden(paths.script)) {
    files::delete_file(paths.script);
    return UninstallEnd::kNotStarted;
  }
  return UninstallEnd::kStarted;
}

}  // namespace orvx::update
