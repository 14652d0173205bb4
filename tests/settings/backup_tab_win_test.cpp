// The settings dialog's Export / Import section on the real OrvaneX.exe under
// Wine: the buttons, the system's folder browser and file open dialog driven
// as a user drives them, the result messages, and the data folder judged by
// its files afterwards.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/message_ids.h"
#include "mainwin/main_window_win.h"
#include "backup/container_fixture.h"
#include "ini/ini_file.h"
#include "lang/messages.h"
#include "platform/files.h"
#include "platform/local_clock.h"
#include "platform/scoped_win.h"
#include "settings/backup_tab_win.h"
#include "settings/settings_dialog_texts.h"
#include "settings/settings_dialog_win.h"
#include "settings_backup/backup_file_name.h"
#include "support/input_win.h"
#include "support/orvane_app_win.h"
#include "support/settings_dialog_win.h"
#include "support/windows_win.h"
#include "ui/check_box_win.h"
#include "ui/collapsible_section_win.h"
#include "ui/error_report_dialog_win.h"
#include "ui/flat_button_win.h"
#include "ui/label_win.h"
#include "ui/report_list_win.h"

namespace orvx::test {
namespace {

using settings::SettingsSection;
namespace texts = settings::texts;

constexpr char kDialogClass[] = "#32770";

std::string german(MessageId id) { return std::string(lang::german_message(id)); }

bool same_text(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The texts of a tree view's items in another process, read through a
// buffer reserved in that process.
class RemoteTreeTexts {
 public:
  explicit RemoteTreeTexts(HWND tree) : tree_(tree) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(tree, &process_id);
    process_ =
        win::adopt_handle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id));
    if (process_) {
      buffer_ = win::ScopedRemoteMemory(process_.get(),
                                        VirtualAllocEx(process_.get(), nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
    }
  }

  std::string text(HTREEITEM item) const {
    if (!buffer_.get()) return "<no buffer>";
    char* remote = static_cast<char*>(buffer_.get());
    TVITEMA request{};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = remote + sizeof(TVITEMA);
    request.cchTextMax = MAX_PATH;
    if (!WriteProcessMemory(process_.get(), remote, &request, sizeof request, nullptr)) return "<not written>";
    if (!SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote))) return "<no item>";
    char text[MAX_PATH + 1] = {};
    if (!ReadProcessMemory(process_.get(), remote + sizeof(TVITEMA), text, MAX_PATH, nullptr)) return "<unread>";
    return text;
  }

 private:
  static constexpr SIZE_T kSize = sizeof(TVITEMA) + MAX_PATH + 1;
  HWND tree_;
  win::ScopedHandle process_;
  win::ScopedRemoteMemory buffer_;
};

std::vector<HTREEITEM> children(HWND tree, HTREEITEM parent) {
  std::vector<HTREEITEM> items;
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
  for (; item; item = reinterpret_cast<HTREEITEM>(
                   SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    items.push_back(item);
  }
  return items;
}

// Opens an item as a click on its plus sign would; the browser fills in its
// children then.
std::vector<HTREEITEM> open_item(HWND tree, HTREEITEM item) {
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  return children(tree, item);
}

// Chooses `folder` (a path with a drive letter) in the folder browser the
// way a user does: opens the tree down to it, level by level, selects it and
// presses Enter.
::testing::AssertionResult choose_folder(HWND browser, const std::string& folder) {
  HWND tree = nullptr;
  if (!wait_for("the browser's tree to fill", [&] {
        tree = find_child(browser, WC_TREEVIEWA);
        return tree && !children(tree, nullptr).empty();
      })) {
    return ::testing::AssertionFailure() << "no folder tree in the browser";
  }
  const RemoteTreeTexts texts(tree);
  // The drive lies within a few levels below the desktop ("My Computer").
  const std::string drive = folder.substr(0, 2);
  HTREEITEM at = nullptr;
  std::vector<HTREEITEM> level = children(tree, nullptr);
  for (int depth = 0; depth < 3 && !at; ++depth) {
    std::vector<HTREEITEM> next;
    for (HTREEITEM item : level) {
      std::string text = texts.text(item);
      std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
      if (text.find(drive) != std::string::npos) {
        at = item;
        break;
      }
      for (HTREEITEM child : open_item(tree, item)) next.push_back(child);
    }
    level = std::move(next);
  }
  if (!at) return ::testing::AssertionFailure() << "no tree item for the drive " << drive;

  size_t begin = 3;  // past "C:\"
  while (begin < folder.size()) {
    size_t end = folder.find('\\', begin);
    if (end == std::string::npos) end = folder.size();
    const std::string name = folder.substr(begin, end - begin);
    begin = end + 1;
    if (name.empty()) continue;
    std::string seen;
    HTREEITEM found = nullptr;
    for (HTREEITEM child : open_item(tree, at)) {
      const std::string text = texts.text(child);
      if (same_text(text, name)) found = child;
      seen += " \"" + text + "\"";
    }
    if (!found) return ::testing::AssertionFailure() << "no item \"" << name << "\" among" << seen;
    at = found;
  }
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(at));
  post_key(tree, VK_RETURN);
  return wait_for("the folder browser to close", [&] { return !IsWindow(browser); });
}

