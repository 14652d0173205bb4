// The update button's and the uninstall button's flows over the real
// download components, a scripted HTTP stack and recorded system steps.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/paths.h"
#include "minimal_program.h"
#include "support/scripted_http.h"
#include "support/scripted_prompts.h"
#include "support/test_owner_thread.h"
#include "update/program_check.h"
#include "update/script_files.h"
#include "update/uninstall_flow.h"
#include "update/update_check.h"

namespace orvx::update {
namespace {

using test::ScriptedReply;

// Records the system steps; the temporary name is made as the service would.
struct RecordedSystem : SystemSteps {
  std::string temp_name(const std::string& folder, std::string_view prefix) override {
    log.push_back("temp name " + std::string(prefix));
    const std::string name = folder + std::string(prefix) + "1A.tmp";
    return files::write_file(name, "") ? name : "";
  }
  void clear_attributes(const std::string& path) override { log.push_back("clear " + files::name_of(path)); }
  bool enter_folder(const std::string&) override {
    log.push_back("enter");
    return enter_succeeds;
  }
  bool start_hidden(const std::string& script) override {
    log.push_back("start " + files::name_of(script));
    return true;
  }
  // The console of a German Windows (code page 850), for the u umlaut.
  ConsoleCodePage console_code_page() override {
    ConsoleCodePage code_page;
    code_page.map(0xFC, 0x81);
    return code_page;
  }

  bool enter_succeeds = true;
  std::vector<std::string> log;
};

struct RecordedControls : UpdateControls {
  void show_gauge(bool shown) override { gauge_shown = shown; }
  void set_gauge(int32_t maximum, int32_t position) override {
    gauge_max = maximum;
    gauge_pos = position;
  }
  int32_t gauge_position() const override { return gauge_pos; }
  void enable_button(bool enabled) override { button_enabled = enabled; }
  void set_status(const std::string& text) override { status = text; }
  void open_page(const std::string& url) override { opened.push_back(url); }

  bool gauge_shown = false;
  int32_t gauge_max = 0;
  int32_t gauge_pos = 0;
  bool button_enabled = true;
  std::string status;
  std::vector<std::string> opened;
};

// The messages that name a path take it for their "%s".
std::string Message(std::string_view id) {
  const bool names_a_path = id == kUpdatePathUnreadableMessageId || id == kUninstallPathUnreadableMessageId;
  return "text of " + std::string(id) + (names_a_path ? ": %s" : "");
}

std::string Program() { return orvx::test::MinimalGuiProgram(); }

ScriptedReply Body(const std::string& body) {
  return ScriptedReply::Length(std::to_string(body.size()), {body});
}

class UpdateCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files::create_folder(dir / "prog"));
    ASSERT_TRUE(files::create_folder(dir / "temp"));
    ASSERT_TRUE(files::write_file(dir / "prog/OrvaneX.exe", "old program"));
  }
  std::unique_ptr<net::THTTPGet> Component() {
    return std::make_unique<net::THTTPGet>(http, std::make_unique<test::TestOwnerThread>());
  }
  void Offer(const std::string& version, const ScriptedReply& download) {
    http->Reply("/orvx/update.inf",
                Body("[Orvane]\r\nversion=" + version + "\r\nUP_INFOS=http://updates.test/news\r\n"
                     "DL_Url=http://updates.test/new.exe\r\n"));
    http->Reply("/new.exe", download);
  }
  std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (const auto& s : prompts.shown) texts.push_back(s.text);
    return texts;
  }

  test::TempFolder dir;
  std::shared_ptr<test::ScriptedHttp> http = std::make_shared<test::ScriptedHttp>();
  std::unique_ptr<net::THTTPGet> get_update = Component();
  std::unique_ptr<net::THTTPGet> get_download = Component();
  test::ScriptedPrompts prompts;
  RecordedControls controls;
  RecordedSystem system;
  UpdateCheck check{UpdateContext{*get_update, *get_download, prompts, Message, controls, system,
                                  "http://updates.test/orvx", "1.2.3.4", dir / "prog/OrvaneX.exe",
                                  dir / "temp/", kMachineI386}};
};

TEST_F(UpdateCheckTest, NewerVersionIsFetchedScriptedAndStarted) {
  Offer("1.2.3.5", Body(Program()));
  prompts.yes_no_answers.push_back(false);  // No to the information page
  EXPECT_EQ(check.Click(), UpdateEnd::kStarted);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"text of MSDLG_8", "text of MSDLG_15"}));
  EXPECT_TRUE(controls.opened.empty());
  EXPECT_EQ(files::read_file(dir / "temp/OrvaneX.tmp"), Program());
  EXPECT_EQ(system.log, (std::vector<std::string>{"temp name ORV", "clear OrvaneX.exe", "enter",
                                                  "start ORV1A.bat"}));
  EXPECT_TRUE(files::file_exists(dir / "temp/ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(dir / "temp/ORV1A.tmp"));
  const std::vector<net::HttpRequest> requests = http->requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].agent, "ORV6_update_info");
  EXPECT_EQ(requests[1].agent, "ORV6_download_get");
}

