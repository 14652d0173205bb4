// The export: what lands in the backup, under which name, what the user is
// told, and that a failed export never leaves a partial or wrong file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "backup_flow_fixture.h"
#include "settings_backup/settings_export.h"

namespace orvx::settings_backup {
namespace {

using test::Tree;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr files::LocalTime kMoment{2024, 12, 9, 14, 5, 33};
constexpr char kName[] = "09_12_2024#14_05_33.qbk";
constexpr char kCreated[] = "message: Backup wurde erfolgreich angelegt!";
constexpr char kNotCreated[] = "message: Backup wurde NICHT erfolgreich angelegt!";

Tree unpacked(const std::string& container) {
  Tree tree;
  for (const auto& r : test::parse_container(files::read_file(container).value())) {
    EXPECT_EQ(r.folder_part, "");
    tree[r.name] = r.size == 0 ? std::string() : test::zlib_uncompress(r.compressed, r.size);
  }
  return tree;
}

class Export : public test::BackupFlow {
 protected:
  ExportResult run_export() { return export_settings(data(), backups(), kMoment, status_, prompts_, lang_); }
};

TEST_F(Export, PacksTheFilesOfTheDataFolderUnderTheDatedName) {
  const Tree files = {
      {"config.qcf", "[Settings]\r\nstd_profil=Arbeit\r\n"},
      {"Arbeit.qpf", test::text_of(3000)},
      {"empty.qpf", ""},
      {"notes.txt", test::noise_of(1500)},
  };
  test::write_tree(data() + files::kSeparator, files);
  // Neither the language folder nor what an interrupted write left behind.
  test::write_tree(data() + files::kSeparator, {{"lang/English.qlf", "[misc]\r\n"},
                                                {"~orvx-Ab12Cd.tmp", "half a profile"},
                                                {"~ORVX-import-0.TMP", "half an import"}});

  ExportResult result = run_export();

  EXPECT_TRUE(result.created);
  EXPECT_EQ(result.path, backup_file(kName));
  EXPECT_EQ(result.error, "");
  EXPECT_THAT(backups_tree(), ElementsAre(::testing::Key(kName)));
  EXPECT_EQ(unpacked(result.path), files);
  EXPECT_THAT(shown(), ElementsAre(kCreated));
  EXPECT_EQ(reporter_.count(), 0);
  // The strip: shown, a label per file with its progress, "OK", hidden after
  // the message.
  ASSERT_GE(status_.calls.size(), 3u);
  EXPECT_EQ(status_.calls.front(), "started");
  EXPECT_THAT(std::vector<std::string>(status_.calls.end() - 2, status_.calls.end()),
              ElementsAre("ended ok", "closed"));
  auto at = std::find(status_.calls.begin(), status_.calls.end(), "file notes.txt");
  ASSERT_NE(at, status_.calls.end());
  EXPECT_THAT(std::vector<std::string>(at + 1, at + 4), ElementsAre("1024/1500", "1500/1500", "1500/1500"));
}

TEST_F(Export, AnEmptyDataFolderGivesAnEmptyBackup) {
  ExportResult result = run_export();
  EXPECT_TRUE(result.created);
  EXPECT_EQ(files::read_file(backup_file(kName)), "");
  EXPECT_THAT(shown(), ElementsAre(kCreated));
}

TEST_F(Export, TheSecondExportOfASecondReplacesTheFirst) {
  test::write_tree(data() + files::kSeparator, {{"a.qpf", "first"}});
  ASSERT_TRUE(run_export().created);
  test::write_tree(data() + files::kSeparator, {{"a.qpf", "second"}});
  ASSERT_TRUE(run_export().created);
  EXPECT_THAT(backups_tree(), ElementsAre(::testing::Key(kName)));
  EXPECT_EQ(unpacked(backup_file(kName)), (Tree{{"a.qpf", "second"}}));
}

// A failure: MSDLG_4b, the error goes to the general error handling, and the
// folder that was to receive the backup is as it was: no partial backup, no
// temporary file, and an older backup of the same name kept whole.
TEST_F(Export, AFailedExportLeavesNoFileAndKeepsAnOlderOne) {
  struct Case {
    const char* what;
    bool data_folder;
    bool target_folder;
    const char* failing_file;  // the status strip raises an error at this file
    const char* message;
  };
  const Case cases[] = {
      {"a file that cannot be read", true, true, "b.qpf", "cannot read b.qpf"},
      {"no data folder", false, true, nullptr, "does not exist"},
      {"no folder for the backup", true, false, nullptr, "cannot write"},
  };
  for (const Case& c : cases) {
    for (bool older : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (older ? ", older backup there" : ""));
      test::TempFolder dir;
      const std::string data = dir / "data", target = dir / "target";
      if (c.data_folder) test::write_tree(data + files::kSeparator, {{"a.qpf", "a"}, {"b.qpf", "b"}});
      if (c.target_folder) {
        ASSERT_TRUE(files::create_folder(target));
        if (older) {
          ASSERT_TRUE(files::write_file(dir / "target/" + kName, "the older backup"));
        }
      } else if (older) {
        continue;
      }
      const Tree before = test::read_tree(dir.path());
      test::RecordingStatus status;
      status.on_file = [&](const std::string& path) {
        if (c.failing_file && files::name_of(path) == c.failing_file) {
          throw std::runtime_error(std::string("cannot read ") + c.failing_file);
        }
      };
      test::ScriptedPrompts prompts;
      test::RecordingReporter reporter;

      ExportResult result = export_settings(data, target, kMoment, status, prompts, lang_);

      EXPECT_FALSE(result.created);
      EXPECT_THAT(result.error, HasSubstr(c.message));
      EXPECT_EQ(test::read_tree(dir.path()), before);
      ASSERT_EQ(prompts.shown.size(), 1u);
      EXPECT_EQ("message: " + prompts.shown[0].text, kNotCreated);
      EXPECT_THAT(reporter.reports(), ElementsAre(result.error));
      EXPECT_EQ(status.calls.back(), "closed");
    }
  }
}

TEST_F(Export, IntoTheDataFolderItselfTheBackupLandsThere) {
  test::write_tree(data() + files::kSeparator, {{"a.qpf", "a"}});
  ExportResult result = export_settings(data(), data(), kMoment, status_, prompts_, lang_);
  ASSERT_TRUE(result.created);
  EXPECT_EQ(unpacked(data_file(kName)), (Tree{{"a.qpf", "a"}}));
  EXPECT_THAT(data_tree(), ElementsAre(::testing::Key(kName), ::testing::Key("a.qpf")));
}

}  // namespace
}  // namespace orvx::settings_backup
