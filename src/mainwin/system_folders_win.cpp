#include "mainwin/system_folders_win.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <memory>

#include "platform/shell_objects_win.h"

namespace orvx::mainwin {

using win::ScopedItemList;

std::string program_file_path() {
  // Paths longer than MAX_PATH exist; grow the buffer until the name fits.
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      buffer.resize(n);
      return buffer;
    }
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> program_arguments() {
  // The C runtime splits the command line once at start-up, quotes and all.
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i] ? __argv[i] : "");
  return arguments;
}

std::string app_data_folder() {
  ITEMIDLIST* raw = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &raw)) || !raw) return {};
  ScopedItemList list(raw);
  char path[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(list.get(), path)) return {};
  return path;
}

DataFolders locate_data_folders(StartSwitch start_switch) {
  const std::string app_data = is_portable(start_switch) ? std::string() : app_data_folder();
  return data_folders_under(choose_base_folder(start_switch, app_data, program_file_path()), '\\');
}

}  // namespace orvx::mainwin
