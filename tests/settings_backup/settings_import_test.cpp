// The import: all or nothing. A backup that is damaged, cut off or holds
// what a settings backup never holds leaves the data folder byte for byte as
// it was; a sound one replaces the files it holds and keeps the others.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "backup_flow_fixture.h"
#include "settings_backup/settings_export.h"
#include "settings_backup/settings_import.h"

namespace orvx::settings_backup {
namespace {

using test::file_record;
using test::Tree;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr char kImported[] = "message: Importierung wurde erfolgreich abgeschlossen!";
constexpr char kFailed[] = "message: Importierung wurde NICHT erfolgreich abgeschlossen!";

// The data folder before the import: a configuration and profiles of today,
// a language folder.
const Tree& today() {
  static const Tree kTree = {
      {"config.qcf", "[Settings]\r\nstd_profil=Heute\r\n"},
      {"Heute.qpf", test::text_of(2500, 4)},
      {"b.qpf", "b of today"},
      {"lang/", ""},
      {"lang/English.qlf", "[misc]\r\nMSDLG_4a=x\r\n"},
  };
  return kTree;
}

class Import : public test::BackupFlow {
 protected:
  void SetUp() override {
    BackupFlow::SetUp();
    test::write_tree(data() + files::kSeparator, today());
  }
  std::string write_backup(const std::string& bytes) {
    std::string path = backup_file("b.qbk");
    EXPECT_TRUE(files::write_file(path, bytes));
    return path;
  }
  ImportResult run_import(const std::string& backup) {
    return import_settings(backup, data(), status_, prompts_, lang_);
  }
};

TEST_F(Import, RestoresAndReplacesTheBackupsFilesAndKeepsTheOthers) {
  const std::string backup = write_backup(file_record("", "config.qcf", "[Settings]\r\nstd_profil=Damals\r\n") +
                                          file_record("", "Damals.qpf", test::text_of(5000, 8)) +
                                          file_record("", "b.qpf", "b of then") + file_record("", "empty.qpf", ""));

  ImportResult result = run_import(backup);

  EXPECT_TRUE(result.reread_settings);
  EXPECT_EQ(result.error, "");
  Tree expected = today();
  expected["config.qcf"] = "[Settings]\r\nstd_profil=Damals\r\n";
  expected["Damals.qpf"] = test::text_of(5000, 8);
  expected["b.qpf"] = "b of then";
  expected["empty.qpf"] = "";
  EXPECT_EQ(data_tree(), expected);
  EXPECT_THAT(shown(), ElementsAre(kImported));
  EXPECT_EQ(reporter_.count(), 0);
  EXPECT_EQ(status_.calls.front(), "started");
  EXPECT_THAT(std::vector<std::string>(status_.calls.end() - 2, status_.calls.end()),
              ElementsAre("ended ok", "closed"));
  EXPECT_NE(std::find(status_.calls.begin(), status_.calls.end(), "file Damals.qpf"), status_.calls.end());
}

TEST_F(Import, AnEmptyBackupChangesNothingAndSucceeds) {
  ImportResult result = run_import(write_backup(""));
  EXPECT_TRUE(result.reread_settings);
  EXPECT_EQ(data_tree(), today());
  EXPECT_THAT(shown(), ElementsAre(kImported));
}

TEST_F(Import, ALaterRecordOfTheSameNameWins) {
  run_import(write_backup(file_record("", "b.qpf", "first") + file_record("", "b.qpf", "second")));
  EXPECT_EQ(files::read_file(data_file("b.qpf")), "second");
}

// Every failure, wherever it strikes, leaves the data folder as it was:
// the same files with the same bytes, nothing added, no temporary file.
TEST_F(Import, AnyFailureLeavesTheDataFolderAsItWas) {
  const std::string sound = file_record("", "config.qcf", "[Settings]\r\nstd_profil=Damals\r\n") +
                            file_record("", "Damals.qpf", test::text_of(5000, 8)) +
                            file_record("", "b.qpf", test::text_of(3000, 2));
  std::string bad_zlib_third =
      file_record("", "config.qcf", "new config") + file_record("", "Damals.qpf", "new profile");
  {
    std::string third = file_record("", "b.qpf", test::text_of(3000, 2));
    third[third.size() - 20] ^= 0x55;
    bad_zlib_third += third;
  }
  struct Case {
    const char* what;
    std::string bytes;
    const char* message;
  };
  const Case cases[] = {
      {"cut off in the last record", sound.substr(0, sound.size() - 3), "ends"},
      {"cut off in the last record's header",
       sound + std::string("\0\x05"
                           "ab",
                           4),
       "ends"},
      {"bad zlib data in the third record", bad_zlib_third, "Z_DATA_ERROR"},
      {"a record in the language folder", sound + file_record("lang\\", "x.qlf", "x"), "lang\\x.qlf"},
      {"a record in a subfolder first", file_record("sub\\", "config.qcf", "x") + sound, "sub\\config.qcf"},
      {"a device name", sound + file_record("", "CON", "x"), "CON"},
      {"a device name with an extension", file_record("", "nul.qpf", "x") + sound, "nul.qpf"},
      {"a name that leaves the folder", sound + file_record("", "..", "x"), ".."},
      {"a path in the name", sound + file_record("", "..\\up.qpf", "x"), "up.qpf"},
      {"the name of the language folder", sound + file_record("", "lang", "x"), "lang"},
      {"the name of a leftover", sound + file_record("", "~orvx-keep-0.tmp", "x"), "leftover"},
      {"a size of 2 GiB", sound + test::record("", "big.qpf", 0x80000000u, "x"), "2 GiB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::ScriptedPrompts prompts;
    test::RecordingReporter reporter;
    test::RecordingStatus status;
    ImportResult result = import_settings(write_backup(c.bytes), data(), status, prompts, lang_);
    EXPECT_FALSE(result.reread_settings);
    EXPECT_THAT(result.error, HasSubstr(c.message));
    EXPECT_EQ(data_tree(), today());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ("message: " + prompts.shown[0].text, kFailed);
    EXPECT_THAT(reporter.reports(), ElementsAre(result.error));
    EXPECT_EQ(status.calls.back(), "closed");
  }
}

TEST_F(Import, AMissingBackupChangesNothing) {
  ImportResult result = run_import(backup_file("none.qbk"));
  EXPECT_FALSE(result.reread_settings);
  EXPECT_EQ(data_tree(), today());
  EXPECT_THAT(shown(), ElementsAre(kFailed));
}

TEST_F(Import, AReadOnlyFileToBeReplacedRefusesTheWholeBackup) {
  ASSERT_EQ(chmod(data_file("b.qpf").c_str(), 0444), 0);
  ImportResult result =
      run_import(write_backup(file_record("", "config.qcf", "new") + file_record("", "b.qpf", "new b")));
  EXPECT_THAT(result.error, HasSubstr("read-only"));
  EXPECT_EQ(data_tree(), today());
}

// The replacements come last, one by one; when one of them fails, those
// before it are undone.
TEST_F(Import, AReplacementThatFailsUndoesTheOnesBeforeIt) {
  const std::string backup =
      write_backup(file_record("", "config.qcf", "new config") + file_record("", "Heute.qpf", "new profile") +
                   file_record("", "new.qpf", "new file"));
  // Once its record has passed the checks, a folder takes the place the
  // third file was to go to, so that its replacement fails.
  status_.on_file = [&](const std::string& path) {
    if (files::name_of(path) == "new.qpf") {
      ASSERT_TRUE(files::create_folder(path));
    }
  };
  ImportResult result = run_import(backup);
  EXPECT_FALSE(result.reread_settings);
  EXPECT_THAT(result.error, HasSubstr("cannot replace"));
  EXPECT_THAT(shown(), ElementsAre(kFailed));
  ASSERT_TRUE(files::remove_folder(data_file("new.qpf")));
  EXPECT_EQ(data_tree(), today());
}

}  // namespace
}  // namespace orvx::settings_backup
