#pragma once
// Where the data folders of this start lie.
#include <string>
#include <string_view>

#include "mainwin/start_switch.h"

namespace orvx::mainwin {

// The base folder for this start: the program file's own folder in portable
// mode ("/u"), otherwise the user's application-data folder. Either may be
// empty when the system could not tell it.
std::string choose_base_folder(StartSwitch start_switch, std::string_view app_data_folder,
                               std::string_view program_file);

}  // namespace orvx::mainwin
