// The Language section over the real download component and a scripted
// HTTP stack: what is fetched, asked, shown and installed, step by step.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "lang_online/language_download.h"
#include "lang_online/language_section.h"
#include "platform/files.h"
#include "support/paths.h"
#include "support/scripted_http.h"
#include "support/scripted_prompts.h"
#include "support/test_owner_thread.h"
#include "platform/message_ids.h"

namespace orvx::lang_online {
namespace {

using test::ScriptedReply;

constexpr char kBase[] = "http://updates.test/orvx";
const std::string kPolski = "[INFOS]\r\nlang=polski\r\npublisher=Ola\r\norv_v=1.02\r\n";

ScriptedReply Body(const std::string& body) {
  return ScriptedReply::Length(std::to_string(body.size()), {body});
}

class LanguageSectionTest : public ::testing::Test {
 protected:
  LanguageSectionTest() {
    connect_language_section(*get_file, section);
    section.Shown();
  }

  // Lets the running fetch end and its events reach the section.
  void Finish() { ASSERT_TRUE(owner->PumpUntil([&] { return !get_file->Fetching(); })); }

  std::string LangFile(const std::string& name) { return data / ("lang/" + name + ".qlf"); }
  std::vector<std::string> RequestedPaths() {
    std::vector<std::string> paths;
    for (const net::HttpRequest& r : http->requests()) paths.push_back(r.path);
    return paths;
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (const LanguageRow& row : section.view().rows) captions.push_back(row.lang);
    return captions;
  }
  // Fetches the catalogue `body`, answering Yes to the question.
  void ShowCatalogue(const std::string& body) {
    http->Reply("/orvx/lang.dat", Body(body));
    prompts.yes_no_answers.push_back(true);
    section.FindClicked();
    Finish();
  }
  // Chooses entry `index`, answering Yes to the download question.
  void Download(size_t index) {
    prompts.yes_no_answers.push_back(true);
    section.EntryChosen(index);
    if (get_file->Fetching()) Finish();
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& shown : prompts.shown) {
      if (shown.kind == "message") texts.push_back(shown.text);
    }
    return texts;
  }

  std::unique_ptr<net::HttpDownload> MakeComponent() {
    auto link = std::make_unique<test::TestOwnerThread>();
    owner = link.get();
    return std::make_unique<net::HttpDownload>(http, std::move(link));
  }

