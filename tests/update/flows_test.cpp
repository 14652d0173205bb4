// The update button's and the uninstall button's flows over the real
// download components, a scripted HTTP stack and recorded system steps.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "support/eventually.h"
#include "support/paths.h"
#include "minimal_program.h"
#include "support/scripted_http.h"
#include "support/scripted_prompts.h"
#include "support/test_owner_thread.h"
#include "update/program_check.h"
#include "update/script_files.h"
#include "update/uninstall_flow.h"
#include "update/update_check.h"
#include "platform/message_ids.h"

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
  void set_busy(bool on) override { busy = on; }
  void set_status(const std::string& text) override { status = text; }
  void open_page(const std::string& url) override { opened.push_back(url); }

  bool gauge_shown = false;
  int32_t gauge_max = 0;
  int32_t gauge_pos = 0;
  bool busy = false;
  std::string status;
  std::vector<std::string> opened;
};

// The messages that name a file or a path take it for their "%s".
std::string message(MessageId id) {
  const bool names_a_path = id == message_ids::kFileNotWritten || id == message_ids::kUpdatePathUnreadable ||
                            id == message_ids::kUninstallPathUnreadable;
  return "text of " + std::string(id.text()) + (names_a_path ? ": %s" : "");
}

std::string program() { return orvx::test::minimal_gui_program(); }

ScriptedReply body(const std::string& body) { return ScriptedReply::length(std::to_string(body.size()), {body}); }

// Prompts that can run something while a question is open, as a user's
// closing of the dialog would.
struct QuestionPrompts : test::ScriptedPrompts {
  bool ask_yes_no(const std::string& text) override {
    if (during_question) std::exchange(during_question, nullptr)();
    return ScriptedPrompts::ask_yes_no(text);
  }
  std::function<void()> during_question;
};

class UpdateCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(files::create_folder(dir_ / "prog"));
    ASSERT_TRUE(files::create_folder(dir_ / "temp"));
    ASSERT_TRUE(files::write_file(dir_ / "prog/OrvaneX.exe", "old program"));
    make(dir_ / "prog/OrvaneX.exe", dir_ / "temp/");
  }
  void make(const std::string& program, const std::string& temp_folder, StartMode start_mode = StartMode::kNormal) {
    check_.reset();
    check_.emplace(UpdateContext{.get_update = *get_update_,
                                 .get_download = *get_download_,
                                 .prompts = prompts_,
                                 .message = message,
                                 .controls = controls_,
                                 .system = system_,
                                 .server_base = [] { return std::string("http://updates.test/orvx"); },
                                 .own_version = "1.2.3.4",
                                 .program = program,
                                 .temp_folder = temp_folder,
                                 .machine = kMachineI386,
                                 .start_mode = start_mode,
                                 .script_started = [this] { ++scripts_started_; }});
  }
  std::unique_ptr<net::HttpDownload> component(test::TestOwnerThread*& owner) {
    auto link = std::make_unique<test::TestOwnerThread>();
    owner = link.get();
    return std::make_unique<net::HttpDownload>(http_, std::move(link));
  }
  void offer(const std::string& version, const ScriptedReply& download,
             const std::string& up_infos = "http://updates.test/news") {
    http_->reply("/orvx/update.inf", body("[Orvane]\r\nversion=" + version + "\r\nUP_INFOS=" + up_infos +
                                          "\r\n"
                                          "DL_Url=http://updates.test/new.exe\r\n"));
    http_->reply("/new.exe", download);
  }
  // Runs the components' events until `done`, or until no fetch runs.
  bool settle(const std::function<bool()>& done = [] { return false; }) {
    while (!done()) {
      test::TestOwnerThread* owner = get_update_->fetching()     ? update_owner_
                                     : get_download_->fetching() ? download_owner_
                                                                 : nullptr;
      if (!owner) return true;
      net::HttpDownload& running = owner == update_owner_ ? *get_update_ : *get_download_;
      if (!owner->pump_until([&] { return done() || !running.fetching(); })) return false;
    }
    return true;
  }
  // A whole check, from the click to its end.
  UpdateState Run() {
    EXPECT_TRUE(check_->click());
    EXPECT_TRUE(settle());
    return check_->state();
  }
  std::vector<std::string> shown() {
    std::vector<std::string> texts;
    for (const auto& s : prompts_.shown) texts.push_back(s.text);
    return texts;
  }

  test::TempFolder dir_;
  std::shared_ptr<test::ScriptedHttp> http_ = std::make_shared<test::ScriptedHttp>();
  test::TestOwnerThread* update_owner_ = nullptr;
  test::TestOwnerThread* download_owner_ = nullptr;
  std::unique_ptr<net::HttpDownload> get_update_ = component(update_owner_);
  std::unique_ptr<net::HttpDownload> get_download_ = component(download_owner_);
  QuestionPrompts prompts_;
  RecordedControls controls_;
  RecordedSystem system_;
  int scripts_started_ = 0;
  std::optional<UpdateCheck> check_;
};

