#include "update/system_steps_win.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/scoped_win.h"
#include "update/console_code_page_win.h"
#include "update/scripts.h"

namespace orvx::update {

std::string WindowsSystemSteps::temp_name(const std::string& folder, std::string_view prefix) {
  char name[MAX_PATH] = {};
  const std::string prefix_text(prefix);
  if (GetTempFileNameA(folder.c_str(), prefix_text.c_str(), 0, name) == 0) return {};
  return name;
}

void WindowsSystemSteps::clear_attributes(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool WindowsSystemSteps::enter_folder(const std::string& folder) {
  if (SetCurrentDirectoryA(folder.c_str())) return true;
  prompts_.show_error(files::describe_last_error());
  return false;
}

bool WindowsSystemSteps::start_hidden(const std::string& script) {
  std::string command = script_command_line(script);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process)) {
    prompts_.show_error(files::describe_last_error());
    return false;
  }
  win::ScopedHandle process_handle(process.hProcess);
  win::ScopedHandle thread_handle(process.hThread);
  return true;
}

ConsoleCodePage WindowsSystemSteps::console_code_page() { return system_console_code_page(); }

}  // namespace orvx::update
