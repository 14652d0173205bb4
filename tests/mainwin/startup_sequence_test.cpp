// The start-up sequence by what it does: the folders and files it makes, what
// the user is shown and asked, what it reads from the desktop, and how a
// failure changes that. Steps that only prepare the window are left to the
// window's own tests; here they matter only when they fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "mainwin/startup_sequence.h"
#include "lang/lang_folder.h"
#include "lang/translator.h"
#include "platform/files.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "support/flow_world.h"

namespace orvx::mainwin {
namespace {

using Effects = std::vector<std::string>;
using test::FlowWorld;

// What the user, the desktop and the disk can tell of the start, in order:
// files and folders as they appear, prompts and reports, the desktop's
// reads, the settings applied, the tray icon and the window's last look.
class Timeline {
 public:
  explicit Timeline(FlowWorld& w) : w_(w) {
    w_.log.before_entry = [this] { look_at_disk(); };
  }
  Timeline(const Timeline&) = delete;
  Timeline& operator=(const Timeline&) = delete;

  Effects effects() {
    look_at_disk();
    // Disk events carry the number of log entries before them; merge.
    Effects merged;
    size_t next_disk = 0;
    const auto& log = w_.log.entries;
    for (size_t i = 0; i <= log.size(); ++i) {
      while (next_disk < disk_at_.size() && disk_at_[next_disk] == i) merged.push_back(disk_[next_disk++]);
      if (i < log.size() && visible(log[i])) merged.push_back(log[i]);
    }
    return merged;
  }

 private:
  static bool visible(const std::string& entry) {
    static const char* const kSeen[] = {"message ",  "information ", "report ", "desktop",        "auto_save_timer",
                                        "minidesk ", "tray_icon",    "opaque",  "autostart_timer"};
    return std::any_of(std::begin(kSeen), std::end(kSeen), [&](const char* p) { return entry.starts_with(p); });
  }

  void look_at_disk() {
    const DataFolders& folders = w_.window.folders_to_locate;
    if (folders.data.empty()) return;
    seen("data folder", files::folder_exists(folders.data));
    seen("English file",
         files::file_exists(files::with_separator(lang::lang_folder_path(folders.data)) + "English.qlf"));
    seen("standard profile", files::file_exists(profile_file_name(folders.data, "ORV - 1920x1080")));
  }
  void seen(const std::string& what, bool there) {
    if (!there || std::find(disk_.begin(), disk_.end(), what) != disk_.end()) return;
    disk_.push_back(what);
    disk_at_.push_back(w_.log.entries.size());
  }

  FlowWorld& w_;
  Effects disk_;
  std::vector<size_t> disk_at_;
};

// A first start: the base folder exists, the vendor and data folders do not.
DataFolders fresh_folders(const FlowWorld& world) {
  files::create_folder(world.temp / "fresh");
  return data_folders_under(world.temp / "fresh");
}

// The effects of a first start on a desktop without arrangement modes, with
// the standard profile's information confirmed: the data folder and the
// English file appear before the settings are applied, the desktop is read
// for the map, and the standard profile is saved after its information box.
const Effects kFirstStart = {
    "data folder",          "English file", "auto_save_timer off 60000", "minidesk shown", "desktop",
    "information MSDLG_19", "desktop",      "standard profile",          "tray_icon",      "opaque"};

Effects with(Effects effects, const Effects& more) {
  effects.insert(effects.end(), more.begin(), more.end());
  return effects;
}

class StartupSequence : public ::testing::Test {
 protected:
  StartupSequence() { w_.window.folders_to_locate = fresh_folders(w_); }
  StartupOutcome run() { return run_startup_sequence(w_.context(), w_.window); }
  std::string english_file() const {
    return files::with_separator(lang::lang_folder_path(w_.folders.data)) + "English.qlf";
  }