TEST_F(UpdateCheckTest, NewerVersionIsFetchedScriptedAndStarted) {
  offer("1.2.3.5", body(program()));
  prompts_.yes_no_answers.push_back(false);  // No to the information page
  EXPECT_EQ(Run(), UpdateState::kStarted);
  EXPECT_EQ(scripts_started_, 1);
  EXPECT_EQ(shown(), (std::vector<std::string>{"text of MSDLG_8", "text of MSDLG_15"}));
  EXPECT_TRUE(controls_.opened.empty());
  EXPECT_EQ(files::read_file(dir_ / "temp/OrvaneX.tmp"), program());
  EXPECT_EQ(system_.log, (std::vector<std::string>{"temp name ORV", "clear OrvaneX.exe", "enter", "start ORV1A.bat"}));
  EXPECT_TRUE(files::file_exists(dir_ / "temp/ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.tmp"));
  const std::vector<net::HttpRequest> requests = http_->requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].agent, "ORV6_update_info");
  EXPECT_EQ(requests[1].agent, "ORV6_download_get");
}

TEST_F(UpdateCheckTest, ClickReturnsAtOnceAndTheButtonsWaitForTheEnd) {
  auto gate = std::make_shared<test::Gate>();
  offer("1.2.3.4", body(program()));
  http_->reply("/orvx/update.inf", body("[Orvane]\r\nversion=1.2.3.4\r\n").hold_before(0, gate));
  ASSERT_TRUE(check_->click());
  // The information is still on its way: the click has returned.
  ASSERT_TRUE(gate->wait_reached());
  EXPECT_EQ(check_->state(), UpdateState::kFetchingInformation);
  EXPECT_TRUE(controls_.busy);
  EXPECT_TRUE(controls_.gauge_shown);
  EXPECT_FALSE(check_->click());  // a second click starts nothing
  gate->open();
  ASSERT_TRUE(settle());
  EXPECT_EQ(check_->state(), UpdateState::kIdle);
  EXPECT_FALSE(controls_.busy);
  EXPECT_EQ(controls_.status, "text of MSDLG_13");
  EXPECT_EQ(http_->requests().size(), 1u);
}

TEST_F(UpdateCheckTest, YesToTheQuestionOpensTheInformationPage) {
  offer("2", body(program()));
  prompts_.yes_no_answers.push_back(true);
  EXPECT_EQ(Run(), UpdateState::kStarted);
  EXPECT_EQ(controls_.opened, std::vector<std::string>{"http://updates.test/news"});
}

// The information page comes from the network: anything but a web page is
// neither offered nor opened, and the update goes on without it.
TEST_F(UpdateCheckTest, AnInformationPageThatIsNoWebPageIsNeitherOfferedNorOpened) {
  const std::string addresses[] = {"file:///C:/WINDOWS/system32/calc.exe", "C:\\WINDOWS\\notepad.exe",
                                   "\\\\server\\share\\setup.exe", "javascript:alert(1)"};
  for (const std::string& address : addresses) {
    SCOPED_TRACE(address);
    prompts_.shown.clear();
    offer("1.2.3.5", body(program()), address);
    prompts_.yes_no_answers.push_back(true);
    EXPECT_EQ(Run(), UpdateState::kStarted);
    EXPECT_EQ(shown(), std::vector<std::string>{"text of MSDLG_15"});
    EXPECT_TRUE(controls_.opened.empty());
    prompts_.yes_no_answers.clear();
    make(dir_ / "prog/OrvaneX.exe", dir_ / "temp/");
  }
}