class BackupSection : public SettingsDialogFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SettingsDialogFixture::SetUp());
    ASSERT_TRUE(files::create_folder(backups()));
  }

  std::string backups() const { return copy_->folder() + "backups"; }
  std::string data() const { return copy_->data_folder(); }

  // Opens the dialog from the main window with the Export / Import section
  // expanded.
  void open_backup_section() {
    open_section(SettingsSection::kBackup, [&] { return button(texts::kExportSettings); });
  }

  bool box_checked(const char* caption) const {
    return SendMessageA(check_box(caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  // A click on a button that opens a system dialog, and that dialog.
  HWND click_for_dialog(const char* caption) {
    post_click(button(caption));
    return wait_process_window(app_->process_id(), kDialogClass, nullptr);
  }

  void export_to(const std::string& folder) {
    HWND browser = click_for_dialog(texts::kExportSettings);
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(choose_folder(browser, folder));
  }

  // Types the backup's path into the open dialog and presses Enter.
  void import_from(const std::string& backup) {
    HWND chooser = click_for_dialog(texts::kImportSettings);
    ASSERT_NE(chooser, nullptr);
    HWND edit = nullptr;
    ASSERT_TRUE(wait_for("the file name field", [&] { return (edit = find_child(chooser, "Edit")) != nullptr; }));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(backup.c_str()));
    post_key(edit, VK_RETURN);
    ASSERT_TRUE(wait_for("the open dialog to close", [&] { return !IsWindow(chooser); }));
  }

  // The result message: its text, once it has been closed with OK.
  std::string close_result_message() {
    HWND box = wait_message_box(app_->process_id());
    if (!box) return "<no message>";
    const std::string text = message_box_text(box);
    press_box_button(box, IDOK);
    wait_for("the message to close", [&] { return !IsWindow(box); });
    return text;
  }

  // A failure also goes on to the general error report; it is closed too.
  void close_error_report() {
    HWND report = wait_process_window(app_->process_id(), ui::kErrorReportClass, nullptr);
    ASSERT_NE(report, nullptr);
    post_key(report, VK_RETURN);
    ASSERT_TRUE(wait_for("the error report to close", [&] { return !IsWindowVisible(report); }));
  }

  HWND status_label() const { return find_child(dialog_, ui::kLabelClass, settings::kBackupDoneText); }

  Tree data_tree() const { return read_tree(data()); }
};

TEST_F(BackupSection, ExportWritesTheDataFolderIntoADatedBackupAndSaysSo) {
  files::write_file(copy_->profile_file("Work"), "[Info]\r\nCount=0\r\n");
  copy_->set_config("Settings", "std_profil", "Work");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_backup_section());
  const std::string earliest = settings_backup::backup_file_name(files::local_now());

  HWND browser = click_for_dialog(texts::kExportSettings);
  ASSERT_NE(browser, nullptr);
  // Centred on the dialog, with its status text.
  RECT outer{};
  RECT inner{};
  ASSERT_TRUE(GetWindowRect(dialog_, &outer) && GetWindowRect(browser, &inner));
  EXPECT_NEAR(inner.left + inner.right, outer.left + outer.right, 2);
  EXPECT_NEAR(inner.top + inner.bottom, outer.top + outer.bottom, 2);
  const std::vector<std::string> statics = child_texts(browser, "Static");
  EXPECT_NE(std::find(statics.begin(), statics.end(), settings::kBackupFolderStatusText), statics.end());
  ASSERT_TRUE(choose_folder(browser, backups()));

  // The strip says the work is done while the message is up, and hides after.
  HWND box = wait_message_box(app_->process_id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), german(message_ids::kBackupCreated));
  HWND done = status_label();
  ASSERT_NE(done, nullptr);
  EXPECT_TRUE(IsWindowVisible(done));
  press_box_button(box, IDOK);
  EXPECT_TRUE(wait_for("the status strip to hide", [&] { return !IsWindowVisible(done); }));
  const std::string latest = settings_backup::backup_file_name(files::local_now());

  const Tree backups_now = read_tree(backups() + "\\");
  ASSERT_EQ(backups_now.size(), 1u);
  const auto& [name, bytes] = *backups_now.begin();
  EXPECT_TRUE(std::regex_match(name, std::regex(R"(\d\d_\d\d_\d{4}#\d\d_\d\d_\d\d\.qbk)"))) << name;
  if (earliest.substr(0, 10) == latest.substr(0, 10)) {  // the same day: the time sorts
    EXPECT_GE(name, earliest);
    EXPECT_LE(name, latest);
  }
  // Every file of the data folder itself, as it is; nothing of the lang folder.
  Tree in_backup;
  for (const ParsedRecord& r : parse_container(bytes)) {
    EXPECT_EQ(r.folder_part, "");
    in_backup[r.name] = r.size == 0 ? "" : zlib_uncompress(r.compressed, r.size);
  }
  Tree top_level;
  for (const auto& [path, content] : data_tree()) {
    if (path.find('/') == std::string::npos) top_level[path] = content;
  }
  EXPECT_EQ(in_backup, top_level);
  EXPECT_EQ(in_backup.count("Work.qpf"), 1u);
  EXPECT_TRUE(files::folder_exists(data() + "lang"));
  ASSERT_NO_FATAL_FAILURE(close_dialog(texts::kCancel));
}

