// The Update / Uninstall section of the real OrvaneX.exe under Wine, end to
// end: the update check against the test HTTP server as update server, the
// scripts run by Wine's own cmd.exe once the program has ended, and the
// program started again by the update script.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/message_ids.h"
#include "platform/ansi_text.h"
#include "mainwin/main_window_win.h"
#include "mainwin/version_win.h"
#include "lang/messages.h"
#include "net/update_server.h"
#include "platform/files.h"
#include "platform/scoped_win.h"
#include "settings/settings_dialog_texts.h"
#include "settings/settings_dialog_win.h"
#include "support/http_test_server.h"
#include "support/input_win.h"
#include "support/orvane_app_win.h"
#include "support/settings_dialog_win.h"
#include "support/throwaway_prefix_win.h"
#include "support/windows_win.h"
#include "ui/collapsible_section_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/program_title.h"
#include "net/fetch_rules.h"
#include "update/scripts.h"
#include "update/update_check.h"

namespace orvx::test {
namespace {

namespace texts = settings::texts;

std::string message(MessageId id) { return std::string(lang::german_message(id)); }

// The newer program the update server offers: OrvaneX.exe built with the
// next version number.
std::string next_program() { return binary_dir() + "\\next-version\\OrvaneX.exe"; }

// The files of the temporary folder whose names begin with `prefix` ("ORV",
// "uis"): the scripts and their placeholders.
std::set<std::string> temp_files(const std::string& prefix) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found{};
  const std::string pattern = files::temp_folder() + prefix + "*";
  HANDLE find = FindFirstFileA(pattern.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return names;
}

// The vendor folder a start that is not portable makes under the user's
// application data; empty outside the throw-away prefix.
std::string app_data_vendor_folder() {
  if (!in_throwaway_prefix()) return {};
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, path))) return {};
  return files::with_separator(path) + "Quillfen\\";
}

// While it lives, this process and the programs it starts take `folder` as
// their temporary folder (TMP and TEMP).
class TemporaryFolderSetting {
 public:
  explicit TemporaryFolderSetting(const std::string& folder) {
    for (const char* name : kNames) {
      char value[MAX_PATH + 1] = {};
      const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
      saved_.push_back(length > 0 && length <= MAX_PATH ? std::optional<std::string>(value) : std::nullopt);
      SetEnvironmentVariableA(name, folder.c_str());
    }
  }
  TemporaryFolderSetting(const TemporaryFolderSetting&) = delete;
  TemporaryFolderSetting& operator=(const TemporaryFolderSetting&) = delete;
  ~TemporaryFolderSetting() {
    for (size_t i = 0; i < std::size(kNames); ++i) {
      SetEnvironmentVariableA(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
    }
  }

 private:
  static constexpr const char* kNames[] = {"TMP", "TEMP"};
  std::vector<std::optional<std::string>> saved_;
};

class UpdateSection : public SettingsDialogFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SettingsDialogFixture::SetUp());
    ASSERT_NO_FATAL_FAILURE(serve_updates_from("update-section"));
    // What an earlier run may have left in the temporary folder.
    files::delete_file(files::temp_folder() + update::kDownloadName);
    files::delete_file(files::temp_folder() + update::kUpdateInfoName);
  }

  // The program as it was before the test: what no refusal may change.
  void start(const std::string& argument) {
    program_bytes_ = files::read_file(exe_).value_or("");
    ASSERT_FALSE(program_bytes_.empty());
    ASSERT_NO_FATAL_FAILURE(SettingsDialogFixture::start(argument));
  }

  // The settings dialog opened from the caption bar, its Update section
  // expanded.
  void open_update_section() {
    open_section(settings::SettingsSection::kUpdate, [&] { return button(texts::kCheckForUpdate); });
  }

  // The buttons run message boxes inside their clicks: posted, so that this
  // test can answer them.
  void click_button(const char* caption) {
    HWND shown = button(caption);
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(wait_for("the button to be enabled", [&] { return IsWindowEnabled(shown) != FALSE; }));
    post_click(shown);
  }

  // True once the dialog has handled the click and what followed, with no
  // message box left open.
  ::testing::AssertionResult no_box_left() {
    if (!round_trip(dialog_)) return ::testing::AssertionFailure() << "the dialog does not answer";
    if (HWND box = find_process_window(app_->process_id(), "#32770", nullptr, true)) {
      return ::testing::AssertionFailure() << "a box is shown: " << message_box_text(box);
    }
    return ::testing::AssertionSuccess();
  }

  void offer(const std::string& version, const std::string& download_url) {
    www_->put("update.inf", "[Orvane]\r\nversion=" + version + "\r\nDL_Url=" + download_url + "\r\n");
  }

  std::string program_bytes_;
};

