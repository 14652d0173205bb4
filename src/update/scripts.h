#pragma once
// The batch scripts that finish an update and an uninstall after the program
// has ended: 8-bit text, each line ended by CR LF, run hidden by the command
// interpreter of Windows NT 4.0 and later. They are made here in the ANSI
// code page of the paths; written into a file, they are turned into the
// console's code page (console_code_page.h, script_files.h).
//
// Both wait for the ended program to release its file, deleting it until it
// is gone, but not forever: after a number of rounds of a one-second ping to
// the loopback address (kWaitRounds, about a minute, in the scripts the
// program writes) the update script starts the old program again and
// deletes the download, and the uninstall script goes on with the data
// folder.
//
// The update script never leaves the user without a program: before the
// wait it copies the program file aside ({P} + ".old"), and only once the
// new program is in place, copied without error, does it delete that copy,
// the download and the update information and start the new program. When
// the copy fails, the old program file is put back and started, and the
// download stays. (The old file is copied, not renamed: a running program
// file can be renamed, on Windows as under Wine, so only a delete that
// succeeds tells that the program has ended.)
#include <optional>
#include <string>
#include <string_view>

namespace orvx::update {

inline constexpr int kWaitRounds = 60;
inline constexpr char kDownloadName[] = "OrvaneX.tmp";
inline constexpr char kUpdateInfoName[] = "update.dat";
// Added to the program file's name for the copy the update keeps until the
// new program is in place.
inline constexpr char kBackupSuffix[] = ".old";

// How the program was started; the update script starts the new program, and
// the old one when it gives up, the same way.
enum class StartMode {
  kNormal,    // the data folder under the application data
  kPortable,  // "/u": the data folder beside the program file
};

struct ScriptPaths {
  std::string program;      // {P}: the running program file
  std::string temp_folder;  // {T}: ends with a backslash
  std::string script;       // {S}: the script's own path
  std::string data_folder;  // {D}: ends with a backslash (uninstall only)
};

// The folder of a program path, ending with a backslash ({F}).
std::string folder_of_program(std::string_view program);

// The script's name from the name the temporary-name service made: its
// extension changed to ".bat"; and the ".tmp" placeholder that the service
// created with it, to be deleted.
std::string script_name_of(std::string_view temp_name);
std::string placeholder_of(std::string_view script);

// True for a data folder the uninstall may empty: an absolute path (drive
// letter or \\server\share) that is not a drive or share root and ends with
// a backslash.
bool data_folder_safe(std::string_view folder);

// The update script, installing {T}OrvaneX.tmp over {P} and starting it with
// "/" + version, after "/u" in portable mode. Nullopt when a path cannot
// stand in a script (it holds a quotation mark, a line break or a NUL, or {T}
// does not end with a separator) or the version is not plain.
// `wait_rounds` bounds the wait for the program file's release.
std::optional<std::string> update_script(const ScriptPaths& paths, std::string_view version, StartMode start_mode,
                                         int wait_rounds = kWaitRounds);

// The command line that runs `script` hidden in the command interpreter:
// without the AutoRun commands the registry may name (/d), with the command
// extensions the wait needs (/e:on), and without delayed expansion, which
// would take a "!" in a path for part of a variable (/v:off). The command
// after /c stands in an extra pair of quotes, so that a path with blanks
// keeps its own.
std::string script_command_line(std::string_view script);

// The uninstall script. Nullopt as above, and for an unsafe data folder.
std::optional<std::string> uninstall_script(const ScriptPaths& paths, int wait_rounds = kWaitRounds);

}  // namespace orvx::update