struct RefusalCase {
  const char* what;
  ScriptedReply information;
  ScriptedReply download;
  std::vector<std::string> shown;
  std::string status;
  int requests;
};

TEST_F(UpdateCheckTest, RefusalsKeepTheProgramRunningAndSayWhatFailed) {
  auto info = [](const std::string& version) {
    return body("[Orvane]\r\nversion=" + version + "\r\nDL_Url=http://updates.test/new.exe\r\n");
  };
  const std::vector<std::string> no_check = {"text of MSDLG_13_a"};
  const RefusalCase cases[] = {
      {"same version", info("1.2.3.4"), body(program()), {}, "text of MSDLG_13", 1},
      {"older version", info("1.2.3"), body(program()), {}, "text of MSDLG_13", 1},
      {"injected version", info("1.2.3.5 & del x"), body(program()), no_check, "", 1},
      {"no version at all", body("[Orvane]\r\nDL_Url=http://updates.test/new.exe\r\n"), body(program()), no_check, "",
       1},
      {"an error page sent as a success", body("<html><body>Proxy error</body></html>"), body(program()), no_check, "",
       1},
      {"the information cut off",
       ScriptedReply::length("500", {"[Orvane]\r\n"}),
       body(program()),
       {"text of MSDLG_14"},
       "",
       1},
      {"HTML as the program",
       info("1.2.3.5"),
       body("<html>hello</html>"),
       {"text of MSDLG_8", "text of MSDLG_14_a"},
       "",
       2},
      {"404 for the program",
       info("1.2.3.5"),
       body(program()).with_status(404),
       {"text of MSDLG_8", "text of MSDLG_14"},
       "",
       2},
      {"program cut off",
       info("1.2.3.5"),
       ScriptedReply::length("9999", {program()}),
       {"text of MSDLG_8", "text of MSDLG_14"},
       "",
       2},
      {"program stalled",
       info("1.2.3.5"),
       ScriptedReply::length("9999", {program()}).stalls_at_end(),
       {"text of MSDLG_8", "text of MSDLG_14"},
       "",
       2},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto before = http_->requests().size();
    prompts_.shown.clear();
    controls_.status.clear();
    system_.log.clear();
    http_->reply("/orvx/update.inf", c.information);
    http_->reply("/new.exe", c.download);
    EXPECT_EQ(Run(), UpdateState::kIdle);
    EXPECT_EQ(shown(), c.shown);
    EXPECT_EQ(controls_.status, c.status);
    EXPECT_EQ(http_->requests().size() - before, static_cast<size_t>(c.requests));
    EXPECT_FALSE(files::file_exists(dir_ / "temp/OrvaneX.tmp"));
    EXPECT_TRUE(system_.log.empty());
    EXPECT_FALSE(controls_.busy);
    EXPECT_FALSE(controls_.gauge_shown);
    EXPECT_EQ(scripts_started_, 0);
    EXPECT_EQ(files::read_file(dir_ / "prog/OrvaneX.exe"), "old program");
  }
}

TEST_F(UpdateCheckTest, UnreachableServerShowsMessage14AndHidesTheGauge) {
  EXPECT_EQ(Run(), UpdateState::kIdle);
  EXPECT_EQ(shown(), std::vector<std::string>{"text of MSDLG_14"});
  EXPECT_FALSE(controls_.gauge_shown);
  EXPECT_FALSE(controls_.busy);
}

