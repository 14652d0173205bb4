// The settings export and import on Windows, under Wine: files that another
// program holds open.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backup_flow_fixture.h"
#include "platform/scoped_win.h"
#include "settings_backup/settings_export.h"
#include "settings_backup/settings_import.h"

namespace orvx::settings_backup {
namespace {

using test::file_record;
using test::Tree;
using ::testing::HasSubstr;

win::ScopedHandle hold(const std::string& path, DWORD share) {
  return win::adopt_handle(
      CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

using SettingsBackupWin = test::BackupFlow;

// A profile open in another program cannot be replaced: the files replaced
// before it get their old content back.
TEST_F(SettingsBackupWin, AFileHeldOpenUndoesTheWholeImport) {
  const Tree today = {{"config.qcf", "today"}, {"a.qpf", "a of today"}, {"held.qpf", "held"}};
  test::write_tree(data() + "\\", today);
  const std::string backup = backup_file("b.qbk");
  ASSERT_TRUE(files::write_file(backup, file_record("", "config.qcf", "then") + file_record("", "a.qpf", "a of then") +
                                            file_record("", "held.qpf", "held then")));
  win::ScopedHandle holder = hold(data_file("held.qpf"), FILE_SHARE_READ);
  ASSERT_TRUE(holder);

  ImportResult result = import_settings(backup, data(), status_, prompts_, lang_);

  EXPECT_FALSE(result.reread_settings);
  EXPECT_THAT(result.error, HasSubstr("held.qpf"));
  EXPECT_EQ(data_tree(), today);
}

// A file held open exclusively cannot be packed: no backup, and an older
// one of the same name stays whole.
TEST_F(SettingsBackupWin, AFileHeldOpenExclusivelyKeepsTheOlderBackup) {
  test::write_tree(data() + "\\", {{"config.qcf", "c"}, {"held.qpf", "held"}});
  const files::LocalTime moment{2024, 12, 9, 14, 5, 33};
  ASSERT_TRUE(files::write_file(backup_file("09_12_2024#14_05_33.qbk"), "older backup"));
  win::ScopedHandle holder = hold(data_file("held.qpf"), 0);
  ASSERT_TRUE(holder);

  ExportResult result = export_settings(data(), backups(), moment, status_, prompts_, lang_);

  EXPECT_FALSE(result.created);
  EXPECT_THAT(result.error, HasSubstr("held.qpf"));
  EXPECT_EQ(backups_tree(), (Tree{{"09_12_2024#14_05_33.qbk", "older backup"}}));
}

}  // namespace
}  // namespace orvx::settings_backup