TEST_F(UpdateCheckTest, YesToTheQuestionOpensTheInformationPage) {
  Offer("2", Body(Program()));
  prompts.yes_no_answers.push_back(true);
  EXPECT_EQ(check.Click(), UpdateEnd::kStarted);
  EXPECT_EQ(controls.opened, std::vector<std::string>{"http://updates.test/news"});
}

struct RefusalCase {
  const char* what;
  std::string version;
  ScriptedReply download;
  std::vector<std::string> shown;
  int requests;
};

TEST_F(UpdateCheckTest, RefusalsKeepTheProgramRunningAndInstallNothing) {
  const RefusalCase cases[] = {
      {"same version", "1.2.3.4", Body(Program()), {}, 1},
      {"injected version", "1.2.3.5 & del x", Body(Program()), {}, 1},
      {"HTML as the program", "1.2.3.5", Body("<html>hello</html>"),
       {"text of MSDLG_8", "text of MSDLG_14"}, 2},
      {"404 for the program", "1.2.3.5", Body(Program()).WithStatus(404),
       {"text of MSDLG_8", "text of MSDLG_14"}, 2},
      {"program cut off", "1.2.3.5", ScriptedReply::Length("9999", {Program()}),
       {"text of MSDLG_8", "text of MSDLG_14"}, 2},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto before = http->requests().size();
    prompts.shown.clear();
    controls.status.clear();
    system.log.clear();
    Offer(c.version, c.download);
    EXPECT_NE(check.Click(), UpdateEnd::kStarted);
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(http->requests().size() - before, static_cast<size_t>(c.requests));
    if (c.requests == 1) {
      EXPECT_EQ(controls.status, "text of MSDLG_13");
    }
    EXPECT_FALSE(files::file_exists(dir / "temp/OrvaneX.tmp"));
    EXPECT_TRUE(system.log.empty());
    EXPECT_TRUE(controls.button_enabled);
    EXPECT_EQ(files::read_file(dir / "prog/OrvaneX.exe"), "old program");
  }
}

TEST_F(UpdateCheckTest, UnreachableServerShowsMessage14AndHidesTheGauge) {
  EXPECT_EQ(check.Click(), UpdateEnd::kNoUpdate);
  EXPECT_EQ(Shown(), std::vector<std::string>{"text of MSDLG_14"});
  EXPECT_FALSE(controls.gauge_shown);
  EXPECT_TRUE(controls.button_enabled);
}

TEST_F(UpdateCheckTest, ProgramFolderWithoutWriteAccessWritesNoScript) {
  Offer("1.2.3.5", Body(Program()));
  UpdateCheck elsewhere{UpdateContext{*get_update, *get_download, prompts, Message, controls, system,
                                      "http://updates.test/orvx", "1.2.3.4", dir / "gone/OrvaneX.exe",
                                      dir / "temp/", kMachineI386}};
  EXPECT_EQ(elsewhere.Click(), UpdateEnd::kNotStarted);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"text of MSDLG_8", "text of MSDLG_15_a"}));
  EXPECT_FALSE(files::file_exists(dir / "temp/ORV1A.bat"));
  EXPECT_EQ(system.log, std::vector<std::string>{"temp name ORV"});
}

// A portable program writes a script that starts the new one portable.
TEST_F(UpdateCheckTest, PortableProgramWritesAScriptThatKeepsItPortable) {
  Offer("1.2.3.5", Body(Program()));
  prompts.yes_no_answers.push_back(false);
  UpdateContext context{*get_update, *get_download, prompts, Message, controls, system,
                        "http://updates.test/orvx", "1.2.3.4", dir / "prog/OrvaneX.exe",
                        dir / "temp/", kMachineI386};
  context.start_mode = StartMode::kPortable;
  UpdateCheck portable{context};
  EXPECT_EQ(portable.Click(), UpdateEnd::kStarted);
  ScriptPaths paths{dir / "prog/OrvaneX.exe", dir / "temp/", dir / "temp/ORV1A.bat", ""};
  EXPECT_EQ(files::read_file(dir / "temp/ORV1A.bat"), update_script(paths, "1.2.3.5", StartMode::kPortable));
}

