#include "mainwin/base_folder.h"

#include "platform/files.h"

namespace orvx::mainwin {

std::string choose_base_folder(StartSwitch start_switch, std::string_view app_data_folder,
                               std::string_view program_file) {
  if (is_portable(start_switch)) return files::folder_of(program_file);
  return std::string(app_data_folder);
}

}  // namespace orvx::mainwin