  FlowWorld w_;
  Timeline timeline_{w_};
};

TEST_F(StartupSequence, FirstStartMakesItsFilesAndShowsTheWindow) {
  EXPECT_EQ(run(), StartupOutcome::kShowWindow);
  EXPECT_EQ(timeline_.effects(), kFirstStart);
  EXPECT_EQ(w_.folders.data, w_.window.folders_to_locate.data);
  EXPECT_TRUE(files::folder_exists(lang::lang_folder_path(w_.folders.data)));
  EXPECT_EQ(files::read_file(english_file()), "[INFOS]\r\nlang=English\r\n");
  EXPECT_EQ(list_profiles(w_.folders.data), (Effects{"ORV - 1920x1080"}));
  EXPECT_EQ(read_profile_file(w_.profile_file("ORV - 1920x1080")).size(), 2u);
}

TEST_F(StartupSequence, SwitchesAddTheirEffectsOnceTheWindowIsReady) {
  struct Case {
    StartSwitch start_switch;
    Effects tail;
  };
  const Case cases[] = {
      {StartSwitch::kNormal, {}},
      {StartSwitch::kPortable, {}},
      {StartSwitch::kTemplate, {}},
      {StartSwitch::kAutostart, {"autostart_timer on"}},
      // The update message waits for the window (announce_update).
      {StartSwitch::kUpdated, {}},
      {StartSwitch::kPortableUpdated, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.start_switch));
    FlowWorld world;
    Timeline line(world);
    world.start_switch = c.start_switch;
    world.prompts.confirmations = {false};  // no standard profile this time
    ASSERT_EQ(run_startup_sequence(world.context(), world.window), StartupOutcome::kShowWindow);
    const Effects effects = line.effects();
    ASSERT_GE(effects.size(), c.tail.size() + 1);
    EXPECT_EQ(Effects(effects.end() - c.tail.size(), effects.end()), c.tail);
    EXPECT_EQ(effects[effects.size() - c.tail.size() - 1], "opaque");
    // Queued messages are handled before the switch's own effect.
    if (!c.tail.empty()) {
      const auto& log = world.log.entries;
      EXPECT_EQ(*(std::find(log.begin(), log.end(), c.tail.back()) - 1), "process_messages");
    }
  }
}

TEST(AnnounceUpdate, OnlyTheUpdateSwitchShowsItsMessageAfterTheWaitingMessages) {
  for (StartSwitch start_switch : {StartSwitch::kNormal, StartSwitch::kPortable, StartSwitch::kTemplate,
                                   StartSwitch::kAutostart, StartSwitch::kUpdated, StartSwitch::kPortableUpdated}) {
    SCOPED_TRACE(static_cast<int>(start_switch));
    FlowWorld world;
    world.start_switch = start_switch;
    announce_update(world.context(), world.window);
    const bool announces = start_switch == StartSwitch::kUpdated || start_switch == StartSwitch::kPortableUpdated;
    const Effects expected = announces ? Effects{"process_messages", "message MSDLG_7"} : Effects{};
    EXPECT_EQ(world.log.entries, expected);
  }
}

TEST_F(StartupSequence, AnOlderEnglishFileIsReplaced) {
  w_.window.folders_to_locate = w_.folders;
  ASSERT_TRUE(files::create_folders(lang::lang_folder_path(w_.folders.data)));
  ASSERT_TRUE(files::write_file(english_file(), "[misc]\r\nMSDLG_0=edited\r\n"));
  ASSERT_EQ(run(), StartupOutcome::kShowWindow);
  EXPECT_EQ(files::read_file(english_file()), "[INFOS]\r\nlang=English\r\n");
}

TEST_F(StartupSequence, TheArrangementWarningFollowsTheSettingsAndTheStartGoesOn) {
  w_.desktop.set_arrangement_modes({true, false});
  ASSERT_EQ(run(), StartupOutcome::kShowWindow);
  Effects expected = kFirstStart;
  expected.insert(std::find(expected.begin(), expected.end(), "minidesk shown") + 1, "message MSDLG_11");
  EXPECT_EQ(timeline_.effects(), expected);
}

TEST_F(StartupSequence, GuardedFailuresLetTheStartGoOnAndTheLastIsReportedAtTheEnd) {
  // The English file cannot be written, applying the settings fails, and the
  // map read fails (the buffer in the shell's process).
  w_.window.english_file_writable = false;
  w_.window.failing = {"minidesk shown"};
  bool first_access = true;
  w_.desktop.set_message_hook([&] {
    w_.log.add_desktop_access();
    if (std::exchange(first_access, false)) throw std::runtime_error("map read failed");
  });

  ASSERT_EQ(run(), StartupOutcome::kShowWindow);
  Effects expected = kFirstStart;
  expected.erase(std::find(expected.begin(), expected.end(), "English file"));
  expected.push_back("report map read failed");
  EXPECT_EQ(timeline_.effects(), expected);
}

TEST_F(StartupSequence, EachGuardedFailureAloneIsReportedOnceTheStartHasEnded) {
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
    SCOPED_TRACE(c.report);
    FlowWorld world;
    world.window.folders_to_locate = fresh_folders(world);
    Timeline line(world);
    world.window.english_file_writable = c.english_writable;
    if (!c.failing.empty()) world.window.failing = {c.failing};
    ASSERT_EQ(run_startup_sequence(world.context(), world.window), StartupOutcome::kShowWindow);
    Effects effects = line.effects();
    ASSERT_FALSE(effects.empty());
    EXPECT_TRUE(effects.back().starts_with(c.report)) << effects.back();
    effects.pop_back();
    Effects expected = kFirstStart;
    if (!c.english_writable) expected.erase(std::find(expected.begin(), expected.end(), "English file"));
    EXPECT_EQ(effects, expected);
  }
}

