#include "update/scripts.h"

#include <initializer_list>

#include "update/version_check.h"

namespace orvx::update {
namespace {

constexpr char kLineEnd[] = "\r\n";

// A path as it stands in a script: "%" is doubled, since the interpreter
// would take it for the start of a variable.
std::string literal(std::string_view path) {
  std::string out;
  for (char c : path) {
    if (c == '%') out += '%';
    out += c;
  }
  return out;
}

bool fits_script(std::string_view path) {
  if (path.empty()) return false;
  for (char c : path) {
    if (c == '"' || c == '\r' || c == '\n' || c == '\0') return false;
  }
  return true;
}

bool ends_with_backslash(std::string_view folder) { return !folder.empty() && folder.back() == '\\'; }

// The temporary folder as the system reports it ends with a separator.
bool ends_with_separator(std::string_view folder) {
  return !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
}

std::string lines(std::initializer_list<std::string> rows) {
  std::string text;
  for (const std::string& row : rows) text += row + kLineEnd;
  return text;
}

// Deletes {P} until it is gone; after `rounds` rounds goes to `give_up`.
// Ends at the label "Label2" once the file is gone.
std::string wait_for_release(const std::string& program, int rounds, const char* give_up) {
  const std::string p = "\"" + literal(program) + "\"";
  return lines({
      "set orvx_wait=0",
      ":Label1",
      "del " + p,
      "if not exist " + p + " goto Label2",
      "set /a orvx_wait=%orvx_wait%+1",
      "if %orvx_wait% GEQ " + std::to_string(rounds) + " goto " + give_up,
      "ping -n 2 127.0.0.1 >nul",
      "goto Label1",
  });
}

}  // namespace

std::string folder_of_program(std::string_view program) {
  const size_t slash = program.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string() : std::string(program.substr(0, slash + 1));
}

std::string script_name_of(std::string_view temp_name) {
  const size_t slash = temp_name.find_last_of("\\/");
  const size_t dot = temp_name.rfind('.');
  const bool has_extension = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  return std::string(has_extension ? temp_name.substr(0, dot) : temp_name) + ".bat";
}

std::string placeholder_of(std::string_view script) {
  std::string name = script_name_of(script);
  name.resize(name.size() - 4);
  return name + ".tmp";
}

bool data_folder_safe(std::string_view folder) {
  if (!fits_script(folder) || !ends_with_backslash(folder)) return false;
  if (folder.find_first_of("*?/") != std::string_view::npos) return false;
  size_t root = 0;  // the length of the root: "C:\" or "\\server\share\"
  if (folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\' &&
      ((folder[0] >= 'A' && folder[0] <= 'Z') || (folder[0] >= 'a' && folder[0] <= 'z'))) {
    root = 3;
  } else if (folder.size() > 2 && folder[0] == '\\' && folder[1] == '\\') {
    const size_t server_end = folder.find('\\', 2);
    if (server_end == std::string_view::npos || server_end == 2) return false;
    const size_t share_end = folder.find('\\', server_end + 1);
    if (share_end == std::string_view::npos || share_end == server_end + 1) return false;
    root = share_end + 1;
  } else {
    return false;
  }
  if (folder.size() <= root) return false;
  // No empty, "." or ".." parts after the root: they could lead back up.
  size_t begin = root;
  while (begin < folder.size()) {
    const size_t end = folder.find('\\', begin);
    const std::string_view part = folder.substr(begin, end - begin);
    if (part.empty() || part == "." || part == "..") return false;
    begin = end + 1;
  }
  return true;
}

std::optional<std::string> update_script(const ScriptPaths& paths, std::string_view version, StartMode start_mode,
                                         int wait_rounds) {
  if (!fits_script(paths.program) || !fits_script(paths.temp_folder) || !fits_script(paths.script) ||
      !ends_with_separator(paths.temp_folder) || folder_of_program(paths.program).empty() ||
      !is_plain_version(version) || wait_rounds < 1) {
    return std::nullopt;
  }
  const std::string p = "\"" + literal(paths.program) + "\"";
  const std::string backup = "\"" + literal(paths.program + kBackupSuffix) + "\"";
  const std::string program_name = literal(paths.program.substr(folder_of_program(paths.program).size()));
  const std::string t = literal(paths.temp_folder);
  const std::string download = "\"" + t + kDownloadName + "\"";
  // A normal start keeps the line it always had: the update switch alone,
  // after two blanks, as programs that know no other form expect it.
  const bool portable = start_mode == StartMode::kPortable;
  const std::string start_new = portable ? p + " /u /" + std::string(version) : p + "  /" + std::string(version);
  const std::string start_old = portable ? p + " /u" : p;
  // The copy of the old program file comes first; without it nothing is
  // touched and the update gives up (Label3).
  const std::string keep_old = lines({
      "if exist " + backup + " del " + backup,
      "copy " + p + " " + backup,
      "if errorlevel 1 goto Label3",
      "if not exist " + backup + " goto Label3",
  });
  // The program file is gone (Label2): the new one in its place, or the old
  // one back (Label5).
  const std::string install = lines({
      ":Label2",
      "copy " + download + " " + p,
      "if errorlevel 1 goto Label5",
      "if not exist " + p + " goto Label5",
      "del " + download,
      "del \"" + t + kUpdateInfoName + "\"",
      "del " + backup,
      start_new,
      "goto Label4",
      ":Label5",
      "if exist " + p + " del " + p,
      "ren " + backup + " \"" + program_name + "\"",
      "goto Label6",
  });
  // The old program file stayed as it was (Label3: no copy of it could be
  // made, or it was never let go of) or is back (Label6): it starts again.
  const std::string give_up = lines({
      ":Label3",
      "if exist " + backup + " del " + backup,
      "del " + download,
      ":Label6",
      start_old,
      ":Label4",
      "del \"" + literal(paths.script) + "\"",
  });
  return keep_old + wait_for_release(paths.program, wait_rounds, "Label3") + install + give_up;
}

std::string script_command_line(std::string_view script) {
  return "cmd.exe /d /e:on /v:off /c \"\"" + std::string(script) + "\"\"";
}

std::optional<std::string> uninstall_script(const ScriptPaths& paths, int wait_rounds) {
  if (!fits_script(paths.program) || !fits_script(paths.script) || wait_rounds < 1 ||
      folder_of_program(paths.program).empty() || !data_folder_safe(paths.data_folder)) {
    return std::nullopt;
  }
  const std::string f = literal(folder_of_program(paths.program));
  const std::string d = literal(paths.data_folder);
  return wait_for_release(paths.program, wait_rounds, "Label2") + lines({
                                                                      ":Label2",
                                                                      "rmdir \"" + f + "\"",
                                                                      "del \"" + d + "\\lang\\*.*\" /q",
                                                                      "rmdir \"" + d + "\\lang\"",
                                                                      "del \"" + d + "*.*\" /q",
                                                                      "rmdir \"" + d + "\"",
                                                                      "del \"" + literal(paths.script) + "\"",
                                                                  });
}

}  // namespace orvx::update