// A temporary folder that takes no file is this machine's fault: the
// message names the file instead of blaming the connection.
TEST_F(UpdateCheckTest, FilesThatCannotBeWrittenAreNamed) {
  offer("1.2.3.5", body(program()));
  make(dir_ / "prog/OrvaneX.exe", dir_ / "no-temp/");
  EXPECT_EQ(Run(), UpdateState::kIdle);
  EXPECT_EQ(shown(), std::vector<std::string>{"text of MSDLG_14_b: " + dir_ / "no-temp/update.dat"});

  // The information arrives, the program cannot be stored: a folder stands
  // where the download would go.
  prompts_.shown.clear();
  ASSERT_TRUE(files::create_folders(dir_ / "temp/OrvaneX.tmp/inside"));
  make(dir_ / "prog/OrvaneX.exe", dir_ / "temp/");
  EXPECT_EQ(Run(), UpdateState::kIdle);
  EXPECT_EQ(shown(), (std::vector<std::string>{"text of MSDLG_8", "text of MSDLG_14_b: " + dir_ / "temp/OrvaneX.tmp"}));
  EXPECT_TRUE(system_.log.empty());
}

TEST_F(UpdateCheckTest, ProgramFolderWithoutWriteAccessWritesNoScript) {
  offer("1.2.3.5", body(program()));
  make(dir_ / "gone/OrvaneX.exe", dir_ / "temp/");
  EXPECT_EQ(Run(), UpdateState::kIdle);
  EXPECT_EQ(shown(), (std::vector<std::string>{"text of MSDLG_8", "text of MSDLG_15_a"}));
  EXPECT_FALSE(files::file_exists(dir_ / "temp/ORV1A.bat"));
  EXPECT_EQ(system_.log, std::vector<std::string>{"temp name ORV"});
  EXPECT_EQ(scripts_started_, 0);
}

// Closing the dialog stops the check wherever it is: nothing is installed,
// nothing fetched stays behind, nothing is said, and the buttons come back
// once the component has ended.
TEST_F(UpdateCheckTest, StopWhileTheInformationIsOnItsWay) {
  auto gate = std::make_shared<test::Gate>();
  offer("1.2.3.5", body(program()));
  http_->reply("/orvx/update.inf", body("[Orvane]\r\nversion=1.2.3.5\r\n").hold_before(0, gate));
  ASSERT_TRUE(check_->click());
  ASSERT_TRUE(gate->wait_reached());
  check_->stop();
  EXPECT_EQ(check_->state(), UpdateState::kStopping);
  EXPECT_TRUE(controls_.busy);
  gate->open();
  ASSERT_TRUE(settle());
  EXPECT_EQ(check_->state(), UpdateState::kIdle);
  EXPECT_FALSE(controls_.busy);
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(http_->requests().size(), 1u);
  EXPECT_FALSE(files::file_exists(net::partial_file_name(dir_ / "temp/update.dat")));
}

TEST_F(UpdateCheckTest, StopWhileTheProgramDownloads) {
  auto gate = std::make_shared<test::Gate>();
  const std::string program_bytes = program();
  offer("1.2.3.5", ScriptedReply::length(std::to_string(program_bytes.size()),
                                         {program_bytes.substr(0, 100), program_bytes.substr(100)})
                       .hold_before(1, gate));
  ASSERT_TRUE(check_->click());
  // The first piece is in, and shown; the worker waits at the gate.
  ASSERT_TRUE(settle([&] { return controls_.gauge_pos == 100; }));
  ASSERT_TRUE(gate->wait_reached());
  check_->stop();
  gate->open();
  ASSERT_TRUE(settle());
  EXPECT_EQ(check_->state(), UpdateState::kIdle);
  EXPECT_EQ(shown(), std::vector<std::string>{"text of MSDLG_8"});
  EXPECT_EQ(scripts_started_, 0);
  EXPECT_TRUE(system_.log.empty());
  EXPECT_FALSE(files::file_exists(dir_ / "temp/OrvaneX.tmp"));
  EXPECT_FALSE(files::file_exists(net::partial_file_name(dir_ / "temp/OrvaneX.tmp")));
  EXPECT_FALSE(controls_.busy);
}

