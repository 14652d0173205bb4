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

bool ends_with_backslash(std::string_view folder) {
  return !folder.empty() && folder.back() == '\\';
}

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

std::optional<std::string> update_script(const ScriptPaths& paths, std::string_view version, int wait_rounds) {
  if (!fits_script(paths.program) || !fits_script(paths.temp_folder) || !fits_script(paths.script) ||
      !ends_with_separator(paths.temp_folder) || folder_of_program(paths.program).empty() ||
      !is_plain_version(version) || wait_rounds < 1) {
    return std::nullopt;
  }
  const std::string p = "\"" + literal(paths.program) + "\"";
  const std::string t = literal(paths.temp_folder);
  const std::string download = "\"" + t + kDownloadName + "\"";
  return wait_for_release(paths.program, wait_rounds, "Label3") + lines({
      ":Label2",
      "copy " + download + " " + p,
      "del " + download,
      "del \"" + t + kUpdateInfoName + "\"",
      p + "  /" + std::string(version),
      "goto Label4",
      ":Label3",
      "del " + download,
      p,
      ":Label4",
      "del \"" + literal(paths.script) + "\"",
  });
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