TEST_F(BackupSection, CancellingTheFolderOrTheFileChoiceDoesNothing) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_backup_section());
  const Tree before = data_tree();
  for (const char* caption : {texts::kExportSettings, texts::kImportSettings}) {
    HWND chooser = click_for_dialog(caption);
    ASSERT_NE(chooser, nullptr) << caption;
    HWND focus = nullptr;
    ASSERT_TRUE(wait_for("a control of the chooser", [&] {
      return (focus = find_child(chooser, WC_TREEVIEWA)) || (focus = find_child(chooser, "Edit"));
    }));
    post_key(focus, VK_ESCAPE);
    ASSERT_TRUE(wait_for("the chooser to close", [&] { return !IsWindow(chooser); })) << caption;
    // Once the click has been handled in full, no message came.
    ASSERT_TRUE(round_trip(dialog_));
    EXPECT_EQ(find_process_window(app_->process_id(), kDialogClass, nullptr, true), nullptr) << caption;
  }
  EXPECT_TRUE(read_tree(backups() + "\\").empty());
  EXPECT_EQ(data_tree(), before);
  ASSERT_NO_FATAL_FAILURE(close_dialog(texts::kCancel));
}

TEST_F(BackupSection, ImportBringsTheBackupBackKeepsLaterProfilesAndTheDialogShowsAndSavesIt) {
  files::write_file(copy_->profile_file("Alpha"), "[Info]\r\nCount=1\r\n");
  files::write_file(copy_->profile_file("Beta"), "[Info]\r\nCount=2\r\n");
  copy_->set_config("Settings", "sort_after_res", "1");
  copy_->set_config("Settings", "std_profil", "Alpha");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_backup_section());
  ASSERT_NO_FATAL_FAILURE(export_to(backups()));
  ASSERT_EQ(close_result_message(), german(message_ids::kBackupCreated));
  const Tree backups_now = read_tree(backups() + "\\");
  ASSERT_EQ(backups_now.size(), 1u);
  const std::string backup = backups() + "\\" + backups_now.begin()->first;
  const std::string config_then = files::read_file(copy_->config_file()).value_or("<none>");

  // Since then: a profile deleted, the configuration changed, a profile made;
  // the main window reads the configuration when it shows again.
  ASSERT_TRUE(files::delete_file(copy_->profile_file("Alpha")));
  copy_->set_config("Settings", "sort_after_res", "0");
  copy_->set_config("Settings", "std_profil", "Beta");
  files::write_file(copy_->profile_file("Later"), "[Info]\r\nCount=3\r\n");
  ASSERT_NO_FATAL_FAILURE(close_dialog(texts::kCancel));
  ASSERT_NO_FATAL_FAILURE(open_backup_section());
  ASSERT_FALSE(box_checked(texts::kRestoreAfterResolutionChange));  // the dialog shows today's settings

  ASSERT_NO_FATAL_FAILURE(import_from(backup));
  EXPECT_EQ(close_result_message(), german(message_ids::kImportSucceeded));
  EXPECT_EQ(files::read_file(copy_->profile_file("Alpha")), std::optional<std::string>("[Info]\r\nCount=1\r\n"));
  EXPECT_EQ(files::read_file(copy_->config_file()), std::optional<std::string>(config_then));
  EXPECT_EQ(files::read_file(copy_->profile_file("Later")), std::optional<std::string>("[Info]\r\nCount=3\r\n"));
  EXPECT_TRUE(files::file_exists(data() + "lang\\English.qlf"));

  // The dialog shows what was imported, and Save keeps it.
  EXPECT_TRUE(box_checked(texts::kRestoreAfterResolutionChange));
  ASSERT_NO_FATAL_FAILURE(close_dialog(texts::kSave));
  EXPECT_EQ(ini::read_string(copy_->config_file(), "Settings", "sort_after_res", "<none>"), "1");
  EXPECT_EQ(ini::read_string(copy_->config_file(), "Settings", "std_profil", "<none>"), "Alpha");
}