  test::TempFolder data;
  std::shared_ptr<test::ScriptedHttp> http = std::make_shared<test::ScriptedHttp>();
  test::TestOwnerThread* owner = nullptr;
  std::unique_ptr<net::HttpDownload> get_file = MakeComponent();
  HttpGetLanguageFetcher fetcher{*get_file};
  test::ScriptedPrompts prompts;
  std::string base = kBase;  // the configured update server
  LanguageSection section{SectionContext{
      fetcher, prompts,
      [](MessageId id) {
        // The messages that name a language or a file carry it after a colon.
        const bool detailed = id == message_ids::kNotTheLanguage || id == message_ids::kFileNotWritten;
        return "text of " + std::string(id.text()) + (detailed ? ": %s" : "");
      },
      [this] { return base; }, data.path()}};
};

TEST_F(LanguageSectionTest, FindAskFetchShowDownloadAndRefill) {
  EXPECT_EQ(section.view().state, SectionState::kIdle);
  EXPECT_TRUE(section.view().find_enabled);
  EXPECT_FALSE(section.view().download_controls_visible);
  EXPECT_EQ(Captions(), std::vector<std::string>{"german"});

  ShowCatalogue("polski, dansk,\r\n");
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "text of MSDLG_6");
  const net::HttpRequest catalogue = http->requests().at(0);
  EXPECT_EQ(catalogue.agent, "ORVX_LANG");
  EXPECT_EQ(catalogue.referer, "ORVX");
  EXPECT_EQ(catalogue.accept_types, "*/*");
  EXPECT_TRUE(catalogue.reload);
  EXPECT_EQ(section.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(section.view().entries, (std::vector<std::string>{"polski", " dansk", ""}));
  EXPECT_TRUE(section.view().download_controls_visible);
  EXPECT_TRUE(section.view().progress_visible);
  EXPECT_FALSE(section.view().find_enabled);

  http->Reply("/orvx/files/lang/polski.qlf", Body(kPolski));
  Download(0);
  EXPECT_EQ(prompts.shown.back().text, "Language \"polski\" download?\rNo data will transfer! Further?");
  EXPECT_EQ(files::read_file(LangFile("polski")), kPolski);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"german", "polski"}));
  EXPECT_EQ(section.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(section.view().progress_position, 0);
  EXPECT_FALSE(section.view().find_enabled);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(LanguageSectionTest, EachFetchAsksForTheServerAnew) {
  ShowCatalogue("polski");
  base = "http://mirror.test/other";
  http->Reply("/other/files/lang/polski.qlf", Body(kPolski));
  Download(0);
  EXPECT_EQ(RequestedPaths(), (std::vector<std::string>{"/orvx/lang.dat", "/other/files/lang/polski.qlf"}));
  EXPECT_EQ(http->requests().back().host, "mirror.test");
  EXPECT_EQ(files::read_file(LangFile("polski")), kPolski);
}

TEST_F(LanguageSectionTest, FindStaysDisabledForTheRunAfterACatalogue) {
  ShowCatalogue("polski");
  section.Closed();
  EXPECT_FALSE(section.view().download_controls_visible);
  EXPECT_FALSE(section.view().progress_visible);
  section.Shown();
  EXPECT_EQ(section.view().state, SectionState::kIdle);
  EXPECT_FALSE(section.view().find_enabled);
  section.FindClicked();  // a disabled button does nothing
  EXPECT_EQ(http->requests().size(), 1u);
}

TEST_F(LanguageSectionTest, NoToTheQuestionsFetchesNothing) {
  prompts.yes_no_answers.push_back(false);
  section.FindClicked();
  EXPECT_TRUE(http->requests().empty());
  EXPECT_TRUE(section.view().find_enabled);
  EXPECT_EQ(section.view().state, SectionState::kIdle);

  ShowCatalogue("polski");
  prompts.yes_no_answers.push_back(false);
  section.EntryChosen(0);
  EXPECT_EQ(http->requests().size(), 1u);
}

TEST_F(LanguageSectionTest, EmptyCatalogueShowsNothingAndKeepsFindDisabled) {
  ShowCatalogue(" \r\n");
  EXPECT_EQ(section.view().state, SectionState::kFetchingCatalogue);
  EXPECT_FALSE(section.view().download_controls_visible);
  EXPECT_TRUE(section.view().entries.empty());
  EXPECT_FALSE(section.view().find_enabled);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(LanguageSectionTest, CatalogueErrorsEnableFindAndTellTheUser) {
  const ScriptedReply failures[] = {
      ScriptedReply::Length("9", {"not found"}).WithStatus(404),
      ScriptedReply::Unprepared(),
      ScriptedReply::Length("100", {"cut"}),
  };
  for (const ScriptedReply& failure : failures) {
    http->Reply("/orvx/lang.dat", failure);
    prompts.yes_no_answers.push_back(true);
    prompts.shown.clear();
    section.FindClicked();
    Finish();
    EXPECT_EQ(section.view().state, SectionState::kAfterError);
    EXPECT_TRUE(section.view().find_enabled);
    EXPECT_EQ(Messages(), std::vector<std::string>{kFetchErrorMessage});
  }
}

// A download that fails, or is no language file for the chosen name, leaves
// an earlier installed file of that name as it was, byte for byte.
TEST_F(LanguageSectionTest, FailedDownloadsKeepTheInstalledFile) {
  const std::string installed = "[INFOS]\r\nlang=polski\r\npublisher=Earlier\r\norv_v=1.01\r\n";
  // A failure on the way blames the connection; a file that arrived whole
  // but is no polski language file says so.
  const std::string not_polski = "text of MSDLG_6_a: polski";
  const struct {
    const char* what;
    ScriptedReply reply;
    std::string message;
  } cases[] = {
      {"404 page", ScriptedReply::Length("9", {"not found"}).WithStatus(404), kFetchErrorMessage},
      {"cut off", ScriptedReply::Length("500", {kPolski}), kFetchErrorMessage},
      {"stalled", ScriptedReply::Length("500", {kPolski}).StallsAtEnd(), kFetchErrorMessage},
      {"no server", ScriptedReply::Unprepared(), kFetchErrorMessage},
      {"no INFOS", Body("[misc]\r\nlang=polski\r\n"), not_polski},
      {"another language", Body("[INFOS]\r\nlang=dansk\r\n"), not_polski},
      {"NUL bytes", Body(kPolski + std::string(3, '\0')), not_polski},
  };
  ShowCatalogue("polski");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(files::create_folders(data / "lang"));
    ASSERT_TRUE(files::write_file(LangFile("polski"), installed));
    http->Reply("/orvx/files/lang/polski.qlf", c.reply);
    prompts.shown.clear();
    Download(0);
    EXPECT_EQ(files::read_file(LangFile("polski")), installed);
    EXPECT_EQ(files::list_folder(data / "lang", "*").size(), 3u);  // ".", ".." and the file
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(section.view().state, SectionState::kAfterError);
    EXPECT_TRUE(section.view().find_enabled);
  }
}

// A language file that cannot be stored is this machine's fault: the
// message names the file instead of blaming the connection.
TEST_F(LanguageSectionTest, ADownloadThatCannotBeStoredNamesTheFile) {
  ShowCatalogue("polski");
  // A folder stands where the file would go.
  ASSERT_TRUE(files::create_folders(data / "lang/polski.qlf/inside"));
  http->Reply("/orvx/files/lang/polski.qlf", Body(kPolski));
  prompts.shown.clear();
  Download(0);
  EXPECT_EQ(Messages(), std::vector<std::string>{"text of MSDLG_14_b: " + LangFile("polski")});
  EXPECT_EQ(section.view().state, SectionState::kAfterError);
}

// Refilling the dialog (showing it again, or an import) while a fetch runs
// leaves the section with the fetch: no second request can be started and
// then be dropped by the busy component.
TEST_F(LanguageSectionTest, ARefillWhileTheCatalogueIsFetchedKeepsTheSectionBusy) {
  auto gate = std::make_shared<test::Gate>();
  http->Reply("/orvx/lang.dat", Body("polski").HoldBefore(0, gate));
  prompts.yes_no_answers.push_back(true);
  section.FindClicked();
  ASSERT_TRUE(gate->WaitReached());
  section.Shown();
  EXPECT_EQ(section.view().state, SectionState::kFetchingCatalogue);
  EXPECT_FALSE(section.view().find_enabled);
  prompts.yes_no_answers.push_back(true);
  section.FindClicked();
  EXPECT_EQ(prompts.shown.size(), 1u);  // no second question
  gate->Open();
  Finish();
  EXPECT_EQ(section.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(section.view().entries, std::vector<std::string>{"polski"});
  EXPECT_EQ(http->requests().size(), 1u);
}

TEST_F(LanguageSectionTest, ARefillWhileALanguageDownloadsKeepsTheDownloadShown) {
  ShowCatalogue("polski,dansk");
  auto gate = std::make_shared<test::Gate>();
  http->Reply("/orvx/files/lang/polski.qlf", Body(kPolski).HoldBefore(0, gate));
  prompts.yes_no_answers.push_back(true);
  section.EntryChosen(0);
  ASSERT_TRUE(gate->WaitReached());
  section.Closed();
  section.Shown();
  EXPECT_EQ(section.view().state, SectionState::kDownloading);
  EXPECT_FALSE(section.view().find_enabled);
  EXPECT_TRUE(section.view().download_controls_visible);
  EXPECT_TRUE(section.view().progress_visible);
  const size_t asked = prompts.shown.size();
  prompts.yes_no_answers.push_back(true);
  section.EntryChosen(1);
  EXPECT_EQ(prompts.shown.size(), asked);  // nothing asked, nothing started
  gate->Open();
  Finish();
  EXPECT_EQ(section.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(files::read_file(LangFile("polski")), kPolski);
  EXPECT_FALSE(files::file_exists(LangFile("dansk")));
  EXPECT_EQ(RequestedPaths(), (std::vector<std::string>{"/orvx/lang.dat", "/orvx/files/lang/polski.qlf"}));
}

TEST_F(LanguageSectionTest, UnsafeNamesAreListedButRefusedWithoutAFetch) {
  ShowCatalogue("..\\..\\evil,CON,,a/b");
  EXPECT_EQ(section.view().entries, (std::vector<std::string>{"..\\..\\evil", "CON", "", "a/b"}));
  for (size_t i = 0; i < section.view().entries.size(); ++i) {
    SCOPED_TRACE(section.view().entries[i]);
    prompts.shown.clear();
    section.EntryChosen(i);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("cannot be downloaded"), std::string::npos);
    EXPECT_FALSE(get_file->Fetching());
  }
  EXPECT_EQ(RequestedPaths(), std::vector<std::string>{"/orvx/lang.dat"});
  EXPECT_FALSE(files::folder_exists(data / "lang"));
}

TEST_F(LanguageSectionTest, BlankInANameStaysInTheAddressAndFileName) {
  const std::string body = "[INFOS]\r\nlang=Portugues do Brasil\r\n";
  ShowCatalogue("polski,Portugues do Brasil");
  http->Reply("/orvx/files/lang/Portugues do Brasil.qlf", Body(body));
  Download(1);
  EXPECT_EQ(RequestedPaths().back(), "/orvx/files/lang/Portugues do Brasil.qlf");
  EXPECT_EQ(files::read_file(LangFile("Portugues do Brasil")), body);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace orvx::lang_online