TEST_F(UpdateCheckTest, StopDuringTheQuestionFetchesNoProgram) {
  offer("1.2.3.5", body(program()));
  prompts_.during_question = [&] { check_->stop(); };
  prompts_.yes_no_answers.push_back(true);
  EXPECT_EQ(Run(), UpdateState::kIdle);
  EXPECT_EQ(http_->requests().size(), 1u);
  EXPECT_EQ(scripts_started_, 0);
  EXPECT_FALSE(files::file_exists(dir_ / "temp/OrvaneX.tmp"));
  EXPECT_FALSE(controls_.busy);
}

// The download was complete before the stop took effect: it is removed,
// never installed.
TEST_F(UpdateCheckTest, AProgramThatArrivesAfterTheStopIsRemoved) {
  offer("1.2.3.5", body(program()));
  // Without progress events the worker runs to its end unasked.
  get_download_->on_progress = nullptr;
  ASSERT_TRUE(check_->click());
  ASSERT_TRUE(settle([&] { return check_->state() == UpdateState::kDownloading; }));
  // The program's file is complete; its outcome waits for the loop.
  ASSERT_TRUE(test::eventually([&] { return files::file_exists(dir_ / "temp/OrvaneX.tmp"); }));
  check_->stop();
  ASSERT_TRUE(settle());
  EXPECT_EQ(check_->state(), UpdateState::kIdle);
  EXPECT_EQ(scripts_started_, 0);
  EXPECT_TRUE(system_.log.empty());
  EXPECT_FALSE(files::file_exists(dir_ / "temp/OrvaneX.tmp"));
}

// A portable program writes a script that starts the new one portable.
TEST_F(UpdateCheckTest, PortableProgramWritesAScriptThatKeepsItPortable) {
  make(dir_ / "prog/OrvaneX.exe", dir_ / "temp/", StartMode::kPortable);
  offer("1.2.3.5", body(program()));
  prompts_.yes_no_answers.push_back(false);
  EXPECT_EQ(Run(), UpdateState::kStarted);
  ScriptPaths paths{dir_ / "prog/OrvaneX.exe", dir_ / "temp/", dir_ / "temp/ORV1A.bat", ""};
  EXPECT_EQ(files::read_file(dir_ / "temp/ORV1A.bat"), update_script(paths, "1.2.3.5", StartMode::kPortable));
}

// A temporary folder under a name with a letter the console has no byte
// for: the user is told which path, and nothing is written or started.
TEST_F(UpdateCheckTest, PathTheConsoleCannotReadIsNamedAndNothingStarts) {
  const std::string temp = dir_ / "Temp \x80/";
  ASSERT_TRUE(files::create_folder(temp));
  make(dir_ / "prog/OrvaneX.exe", temp);
  offer("1.2.3.5", body(program()));
  prompts_.yes_no_answers.push_back(false);
  EXPECT_NE(Run(), UpdateState::kStarted);
  EXPECT_EQ(scripts_started_, 0);
  EXPECT_EQ(shown(), (std::vector<std::string>{"text of MSDLG_8", "text of MSDLG_15_b: " + temp}));
  EXPECT_EQ(system_.log, std::vector<std::string>{"temp name ORV"});
  EXPECT_FALSE(files::file_exists(temp + "ORV1A.bat"));
  EXPECT_FALSE(files::file_exists(temp + "ORV1A.tmp"));
  EXPECT_EQ(files::read_file(dir_ / "prog/OrvaneX.exe"), "old program");
}

class UninstallFlowTest : public ::testing::Test {
 protected:
  UninstallEnd Run(const std::string& data_folder) {
    ScriptPaths paths;
    paths.program = dir_ / "OrvaneX.exe";
    paths.temp_folder = dir_.path();
    paths.data_folder = data_folder;
    return run_uninstall({prompts_, message, system_, [this] { ++links_deleted_; }}, paths);
  }
  std::vector<std::string> shown() {
    std::vector<std::string> texts;
    for (const auto& s : prompts_.shown) texts.push_back(s.text);
    return texts;
  }

