#pragma once
// What the running system says about this program and its user: the program
// file, the command line and the user's application-data folder.
#include <string>
#include <vector>

#include "mainwin/base_folder.h"
#include "profiles/data_folders.h"
#include "mainwin/start_switch.h"

namespace orvx::mainwin {

// Full path of the running program file; empty when it cannot be told.
std::string program_file_path();

// The program's arguments, without the program name.
std::vector<std::string> program_arguments();

// The user's application-data folder (the shell's CSIDL_APPDATA); empty when
// the shell cannot name it.
std::string app_data_folder();

// The vendor and data folders for this start.
DataFolders locate_data_folders(StartSwitch start_switch);

}  // namespace orvx::mainwin