// The standard profile's save meets the failure the map read met (the buffer
// in the shell's process): the tray icon and the rest still come.
TEST_F(StartupSequence, AFailingStandardProfileSaveLetsTheStartGoOnAndIsReportedAtTheEnd) {
  w_.desktop.set_message_hook([&] {
    const bool saving = w_.log.entries.back() == "information MSDLG_19";
    w_.log.add_desktop_access();
    if (saving) throw std::runtime_error("save failed");
  });
  ASSERT_EQ(run(), StartupOutcome::kShowWindow);
  Effects expected = kFirstStart;
  expected.erase(std::find(expected.begin(), expected.end(), "standard profile"));
  expected.push_back("report save failed");
  EXPECT_EQ(timeline_.effects(), expected);
}

TEST_F(StartupSequence, AnyOtherFailingStepEndsTheStartThereAndIsReported) {
  // Each step by the window operation it calls, and the effects that came
  // before it.
  struct Case {
    std::string step;
    Effects before;
  };
  const Effects settings = {"data folder", "English file", "auto_save_timer off 60000", "minidesk shown"};
  const Effects saved = {"data folder",    "English file",    "auto_save_timer off 60000",
                         "minidesk shown", "desktop",         "information MSDLG_19",
                         "desktop",        "standard profile"};
  const Case cases[] = {
      {"error_list_window", {}},
      {"placement", {"data folder", "English file"}},
      {"update_layout", settings},
      // A failing operation has begun: what it shows may be there.
      {"tray_icon", with(saved, {"tray_icon"})},
      {"version_line", with(saved, {"tray_icon"})},
      {"opaque", with(saved, {"tray_icon", "opaque"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    FlowWorld world;
    world.window.folders_to_locate = fresh_folders(world);
    Timeline line(world);
    world.window.failing = {c.step};
    ASSERT_EQ(run_startup_sequence(world.context(), world.window), StartupOutcome::kShowWindow);
    Effects expected = c.before;
    expected.push_back("report " + c.step + " failed");
    EXPECT_EQ(line.effects(), expected);
  }
}

TEST_F(StartupSequence, AnEndingFailureSupersedesAnEarlierGuardedOne) {
  w_.window.english_file_writable = false;
  w_.window.failing = {"tray_icon"};
  ASSERT_EQ(run(), StartupOutcome::kShowWindow);
  const Effects effects = timeline_.effects();
  ASSERT_FALSE(effects.empty());
  EXPECT_EQ(effects.back(), "report tray_icon failed");
  EXPECT_EQ(std::count_if(effects.begin(), effects.end(), [](const std::string& e) { return e.starts_with("report"); }),
            1);
}

TEST_F(StartupSequence, DataFoldersThatCannotBeMadeEndTheProgramWithoutAReport) {
  struct Case {
    const char* what;
    DataFolders folders;
  };
  ASSERT_TRUE(files::write_file(w_.temp / "file", ""));
  const Case cases[] = {
      {"a file in the way", data_folders_under(w_.temp / "file")},
      {"no base folder", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w_.log.entries.clear();
    w_.window.folders_to_locate = c.folders;
    EXPECT_EQ(run(), StartupOutcome::kEndProgram);
    // Told why, and nothing else: no files, no desktop read, no window.
    EXPECT_EQ(timeline_.effects(), (Effects{"message " + std::string(kFolderNotCreatedMessage)}));
  }
}

TEST_F(StartupSequence, ASaveAtTheStandardProfileCheckCanEndTheProgramToo) {
  // The data folders go away during the map read, and a file takes the
  // vendor folder's place.
  w_.window.folders_to_locate = w_.folders;
  const std::string vendor = w_.folders.vendor.substr(0, w_.folders.vendor.size() - 1);
  w_.desktop.set_message_hook([&] {
    w_.log.add_desktop_access();
    if (files::folder_exists(vendor)) {
      std::filesystem::remove_all(vendor);
      files::write_file(vendor, "");
    }
  });
  EXPECT_EQ(run(), StartupOutcome::kEndProgram);
  const Effects effects = timeline_.effects();
  ASSERT_GE(effects.size(), 2u);
  EXPECT_EQ(Effects(effects.end() - 2, effects.end()),
            (Effects{"information MSDLG_19", "message " + std::string(kFolderNotCreatedMessage)}));
  EXPECT_FALSE(w_.log.contains("tray_icon"));
}

TEST_F(StartupSequence, ALangFolderThatCannotBeMadeIsToldAndTheEnglishFileFailureReported) {
  w_.window.folders_to_locate = w_.folders;
  ASSERT_TRUE(files::write_file(lang::lang_folder_path(w_.folders.data), "in the way"));
  ASSERT_EQ(run(), StartupOutcome::kShowWindow);
  Effects effects = timeline_.effects();
  ASSERT_GE(effects.size(), 2u);
  EXPECT_EQ(effects[1], std::string("message ") + lang::kLangFolderFailedMessage);
  EXPECT_TRUE(effects.back().starts_with("report Die englische Sprachdatei")) << effects.back();
  EXPECT_EQ(std::count(effects.begin(), effects.end(), "English file"), 0);
  EXPECT_EQ(std::count(effects.begin(), effects.end(), "tray_icon"), 1);
}

}  // namespace
}  // namespace orvx::mainwin