TEST_F(UpdateSection, TheSameVersionOnTheServerSaysNoNewerVersionInTheStatusLine) {
  offer(mainwin::get_version_string(exe_), www_->url() + "/never.exe");
  ASSERT_NO_FATAL_FAILURE(start("/u"));
  ASSERT_NO_FATAL_FAILURE(open_update_section());
  ASSERT_NO_FATAL_FAILURE(click_button(texts::kCheckForUpdate));
  EXPECT_TRUE(wait_for("the status line to say there is no newer version", [&] {
    return find_child(dialog_, ui::kLabelClass, message(message_ids::kNoNewerVersion)) != nullptr;
  }));
  EXPECT_TRUE(no_box_left());
  EXPECT_TRUE(app_->running());
  // The update information stays in the temporary folder; nothing else came.
  EXPECT_TRUE(files::file_exists(files::temp_folder() + update::kUpdateInfoName));
  EXPECT_FALSE(files::file_exists(files::temp_folder() + update::kDownloadName));
}

// Each refusal leaves the program running, its file as it was and nothing
// of an update in the temporary folder, and says what failed. The update
// server is read anew at every click.
TEST_F(UpdateSection, RefusesWhatItMustNotInstallAndSaysWhatFailed) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  www_->put("console.exe", files::read_file(std::string(system) + "\\hostname.exe").value_or(""));
  www_->put("page.html", "<html><body>Not a program</body></html>");
  const std::string next_version = ORVX_NEXT_VERSION;
  const std::string information_file = files::temp_folder() + update::kUpdateInfoName;
  const std::string no_information = message(message_ids::kNoUpdateInformation);
  const std::string not_a_program = message(message_ids::kNotAProgram);
  struct Case {
    const char* what;
    std::string server;       // the update server; empty: the www folder
    std::string information;  // update.inf as the server sends it
    // The boxes in order; MSDLG_8 is answered No, the others OK.
    std::vector<std::string> boxes;
    bool read_only_information = false;  // update.dat there and read-only
  };
  auto offering = [&](const std::string& version, const std::string& download) {
    return "[Orvane]\r\nversion=" + version + "\r\nDL_Url=" + www_->url() + download + "\r\n";
  };
  const std::string unreachable = "http://" + server_->refused_address;
  const Case cases[] = {
      {"an injected version", "", offering(next_version + " & del x", "/OrvaneX.exe"), {no_information}},
      {"a quote in the version", "", offering(next_version + "\"", "/OrvaneX.exe"), {no_information}},
      {"an error page sent as a success", "", "<html><body>Proxy error</body></html>", {no_information}},
      {"a program that is missing (404)",
       "",
       offering(next_version, "/missing.exe"),
       {message(message_ids::kAskUpdateInformation), message(message_ids::kConnectionFailed)}},
      {"a web page as the program",
       "",
       offering(next_version, "/page.html"),
       {message(message_ids::kAskUpdateInformation), not_a_program}},
      {"a console program",
       "",
       offering(next_version, "/console.exe"),
       {message(message_ids::kAskUpdateInformation), not_a_program}},
      {"an unreachable update server", unreachable, "", {message(message_ids::kConnectionFailed)}},
      {"update information that cannot be stored",
       "",
       offering(next_version, "/OrvaneX.exe"),
       {text::with_detail(message(message_ids::kFileNotWritten), information_file)},
       true},
  };
  ASSERT_NO_FATAL_FAILURE(start("/u"));
  const std::set<std::string> scripts_before = temp_files("ORV");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    copy_->set_config(net::kUpdateServerSection, net::kUpdateServerKey, c.server.empty() ? www_->url() : c.server);
    www_->put("update.inf", c.information);
    if (c.read_only_information) {
      ASSERT_TRUE(files::write_file(information_file, "[Orvane]\r\nversion=1\r\n"));
      ASSERT_TRUE(SetFileAttributesA(information_file.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    ASSERT_NO_FATAL_FAILURE(open_update_section());
    ASSERT_NO_FATAL_FAILURE(click_button(texts::kCheckForUpdate));
    for (const std::string& text : c.boxes) {
      ASSERT_NO_FATAL_FAILURE(answer_box(text, text == message(message_ids::kAskUpdateInformation) ? IDNO : IDOK));
    }
    EXPECT_TRUE(wait_for("the check to end", [&] {
      return IsWindowEnabled(find_child(dialog_, ui::kFlatButtonClass, texts::kCheckForUpdate)) != FALSE;
    }));
    EXPECT_TRUE(no_box_left());
    // No newer version is claimed where none could be checked.
    EXPECT_EQ(find_child(dialog_, ui::kLabelClass, message(message_ids::kNoNewerVersion)), nullptr);
    EXPECT_TRUE(app_->running());
    EXPECT_EQ(files::read_file(exe_), program_bytes_);
    EXPECT_FALSE(files::file_exists(files::temp_folder() + update::kDownloadName));
    EXPECT_EQ(temp_files("ORV"), scripts_before);
    if (c.read_only_information) {
      SetFileAttributesA(information_file.c_str(), FILE_ATTRIBUTE_NORMAL);
      files::delete_file(information_file);
    }
    // Closed, so that the next case opens it afresh.
    send_click(find_child(dialog_, ui::kFlatButtonClass, texts::kCancel));
    ASSERT_TRUE(wait_for("the dialog to close", [&] { return !IsWindowVisible(dialog_); }));
    ASSERT_TRUE(wait_for("the main window to show", [&] { return IsWindowVisible(main_) != FALSE; }));
  }
}

// How the dialog is closed while a check runs: its Cancel, the Esc key, the
// caption bar's button (which saves).
enum class CloseWay { kCancelButton, kEscape, kCaptionButton };

struct CloseCase {
  const char* what;
  CloseWay way;
  bool during_download;  // else while the update information comes
};

// A server that sends one byte a second holds nothing: the dialog closes at
// once however it is closed, the transfer stops, its partial file goes,
// nothing is installed and nothing is said. The program goes on, and the
// next showing has the buttons back once the stopped transfer has ended.
class UpdateStop : public UpdateSection, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(UpdateStop, ClosingTheDialogStopsACheckWhoseServerTrickles) {
  const CloseCase& c = GetParam();
  www_->put("OrvaneX.exe", files::read_file(next_program()).value_or(""));
  offer(ORVX_NEXT_VERSION, www_->url() + "/OrvaneX.exe");
  const std::string trickling = c.during_download ? "OrvaneX.exe" : "update.inf";
  www_->put(trickling + ".slow", "1 1000");
  const std::string partial = net::partial_file_name(
      files::temp_folder() + (c.during_download ? update::kDownloadName : update::kUpdateInfoName));
  ASSERT_NO_FATAL_FAILURE(start("/u"));
  const std::set<std::string> scripts_before = temp_files("ORV");
  ASSERT_NO_FATAL_FAILURE(open_update_section());
  ASSERT_NO_FATAL_FAILURE(click_button(texts::kCheckForUpdate));
  if (c.during_download) {
    ASSERT_NO_FATAL_FAILURE(answer_box(message(message_ids::kAskUpdateInformation), IDNO));
  }
  // The partial file is there from the server's answer on (what trickles in
  // stays in the writer's buffer).
  ASSERT_TRUE(wait_for("the transfer to be under way", [&] { return files::file_exists(partial); }));
  // Neither another check nor the uninstall can start meanwhile.
  EXPECT_FALSE(IsWindowEnabled(find_child(dialog_, ui::kFlatButtonClass, texts::kCheckForUpdate)));
  EXPECT_FALSE(IsWindowEnabled(find_child(dialog_, ui::kFlatButtonClass, texts::kStartUninstall)));

  switch (c.way) {
    case CloseWay::kCancelButton:
      send_click(find_child(dialog_, ui::kFlatButtonClass, texts::kCancel));
      break;
    case CloseWay::kEscape:
      post_key(find_child(dialog_, ui::kFlatButtonClass, texts::kCheckForUpdate), VK_ESCAPE);
      break;
    case CloseWay::kCaptionButton:
      ASSERT_TRUE(click_caption_button(dialog_, 0));
      break;
  }
  ASSERT_TRUE(wait_for("the dialog to close and the main window to show",
                       [&] { return !IsWindowVisible(dialog_) && IsWindowVisible(main_); }));
  EXPECT_TRUE(wait_for("the partial file to go", [&] { return !files::file_exists(partial); }));
  EXPECT_TRUE(no_box_left());
  EXPECT_TRUE(app_->running());
  EXPECT_EQ(files::read_file(exe_), program_bytes_);
  EXPECT_FALSE(files::file_exists(files::temp_folder() + update::kDownloadName));
  EXPECT_EQ(temp_files("ORV"), scripts_before);

  ASSERT_NO_FATAL_FAILURE(open_update_section());
  EXPECT_TRUE(wait_for("the buttons to come back", [&] {
    return IsWindowEnabled(find_child(dialog_, ui::kFlatButtonClass, texts::kCheckForUpdate)) &&
           IsWindowEnabled(find_child(dialog_, ui::kFlatButtonClass, texts::kStartUninstall));
  }));
  EXPECT_TRUE(no_box_left());
}

INSTANTIATE_TEST_SUITE_P(Ways, UpdateStop,
                         ::testing::Values(CloseCase{"CancelWhileTheInformationComes", CloseWay::kCancelButton, false},
                                           CloseCase{"EscapeWhileTheInformationComes", CloseWay::kEscape, false},
                                           CloseCase{"CaptionButtonWhileTheInformationComes", CloseWay::kCaptionButton,
                                                     false},
                                           CloseCase{"CancelDuringTheDownload", CloseWay::kCancelButton, true},
                                           CloseCase{"EscapeDuringTheDownload", CloseWay::kEscape, true}),
                         [](const auto& info) { return std::string(info.param.what); });

class UpdateInstall : public UpdateSection {
 protected:
  // The update offered, fetched and its script started: the program at
  // `exe`, started with `argument`, has ended.
  void update_until_the_program_ends(const std::string& argument) {
    next_bytes_ = files::read_file(next_program()).value_or("");
    ASSERT_FALSE(next_bytes_.empty());
    www_->put("OrvaneX.exe", next_bytes_);
    offer(ORVX_NEXT_VERSION, www_->url() + "/OrvaneX.exe");
    scripts_before_ = temp_files("ORV");

    ASSERT_NO_FATAL_FAILURE(start(argument));
    ASSERT_NO_FATAL_FAILURE(open_update_section());
    ASSERT_NO_FATAL_FAILURE(click_button(texts::kCheckForUpdate));
    ASSERT_NO_FATAL_FAILURE(answer_box(message(message_ids::kAskUpdateInformation), IDNO));  // No still installs
    ASSERT_NO_FATAL_FAILURE(answer_box(message(message_ids::kDownloadedUpdating), IDOK));
    ASSERT_TRUE(app_->wait_exit()) << "the program did not end for the update";
    EXPECT_EQ(app_->exit_code(), std::optional<DWORD>(0));
  }

  // The program the script starts, once its main window is there.
  void take_restarted_program(int timeout_ms) {
    HWND restarted_main = nullptr;
    ASSERT_TRUE(wait_for(
        "the script to start the program",
        [&] {
          restarted_main = FindWindowA(mainwin::kMainWindowClass, ui::kProgramTitle);
          return restarted_main != nullptr;
        },
        timeout_ms));
    DWORD process_id = 0;
    GetWindowThreadProcessId(restarted_main, &process_id);
    app_ = std::make_unique<RunningApp>(process_id);
  }

  // The whole update: the new program file in place of the old one, started
  // with its version, which it announces with MSDLG_7. The program started
  // again finds its data where the old one had it, so it asks nothing
  // before (no first-start questions, no new standard profile).
  void run_update(const std::string& argument = "") {
    ASSERT_NO_FATAL_FAILURE(update_until_the_program_ends(argument));
    EXPECT_TRUE(wait_for("the program file to be the new version",
                         [&] { return mainwin::get_version_string(exe_) == ORVX_NEXT_VERSION; }));
    ASSERT_NO_FATAL_FAILURE(take_restarted_program(kDeadlineMs));
    ASSERT_NO_FATAL_FAILURE(answer_box(message(message_ids::kUpdateSucceeded), IDOK));
    EXPECT_EQ(files::read_file(exe_), next_bytes_);
    app_.reset();  // Exit
    // The script goes on once the program it started has ended.
    EXPECT_TRUE(wait_for("the script and its placeholder to go", [&] { return temp_files("ORV") == scripts_before_; }));
    EXPECT_FALSE(files::file_exists(files::temp_folder() + update::kDownloadName));
    EXPECT_FALSE(files::file_exists(files::temp_folder() + update::kUpdateInfoName));
    EXPECT_FALSE(files::file_exists(exe_ + update::kBackupSuffix));
  }

  std::string next_bytes_;
  std::set<std::string> scripts_before_;
};

TEST_F(UpdateInstall, ReplacesTheProgramAndStartsTheNewVersion) {
  ASSERT_NO_FATAL_FAILURE(use_copy(DataPlace::kAppData));
  ASSERT_NO_FATAL_FAILURE(run_update());
}

// The program file and the temporary folder, where the script lies, in
// folders with blanks, as on Windows XP ("Documents and Settings").
TEST_F(UpdateInstall, ReplacesAProgramOfAnotherNameInAFolderWithBlanks) {
  ASSERT_NO_FATAL_FAILURE(use_copy(DataPlace::kAppData));
  const std::string folder = copy_->folder() + "Orvane Tools 100%\\";
  ASSERT_TRUE(files::create_folder(folder));
  exe_ = folder + "Orv Tool.exe";
  ASSERT_TRUE(CopyFileA(copy_->exe().c_str(), exe_.c_str(), TRUE));
  const std::string temp = copy_->folder() + "Local Settings\\";
  ASSERT_TRUE(files::create_folders(temp + "Temp"));
  const TemporaryFolderSetting temp_setting(temp + "Temp");
  ASSERT_EQ(files::temp_folder(), temp + "Temp\\");
  ASSERT_NO_FATAL_FAILURE(run_update());
  EXPECT_FALSE(files::file_exists(folder + "OrvaneX.exe"));
}

// A portable program comes back portable: it finds its profile and settings
// beside it and makes no data folder under the application data. Its
// temporary folder lies under a profile whose name has an umlaut, an accent
// and a sharp s, as for a German user.
TEST_F(UpdateInstall, APortableProgramComesBackPortable) {
  const std::string app_data_vendor = app_data_vendor_folder();
  ASSERT_FALSE(app_data_vendor.empty()) << "no application-data folder in the throw-away prefix";
  std::error_code ignored;
  std::filesystem::remove_all(app_data_vendor, ignored);
  const std::string temp = copy_->folder() +
                           "J\xFCrgen Caf\xE9 Stra\xDF"
                           "e\\Lokale Einstellungen\\";
  ASSERT_TRUE(files::create_folders(temp + "Temp"));
  const TemporaryFolderSetting temp_setting(temp + "Temp");
  ASSERT_EQ(files::temp_folder(), temp + "Temp\\");
  ASSERT_NO_FATAL_FAILURE(run_update("/u"));
  EXPECT_FALSE(files::folder_exists(app_data_vendor)) << "the program came back without /u";
  std::filesystem::remove_all(app_data_vendor, ignored);
}

// Portable mode, so everything the uninstall removes lies in the program's
// temporary folder, and the autostart shortcut in the throw-away prefix.
class Uninstall : public UpdateSection {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(UpdateSection::SetUp());
    link_ = autostart_link_file();
    ASSERT_FALSE(link_.empty()) << "no Startup folder in the throw-away prefix";
    files::create_folders(files::folder_of(link_));
    ASSERT_TRUE(files::write_file(link_, "shortcut"));
    ASSERT_TRUE(files::write_file(copy_->folder() + "foreign.txt", "not ours"));
    ASSERT_TRUE(files::write_file(copy_->profile_file("Work"), "[Info]\r\nCount=0\r\n"));
    ASSERT_TRUE(SetFileAttributesA(exe_.c_str(), FILE_ATTRIBUTE_READONLY));
    scripts_before_ = temp_files("uis");
    ASSERT_NO_FATAL_FAILURE(start("/u"));
    ASSERT_TRUE(files::file_exists(copy_->data_folder() + "lang\\English.qlf"));
    ASSERT_NO_FATAL_FAILURE(open_update_section());
    ASSERT_NO_FATAL_FAILURE(click_button(texts::kStartUninstall));
  }
  void TearDown() override { files::delete_file(link_); }

  std::string link_;
  std::set<std::string> scripts_before_;
};