// A temporary folder under a name with a letter the console has no byte
// for: the user is told which path, and nothing is written or started.
TEST_F(UpdateCheckTest, PathTheConsoleCannotReadIsNamedAndNothingStarts) {
  const std::string temp = dir / "Temp \x80/";
  ASSERT_TRUE(files::create_folder(temp));
  http->Reply("/orvx/update.inf", Body("[Orvane]\r\nversion=1.2.3.5\r\nDL_Url=http://updates.test/new.exe\r\n"));
  http->Reply("/new.exe", Body(Program()));
  prompts.yes_no_answers.push_back(false);
  UpdateCheck euro{UpdateContext{*get_update, *get_download, prompts, Message, controls, system,
                                 "http://updates.test/orvx", "1.2.3.4", dir / "prog/OrvaneX.exe", temp,
                                 kMachineI386}};
  EXPECT_EQ(euro.Click(), UpdateEnd::kNotStarted);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"text of MSDLG_8", "text of MSDLG_15_b: " + temp}));
  EXPECT_EQ(system.log, std::vector<std::string>{"temp name ORV"});
  EXPECT_FALSE(files::file_exists(temp + "ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(temp + "ORV1A.tmp"));
  EXPECT_EQ(files::read_file(dir / "prog/OrvaneX.exe"), "old program");
}

class UninstallFlowTest : public ::testing::Test {
 protected:
  UninstallEnd Run(const std::string& data_folder) {
    ScriptPaths paths;
    paths.program = dir / "OrvaneX.exe";
    paths.temp_folder = dir.path();
    paths.data_folder = data_folder;
    return run_uninstall({prompts, Message, system, [this] { ++links_deleted; }}, paths);
  }
  std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (const auto& s : prompts.shown) texts.push_back(s.text);
    return texts;
  }

  test::TempFolder dir;
  test::ScriptedPrompts prompts;
  RecordedSystem system;
  int links_deleted = 0;
};

TEST_F(UninstallFlowTest, NoRemovesNothingAndShowsNothingMore) {
  prompts.yes_no_answers.push_back(false);
  EXPECT_EQ(Run("C:\\Data\\Quillfen\\OrvaneX\\"), UninstallEnd::kDeclined);
  EXPECT_EQ(Shown(), std::vector<std::string>{"text of MSDLG_12"});
  EXPECT_EQ(links_deleted, 0);
  EXPECT_TRUE(system.log.empty());
}

TEST_F(UninstallFlowTest, YesWritesAndStartsTheScript) {
  prompts.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\Data\\Quillfen\\OrvaneX\\"), UninstallEnd::kStarted);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"text of MSDLG_12", "text of MSDLG_9"}));
  EXPECT_EQ(links_deleted, 1);
  EXPECT_EQ(system.log, (std::vector<std::string>{"temp name uis", "clear OrvaneX.exe", "enter",
                                                  "start uis1A.bat"}));
  EXPECT_TRUE(files::file_exists(dir / "uis1A.bat"));
  EXPECT_FALSE(files::file_exists(dir / "uis1A.tmp"));
}

TEST_F(UninstallFlowTest, UnsafeDataFolderWritesNoScript) {
  prompts.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\"), UninstallEnd::kRefused);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"text of MSDLG_12", "text of MSDLG_10"}));
  EXPECT_EQ(system.log, std::vector<std::string>{"temp name uis"});
  EXPECT_EQ(links_deleted, 0);
  EXPECT_FALSE(files::file_exists(dir / "uis1A.bat"));
  EXPECT_FALSE(files::file_exists(dir / "uis1A.tmp"));
}

// A data folder under a name with a letter the console has no byte for:
// the user is told which path, and nothing is removed, not even the
// autostart shortcut.
TEST_F(UninstallFlowTest, PathTheConsoleCannotReadIsNamedAndNothingIsRemoved) {
  prompts.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\Preise in \x80\\Quillfen\\OrvaneX\\"), UninstallEnd::kRefused);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"text of MSDLG_12",
                                               "text of MSDLG_10_a: C:\\Preise in \x80\\Quillfen\\OrvaneX\\"}));
  EXPECT_EQ(links_deleted, 0);
  EXPECT_EQ(system.log, std::vector<std::string>{"temp name uis"});
  EXPECT_FALSE(files::file_exists(dir / "uis1A.bat"));
  EXPECT_FALSE(files::file_exists(dir / "uis1A.tmp"));
}

// The umlaut of a German profile is no reason to refuse: the console has it.
TEST_F(UninstallFlowTest, PathWithALetterTheConsoleHasIsUninstalled) {
  prompts.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\Dokumente und Einstellungen\\J\xFCrgen\\Anwendungsdaten\\Quillfen\\OrvaneX\\"),
            UninstallEnd::kStarted);
  EXPECT_NE(files::read_file(dir / "uis1A.bat").value_or("").find("\\J\x81rgen\\"), std::string::npos);
}

TEST_F(UninstallFlowTest, FolderThatCannotBeEnteredStartsNothing) {
  prompts.yes_no_answers.push_back(true);
  system.enter_succeeds = false;
  EXPECT_EQ(Run("C:\\Data\\Quillfen\\OrvaneX\\"), UninstallEnd::kNotStarted);
  EXPECT_FALSE(files::file_exists(dir / "uis1A.bat"));
  EXPECT_EQ(system.log.back(), "enter");
}

}  // namespace
}  // namespace orvx::update
