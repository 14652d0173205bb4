#pragma once
// The real OrvaneX.exe for the end-to-end tests under Wine: a copy in a
// temporary folder, started in portable mode ("/u") or with another switch,
// and driven from outside as a user would - through its windows, found by
// class and title, and through the controls' own messages. Results are read
// from the files it writes. Every wait has a deadline.
//
// Menus: a popup menu runs its own modal loop in the program, reading the
// keyboard messages of its thread. The tests find the menu window ("#32768")
// of the program and post it the keys a user would press (Down, Right,
// Return), so the menu chooses, and the program acts, on its real path.
#include <windows.h>

#include <optional>
#include <string>

#include "harness/child_process_win.h"
#include "support/input_win.h"
#include "support/paths.h"
#include "support/wait_win.h"
#include "support/windows_win.h"

namespace orvx::test {

// Clicks "Minimieren" on the main window's caption bar and waits until the
// window is hidden. False when there is no caption bar or the window stays
// visible.
bool minimize_to_tray(HWND main);

// Clicks the caption bar button `index` (0 is the rightmost) of a window.
// False when the window has no caption bar.
bool click_caption_button(HWND window, size_t index);

// The window of the program's notification-area icon, once the shell holds
// the icon (asked as the shell is: only a known icon can be modified); null
// when it does not come within the deadline.
HWND wait_tray_icon(DWORD process_id);
// A click on the icon, as the shell reports it to that window.
void click_tray_icon(HWND tray);

// A press of a message box's button.
void press_box_button(HWND box, int button_id);

// A copy of OrvaneX.exe in a fresh folder. Its data folder lies beside it
// for starts in portable mode, or in the user's application-data folder for
// the other switches; that one is emptied before and after the test, and
// only inside the throw-away prefix of a test run (the constructor throws
// elsewhere).
enum class DataPlace { kPortable, kAppData };

class ProgramCopy {
 public:
  explicit ProgramCopy(DataPlace place = DataPlace::kPortable);
  ~ProgramCopy();
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;

  const std::string& exe() const { return exe_; }
  const std::string& folder() const { return temp_.path(); }
  const std::string& data_folder() const { return data_folder_; }
  std::string config_file() const;
  std::string profile_file(const std::string& name) const;
  // Writes a key of config.qcf, making the folders first.
  void set_config(const std::string& section, const std::string& key, const std::string& value) const;
  // Makes the standard profile of the current screen exist and settles the
  // first-start language question, so that the start asks nothing.
  void prepare_resolution_profile() const;
  // Settles the first-start language question ("lang_menu" 1), so that no
  // language chooser comes after the start, whatever the user's language.
  void settle_language_question() const;

 private:
  TempFolder temp_;
  std::string exe_;
  std::string vendor_folder_;
  std::string data_folder_;
  DataPlace place_;
};

// "ORV - WxH" for the virtual screen of this session.
std::string resolution_profile_name();

// OrvaneX.exe running. The destructor ends it as a user would, with Exit
// (the close_button), and kills it when that does not work in time.
class RunningApp {
 public:
  RunningApp(const std::string& exe, const std::string& argument);
  // A program that was started otherwise (by a script), by its process id.
  explicit RunningApp(DWORD process_id);
  RunningApp(const RunningApp&) = delete;
  RunningApp& operator=(const RunningApp&) = delete;
  ~RunningApp();

  DWORD process_id() const { return process_.id(); }
  // The main window, once it exists (and is visible, unless told otherwise).
  HWND main_window(bool visible = true, int timeout_ms = kDeadlineMs);
  // Clicks a control of the main window found by its class and text.
  void click(const char* class_name, const std::string& text);
  bool wait_exit(int timeout_ms = kDeadlineMs);
  bool running() const;
  std::optional<DWORD> exit_code() const;

 private:
  harness::ChildProcess process_;
};

}  // namespace orvx::test