TEST_F(Uninstall, YesRemovesProgramDataAndShortcutAndKeepsForeignFiles) {
  ASSERT_NO_FATAL_FAILURE(answer_box(message(message_ids::kAskUninstall), IDYES));
  ASSERT_NO_FATAL_FAILURE(answer_box(message(message_ids::kUninstalled), IDOK));
  ASSERT_TRUE(app_->wait_exit()) << "the program did not end for the uninstall";
  EXPECT_FALSE(files::file_exists(link_));
  EXPECT_TRUE(wait_for("the read-only program file to go", [&] { return !files::file_exists(exe_); }));
  EXPECT_TRUE(wait_for("the data folder to go", [&] { return !files::folder_exists(copy_->data_folder()); }));
  EXPECT_TRUE(wait_for("the script to delete itself", [&] { return temp_files("uis") == scripts_before_; }));
  EXPECT_EQ(files::read_file(copy_->folder() + "foreign.txt"), std::optional<std::string>("not ours"));
  EXPECT_TRUE(files::folder_exists(copy_->folder() + "Quillfen"));  // the vendor folder stays
}

TEST_F(Uninstall, NoShowsNothingAndChangesNothing) {
  const std::string config = files::read_file(copy_->config_file()).value_or("");
  ASSERT_NO_FATAL_FAILURE(answer_box(message(message_ids::kAskUninstall), IDNO));
  EXPECT_TRUE(no_box_left());
  EXPECT_TRUE(app_->running());
  EXPECT_TRUE(files::file_exists(link_));
  EXPECT_EQ(files::read_file(exe_), program_bytes_);
  EXPECT_TRUE(files::file_exists(copy_->profile_file("Work")));
  EXPECT_TRUE(files::file_exists(copy_->data_folder() + "lang\\English.qlf"));
  EXPECT_EQ(temp_files("uis"), scripts_before_);
}

}  // namespace
}  // namespace orvx::test
