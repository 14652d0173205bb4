// The start-up sequence: its order, the switches, the guarded steps and the
// end of the program when the data folders cannot be made.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/startup_sequence.h"
#include "lang/lang_folder.h"
#include "lang/lang_system.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "support/flow_world.h"

namespace orvx::app {
namespace {

using Log = std::vector<std::string>;
using test::FlowWorld;

Log joined(Log a, const Log& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Steps 1 to 7 and 8 to 16 of a first start, on a desktop without arrangement
// modes, with MSDLG_19 confirmed.
const Log kUpToSettings = {"error_list_window", "locate_data_folders",
                           "write_english English.qlf", "placement", "auto_save_timer off 60000",
                           "minidesk shown"};
const Log kFromLayout = {"update_layout", "desktop", "BuildMinidesk", "information MSDLG_19", "desktop",
                         "tray_icon", "version_line", "opaque"};
const Log kFirstStart = joined(kUpToSettings, kFromLayout);

// A first start: the base folder exists, the vendor and data folders do not.
DataFolders fresh_folders(const FlowWorld& world) {
  files::create_folder(world.temp / "fresh");
  return data_folders_under(world.temp / "fresh");
}

class StartupSequence : public ::testing::Test {
 protected:
  StartupSequence() { w.window.folders_to_locate = fresh_folders(w); }
  StartupOutcome run() { return run_startup_sequence(w.context(), w.window); }
  std::string english_file() const {
    return files::with_separator(lang::lang_folder_path(w.folders.data)) + "English.qlf";
  }

  FlowWorld w;
};

TEST_F(StartupSequence, FirstStartRunsEveryStepInOrder) {
  EXPECT_EQ(run(), StartupOutcome::ShowWindow);
  EXPECT_EQ(w.log.entries, kFirstStart);
  EXPECT_EQ(w.folders.data, w.window.folders_to_locate.data);
  EXPECT_TRUE(files::folder_exists(lang::lang_folder_path(w.folders.data)));
  EXPECT_TRUE(files::file_exists(english_file()));
  EXPECT_EQ(ListProfiles(w.folders.data), (Log{"ORV - 1920x1080"}));
  EXPECT_EQ(ReadProfileFile(w.profile_file("ORV - 1920x1080")).size(), 2u);
}

TEST_F(StartupSequence, SwitchesAddTheirStepsAtTheEnd) {
  struct Case {
    StartSwitch start_switch;
    Log tail;
  };
  const Case cases[] = {
      {StartSwitch::Normal, {}},
      {StartSwitch::Portable, {}},
      {StartSwitch::Template, {}},
      {StartSwitch::Autostart, {"process_messages", "autostart_timer on"}},
      {StartSwitch::Updated, {"process_messages", "message MSDLG_7"}},
  };
  for (const Case& c : cases) {
    FlowWorld world;
    world.window.folders_to_locate = world.folders;
    world.start_switch = c.start_switch;
    world.prompts.confirmations = {false};
    ASSERT_EQ(run_startup_sequence(world.context(), world.window), StartupOutcome::ShowWindow);
    const Log& log = world.log.entries;
    ASSERT_GE(log.size(), c.tail.size());
    EXPECT_EQ(Log(log.end() - c.tail.size(), log.end()), c.tail) << static_cast<int>(c.start_switch);
    EXPECT_EQ(log[log.size() - c.tail.size() - 1], "opaque") << static_cast<int>(c.start_switch);
  }
}

TEST_F(StartupSequence, AnOlderEnglishFileIsReplaced) {
  w.window.folders_to_locate = w.folders;
  ASSERT_TRUE(files::create_folders(lang::lang_folder_path(w.folders.data)));
  ASSERT_TRUE(files::write_file(english_file(), "[misc]\r\nMSDLG_0=edited\r\n"));
  ASSERT_EQ(run(), StartupOutcome::ShowWindow);
  EXPECT_EQ(files::read_file(english_file()), "[INFOS]\r\nlang=English\r\n");
}

TEST_F(StartupSequence, TheArrangementWarningComesAfterTheSettingsAndTheStartGoesOn) {
  w.desktop.set_arrangement_modes({true, false});
  ASSERT_EQ(run(), StartupOutcome::ShowWindow);
  EXPECT_EQ(w.log.entries, joined(joined(kUpToSettings, {"message MSDLG_11"}), kFromLayout));
}

TEST_F(StartupSequence, GuardedStepsThatFailLetTheRestRunAndTheLastFailureIsReportedAtTheEnd) {
  // Step 5: the English file cannot be written. Step 7: load_settings fails.
  // Step 10: the map read fails (the buffer in the shell's process).
  w.window.english_file_writable = false;
  w.window.failing = {"minidesk shown"};
  bool first_access = true;
  w.desktop.set_message_hook([&] {
    w.log.add_desktop_access();
    if (std::exchange(first_access, false)) throw std::runtime_error("map read failed");
  });

  ASSERT_EQ(run(), StartupOutcome::ShowWindow);
  Log expected = kFirstStart;
  expected.erase(std::find(expected.begin(), expected.end(), "BuildMinidesk"));
  EXPECT_EQ(w.log.entries, joined(expected, {"report map read failed"}));
}

TEST_F(StartupSequence, EachGuardedFailureAloneIsReportedOnceTheSequenceHasEnded) {
  struct Case {
    bool english_writable;
    std::string failing;
    std::string report;
  };
  const Case cases[] = {
      {false, "", "report Die englische Sprachdatei konnte nicht geschrieben werden: "},
      {true, "minidesk shown", "report minidesk shown failed"},
  };
  for (const Case& c : cases) {
    FlowWorld world;
    world.window.folders_to_locate = fresh_folders(world);
    world.window.english_file_writable = c.english_writable;
    if (!c.failing.empty()) world.window.failing = {c.failing};
    ASSERT_EQ(run_startup_sequence(world.context(), world.window), StartupOutcome::ShowWindow);
    Log log = world.log.entries;
    ASSERT_EQ(log.size(), kFirstStart.size() + 1) << c.report;
    EXPECT_EQ(Log(log.begin(), log.end() - 1), kFirstStart) << c.report;
    EXPECT_TRUE(log.back().starts_with(c.report)) << log.back();
  }
}

TEST_F(StartupSequence, AnyOtherFailingStepEndsTheSequenceThereAndIsReported) {
  const std::string steps[] = {"error_list_window", "placement", "update_layout",
                               "tray_icon", "version_line", "opaque"};
  for (const std::string& step : steps) {
    FlowWorld world;
    world.window.folders_to_locate = fresh_folders(world);
    world.window.failing = {step};
    // An earlier guarded failure is superseded by the one that ends the sequence.
    world.window.english_file_writable = step == "error_list_window";
    ASSERT_EQ(run_startup_sequence(world.context(), world.window), StartupOutcome::ShowWindow);
    auto at = std::find(kFirstStart.begin(), kFirstStart.end(), step);
    ASSERT_NE(at, kFirstStart.end());
    EXPECT_EQ(world.log.entries, joined(Log(kFirstStart.begin(), at + 1), {"report " + step + " failed"}));
  }
}

TEST_F(StartupSequence, DataFoldersThatCannotBeMadeEndTheProgramWithoutAReport) {
  struct Case {
    const char* what;
    DataFolders folders;
  };
  ASSERT_TRUE(files::write_file(w.temp / "file", ""));
  const Case cases[] = {
      {"a file in the way", data_folders_under(w.temp / "file")},
      {"no base folder", {}},
  };
  for (const Case& c : cases) {
    w.log.entries.clear();
    w.window.folders_to_locate = c.folders;
    EXPECT_EQ(run(), StartupOutcome::EndProgram) << c.what;
    EXPECT_EQ(w.log.entries, (Log{"error_list_window", "locate_data_folders",
                                  "message " + std::string(kFolderNotCreatedMessage)}))
        << c.what;
  }
}

TEST_F(StartupSequence, ASaveAtTheStandardProfileCheckCanEndTheProgramToo) {
  // The data folders go away during the map read, and a file takes the
  // vendor folder's place.
  w.window.folders_to_locate = w.folders;
  const std::string vendor = w.folders.vendor.substr(0, w.folders.vendor.size() - 1);
  w.desktop.set_message_hook([&] {
    w.log.add_desktop_access();
    if (files::folder_exists(vendor)) {
      std::filesystem::remove_all(vendor);
      files::write_file(vendor, "");
    }
  });
  EXPECT_EQ(run(), StartupOutcome::EndProgram);
  const Log& log = w.log.entries;
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(Log(log.end() - 3, log.end()), (Log{"BuildMinidesk", "information MSDLG_19",
                                                "message " + std::string(kFolderNotCreatedMessage)}));
}

TEST_F(StartupSequence, ALangFolderThatCannotBeMadeIsToldAndTheEnglishFileFailureReported) {
  w.window.folders_to_locate = w.folders;
  ASSERT_TRUE(files::write_file(lang::lang_folder_path(w.folders.data), "in the way"));
  ASSERT_EQ(run(), StartupOutcome::ShowWindow);
  Log expected = joined({"error_list_window", "locate_data_folders",
                         std::string("message ") + lang::kLangFolderFailedMessage},
                        Log(kFirstStart.begin() + 2, kFirstStart.end()));
  Log log = w.log.entries;
  ASSERT_EQ(log.size(), expected.size() + 1);
  EXPECT_EQ(Log(log.begin(), log.end() - 1), expected);
  EXPECT_TRUE(log.back().starts_with("report Die englische Sprachdatei")) << log.back();
}

}  // namespace
}  // namespace orvx::app
