#include "update/script_files.h"

#include <optional>

#include "platform/files.h"
#include "update/program_check.h"

namespace orvx::update {
namespace {

constexpr char kProbeName[] = "orvx-write-probe.tmp";

// Writes the script beside the placeholder, which goes in any case, in the
// console's code page.
ScriptOutcome write_script(const ScriptPaths& paths, const std::optional<std::string>& text,
                           const ConsoleCodePage& code_page) {
  files::delete_file(placeholder_of(paths.script));
  if (!text) return ScriptOutcome::kUnsafePaths;
  const std::optional<std::string> console_text = in_console_code_page(*text, code_page);
  if (!console_text) return ScriptOutcome::kNoConsoleForm;
  if (!files::write_file(paths.script, *console_text)) {
    files::delete_file(paths.script);
    return ScriptOutcome::kWriteFailed;
  }
  return ScriptOutcome::kWritten;
}

}  // namespace

bool can_write_into(const std::string& folder) {
  const std::string probe = folder + kProbeName;
  if (!files::write_file(probe, "")) return false;
  return files::delete_file(probe);
}

std::string path_without_console_form(const ScriptPaths& paths, const ConsoleCodePage& code_page) {
  for (const std::string* path : {&paths.program, &paths.temp_folder, &paths.data_folder, &paths.script}) {
    if (!in_console_code_page(*path, code_page)) return *path;
  }
  return {};
}

ScriptOutcome write_update_script(ScriptPaths& paths, std::string_view temp_name, std::string_view version,
                                  StartMode start_mode, uint16_t machine, const ScriptWriting& writing) {
  const std::string download = paths.temp_folder + kDownloadName;
  if (!file_is_program_for(download, machine)) {
    files::delete_file(download);
    files::delete_file(std::string(temp_name));
    return ScriptOutcome::kNotAProgram;
  }
  paths.script = script_name_of(temp_name);
  if (!can_write_into(folder_of_program(paths.program))) {
    files::delete_file(placeholder_of(paths.script));
    return ScriptOutcome::kFolderNotWritable;
  }
  return write_script(paths, update_script(paths, version, start_mode, writing.wait_rounds), writing.code_page);
}

ScriptOutcome write_uninstall_script(ScriptPaths& paths, std::string_view temp_name, const ScriptWriting& writing) {
  paths.script = script_name_of(temp_name);
  return write_script(paths, uninstall_script(paths, writing.wait_rounds), writing.code_page);
}

}  // namespace orvx::update