  test::TempFolder dir_;
  test::ScriptedPrompts prompts_;
  RecordedSystem system_;
  int links_deleted_ = 0;
};

TEST_F(UninstallFlowTest, NoRemovesNothingAndShowsNothingMore) {
  prompts_.yes_no_answers.push_back(false);
  EXPECT_EQ(Run("C:\\Data\\Quillfen\\OrvaneX\\"), UninstallEnd::kDeclined);
  EXPECT_EQ(shown(), std::vector<std::string>{"text of MSDLG_12"});
  EXPECT_EQ(links_deleted_, 0);
  EXPECT_TRUE(system_.log.empty());
}

TEST_F(UninstallFlowTest, YesWritesAndStartsTheScript) {
  prompts_.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\Data\\Quillfen\\OrvaneX\\"), UninstallEnd::kStarted);
  EXPECT_EQ(shown(), (std::vector<std::string>{"text of MSDLG_12", "text of MSDLG_9"}));
  EXPECT_EQ(links_deleted_, 1);
  EXPECT_EQ(system_.log, (std::vector<std::string>{"temp name uis", "clear OrvaneX.exe", "enter", "start uis1A.bat"}));
  EXPECT_TRUE(files::file_exists(dir_ / "uis1A.bat"));
  EXPECT_FALSE(files::file_exists(dir_ / "uis1A.tmp"));
}

TEST_F(UninstallFlowTest, UnsafeDataFolderWritesNoScript) {
  prompts_.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\"), UninstallEnd::kRefused);
  EXPECT_EQ(shown(), (std::vector<std::string>{"text of MSDLG_12", "text of MSDLG_10"}));
  EXPECT_EQ(system_.log, std::vector<std::string>{"temp name uis"});
  EXPECT_EQ(links_deleted_, 0);
  EXPECT_FALSE(files::file_exists(dir_ / "uis1A.bat"));
  EXPECT_FALSE(files::file_exists(dir_ / "uis1A.tmp"));
}

// A data folder under a name with a letter the console has no byte for:
// the user is told which path, and nothing is removed, not even the
// autostart shortcut.
TEST_F(UninstallFlowTest, PathTheConsoleCannotReadIsNamedAndNothingIsRemoved) {
  prompts_.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\Preise in \x80\\Quillfen\\OrvaneX\\"), UninstallEnd::kRefused);
  EXPECT_EQ(shown(), (std::vector<std::string>{"text of MSDLG_12",
                                               "text of MSDLG_10_a: C:\\Preise in \x80\\Quillfen\\OrvaneX\\"}));
  EXPECT_EQ(links_deleted_, 0);
  EXPECT_EQ(system_.log, std::vector<std::string>{"temp name uis"});
  EXPECT_FALSE(files::file_exists(dir_ / "uis1A.bat"));
  EXPECT_FALSE(files::file_exists(dir_ / "uis1A.tmp"));
}

// The umlaut of a German profile is no reason to refuse: the console has it.
TEST_F(UninstallFlowTest, PathWithALetterTheConsoleHasIsUninstalled) {
  prompts_.yes_no_answers.push_back(true);
  EXPECT_EQ(Run("C:\\Dokumente und Einstellungen\\J\xFCrgen\\Anwendungsdaten\\Quillfen\\OrvaneX\\"),
            UninstallEnd::kStarted);
  EXPECT_NE(files::read_file(dir_ / "uis1A.bat").value_or("").find("\\J\x81rgen\\"), std::string::npos);
}

TEST_F(UninstallFlowTest, FolderThatCannotBeEnteredStartsNothing) {
  prompts_.yes_no_answers.push_back(true);
  system_.enter_succeeds = false;
  EXPECT_EQ(Run("C:\\Data\\Quillfen\\OrvaneX\\"), UninstallEnd::kNotStarted);
  EXPECT_FALSE(files::file_exists(dir_ / "uis1A.bat"));
  EXPECT_EQ(system_.log.back(), "enter");
}

}  // namespace
}  // namespace orvx::update