TEST_F(BackupSection, CancelAfterAnImportLeavesTheImportedConfiguration) {
  copy_->set_config("Settings", "sort_after_res", "0");
  const std::string backup = backups() + "\\then.qbk";
  // The backup's configuration has the language question answered, or the
  // chooser would come before the main window.
  ASSERT_TRUE(
      files::write_file(backup, file_record("", "config.qcf", "[Settings]\r\nsort_after_res=1\r\nlang_menu=1\r\n")));
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_backup_section());
  ASSERT_NO_FATAL_FAILURE(import_from(backup));
  EXPECT_EQ(close_result_message(), german(message_ids::kImportSucceeded));
  ASSERT_NO_FATAL_FAILURE(close_dialog(texts::kCancel));
  EXPECT_EQ(ini::read_string(copy_->config_file(), "Settings", "sort_after_res", "<none>"), "1");
}

TEST_F(BackupSection, ACutOffBackupFailsAndLeavesTheDataFolderAsItWas) {
  files::write_file(copy_->profile_file("Alpha"), "[Info]\r\nCount=1\r\n");
  const std::string whole = file_record("", "config.qcf", "[Settings]\r\nsort_after_res=1\r\n") +
                            file_record("", "Alpha.qpf", "[Info]\r\nCount=9\r\n") +
                            file_record("", "Gamma.qpf", text_of(3000));
  const std::string backup = backups() + "\\cut.qbk";
  ASSERT_TRUE(files::write_file(backup, whole.substr(0, whole.size() - 7)));
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_backup_section());
  const Tree before = data_tree();

  ASSERT_NO_FATAL_FAILURE(import_from(backup));
  EXPECT_EQ(close_result_message(), german(message_ids::kImportFailed));
  ASSERT_NO_FATAL_FAILURE(close_error_report());
  EXPECT_EQ(data_tree(), before);
  ASSERT_NO_FATAL_FAILURE(close_dialog(texts::kCancel));
}

TEST_F(BackupSection, AnEmptyDataFolderGivesAnEmptyBackupWhoseImportChangesNothing) {
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_backup_section());
  // Only the lang folder stays, which is no part of a backup.
  for (const auto& [path, content] : data_tree()) {
    if (path.find('/') == std::string::npos) {
      ASSERT_TRUE(files::delete_file(data() + path)) << path;
    }
  }
  const Tree before = data_tree();

  ASSERT_NO_FATAL_FAILURE(export_to(backups()));
  EXPECT_EQ(close_result_message(), german(message_ids::kBackupCreated));
  const Tree backups_now = read_tree(backups() + "\\");
  ASSERT_EQ(backups_now.size(), 1u);
  EXPECT_EQ(backups_now.begin()->second, "");

  ASSERT_NO_FATAL_FAILURE(import_from(backups() + "\\" + backups_now.begin()->first));
  EXPECT_EQ(close_result_message(), german(message_ids::kImportSucceeded));
  EXPECT_EQ(data_tree(), before);
  // Without config.qcf the main window would first ask for the language.
  copy_->settle_language_question();
  ASSERT_NO_FATAL_FAILURE(close_dialog(texts::kCancel));
}

}  // namespace
}  // namespace orvx::test
