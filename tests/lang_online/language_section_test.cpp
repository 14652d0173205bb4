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

ScriptedReply reply_of(const std::string& body) { return ScriptedReply::length(std::to_string(body.size()), {body}); }

class LanguageSectionTest : public ::testing::Test {
 protected:
  LanguageSectionTest() {
    connect_language_section(*get_file_, section_);
    section_.shown();
  }

  // Lets the running fetch end and its events reach the section.
  void finish() {
    ASSERT_TRUE(owner_->pump_until([&] { return !get_file_->fetching(); }));
  }

  std::string lang_file(const std::string& name) { return data_ / ("lang/" + name + ".qlf"); }
  std::vector<std::string> requested_paths() {
    std::vector<std::string> paths;
    for (const net::HttpRequest& r : http_->requests()) paths.push_back(r.path);
    return paths;
  }
  std::vector<std::string> captions() {
    std::vector<std::string> captions;
    for (const LanguageRow& row : section_.view().rows) captions.push_back(row.lang);
    return captions;
  }
  // Fetches the catalogue `body`, answering Yes to the question.
  void show_catalogue(const std::string& body) {
    http_->reply("/orvx/lang.dat", reply_of(body));
    prompts_.yes_no_answers.push_back(true);
    section_.find_clicked();
    finish();
  }
  // Chooses entry `index`, answering Yes to the download question.
  void download(size_t index) {
    prompts_.yes_no_answers.push_back(true);
    section_.entry_chosen(index);
    if (get_file_->fetching()) finish();
  }
  std::vector<std::string> messages() {
    std::vector<std::string> texts;
    for (const auto& shown : prompts_.shown) {
      if (shown.kind == "message") texts.push_back(shown.text);
    }
    return texts;
  }

  std::unique_ptr<net::HttpDownload> make_component() {
    auto link = std::make_unique<test::TestOwnerThread>();
    owner_ = link.get();
    return std::make_unique<net::HttpDownload>(http_, std::move(link));
  }

  test::TempFolder data_;
  std::shared_ptr<test::ScriptedHttp> http_ = std::make_shared<test::ScriptedHttp>();
  test::TestOwnerThread* owner_ = nullptr;
  std::unique_ptr<net::HttpDownload> get_file_ = make_component();
  HttpGetLanguageFetcher fetcher_{*get_file_};
  test::ScriptedPrompts prompts_;
  std::string base_ = kBase;  // the configured update server
  LanguageSection section_{SectionContext{fetcher_, prompts_,
                                          [](MessageId id) {
                                            // The messages that name a language or a file carry it after a colon.
                                            const bool detailed = id == message_ids::kNotTheLanguage ||
                                                                  id == message_ids::kFileNotWritten;
                                            return "text of " + std::string(id.text()) + (detailed ? ": %s" : "");
                                          },
                                          [this] { return base_; }, data_.path()}};
};

TEST_F(LanguageSectionTest, FindAskFetchShowDownloadAndRefill) {
  EXPECT_EQ(section_.view().state, SectionState::kIdle);
  EXPECT_TRUE(section_.view().find_enabled);
  EXPECT_FALSE(section_.view().download_controls_visible);
  EXPECT_EQ(captions(), std::vector<std::string>{"german"});

  show_catalogue("polski, dansk,\r\n");
  ASSERT_EQ(prompts_.shown.size(), 1u);
  EXPECT_EQ(prompts_.shown[0].text, "text of MSDLG_6");
  const net::HttpRequest catalogue = http_->requests().at(0);
  EXPECT_EQ(catalogue.agent, "ORVX_LANG");
  EXPECT_EQ(catalogue.referer, "ORVX");
  EXPECT_EQ(catalogue.accept_types, "*/*");
  EXPECT_TRUE(catalogue.reload);
  EXPECT_EQ(section_.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(section_.view().entries, (std::vector<std::string>{"polski", " dansk", ""}));
  EXPECT_TRUE(section_.view().download_controls_visible);
  EXPECT_TRUE(section_.view().progress_visible);
  EXPECT_FALSE(section_.view().find_enabled);

  http_->reply("/orvx/files/lang/polski.qlf", reply_of(kPolski));
  download(0);
  EXPECT_EQ(prompts_.shown.back().text, "Language \"polski\" download?\rNo data will transfer! Further?");
  EXPECT_EQ(files::read_file(lang_file("polski")), kPolski);
  EXPECT_EQ(captions(), (std::vector<std::string>{"german", "polski"}));
  EXPECT_EQ(section_.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(section_.view().progress_position, 0);
  EXPECT_FALSE(section_.view().find_enabled);
  EXPECT_TRUE(messages().empty());
}

TEST_F(LanguageSectionTest, EachFetchAsksForTheServerAnew) {
  show_catalogue("polski");
  base_ = "http://mirror.test/other";
  http_->reply("/other/files/lang/polski.qlf", reply_of(kPolski));
  download(0);
  EXPECT_EQ(requested_paths(), (std::vector<std::string>{"/orvx/lang.dat", "/other/files/lang/polski.qlf"}));
  EXPECT_EQ(http_->requests().back().host, "mirror.test");
  EXPECT_EQ(files::read_file(lang_file("polski")), kPolski);
}

TEST_F(LanguageSectionTest, FindStaysDisabledForTheRunAfterACatalogue) {
  show_catalogue("polski");
  section_.closed();
  EXPECT_FALSE(section_.view().download_controls_visible);
  EXPECT_FALSE(section_.view().progress_visible);
  section_.shown();
  EXPECT_EQ(section_.view().state, SectionState::kIdle);
  EXPECT_FALSE(section_.view().find_enabled);
  section_.find_clicked();  // a disabled button does nothing
  EXPECT_EQ(http_->requests().size(), 1u);
}

TEST_F(LanguageSectionTest, NoToTheQuestionsFetchesNothing) {
  prompts_.yes_no_answers.push_back(false);
  section_.find_clicked();
  EXPECT_TRUE(http_->requests().empty());
  EXPECT_TRUE(section_.view().find_enabled);
  EXPECT_EQ(section_.view().state, SectionState::kIdle);

  show_catalogue("polski");
  prompts_.yes_no_answers.push_back(false);
  section_.entry_chosen(0);
  EXPECT_EQ(http_->requests().size(), 1u);
}

TEST_F(LanguageSectionTest, EmptyCatalogueShowsNothingAndKeepsFindDisabled) {
  show_catalogue(" \r\n");
  EXPECT_EQ(section_.view().state, SectionState::kFetchingCatalogue);
  EXPECT_FALSE(section_.view().download_controls_visible);
  EXPECT_TRUE(section_.view().entries.empty());
  EXPECT_FALSE(section_.view().find_enabled);
  EXPECT_TRUE(messages().empty());
}

TEST_F(LanguageSectionTest, CatalogueErrorsEnableFindAndTellTheUser) {
  const ScriptedReply failures[] = {
      ScriptedReply::length("9", {"not found"}).with_status(404),
      ScriptedReply::not_openable(),
      ScriptedReply::length("100", {"cut"}),
  };
  for (const ScriptedReply& failure : failures) {
    http_->reply("/orvx/lang.dat", failure);
    prompts_.yes_no_answers.push_back(true);
    prompts_.shown.clear();
    section_.find_clicked();
    finish();
    EXPECT_EQ(section_.view().state, SectionState::kAfterError);
    EXPECT_TRUE(section_.view().find_enabled);
    EXPECT_EQ(messages(), std::vector<std::string>{kFetchErrorMessage});
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
      {"404 page", ScriptedReply::length("9", {"not found"}).with_status(404), kFetchErrorMessage},
      {"cut off", ScriptedReply::length("500", {kPolski}), kFetchErrorMessage},
      {"stalled", ScriptedReply::length("500", {kPolski}).stalls_at_end(), kFetchErrorMessage},
      {"no server", ScriptedReply::not_openable(), kFetchErrorMessage},
      {"no INFOS", reply_of("[misc]\r\nlang=polski\r\n"), not_polski},
      {"another language", reply_of("[INFOS]\r\nlang=dansk\r\n"), not_polski},
      {"NUL bytes", reply_of(kPolski + std::string(3, '\0')), not_polski},
  };
  show_catalogue("polski");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(files::create_folders(data_ / "lang"));
    ASSERT_TRUE(files::write_file(lang_file("polski"), installed));
    http_->reply("/orvx/files/lang/polski.qlf", c.reply);
    prompts_.shown.clear();
    download(0);
    EXPECT_EQ(files::read_file(lang_file("polski")), installed);
    EXPECT_EQ(files::list_folder(data_ / "lang", "*").size(), 3u);  // ".", ".." and the file
    EXPECT_EQ(messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(section_.view().state, SectionState::kAfterError);
    EXPECT_TRUE(section_.view().find_enabled);
  }
}

// A language file that cannot be stored is this machine's fault: the
// message names the file instead of blaming the connection.
TEST_F(LanguageSectionTest, ADownloadThatCannotBeStoredNamesTheFile) {
  show_catalogue("polski");
  // A folder stands where the file would go.
  ASSERT_TRUE(files::create_folders(data_ / "lang/polski.qlf/inside"));
  http_->reply("/orvx/files/lang/polski.qlf", reply_of(kPolski));
  prompts_.shown.clear();
  download(0);
  EXPECT_EQ(messages(), std::vector<std::string>{"text of MSDLG_14_b: " + lang_file("polski")});
  EXPECT_EQ(section_.view().state, SectionState::kAfterError);
}

// Refilling the dialog (showing it again, or an import) while a fetch runs
// leaves the section with the fetch: no second request can be started and
// then be dropped by the busy component.
TEST_F(LanguageSectionTest, ARefillWhileTheCatalogueIsFetchedKeepsTheSectionBusy) {
  auto gate = std::make_shared<test::Gate>();
  http_->reply("/orvx/lang.dat", reply_of("polski").hold_before(0, gate));
  prompts_.yes_no_answers.push_back(true);
  section_.find_clicked();
  ASSERT_TRUE(gate->wait_reached());
  section_.shown();
  EXPECT_EQ(section_.view().state, SectionState::kFetchingCatalogue);
  EXPECT_FALSE(section_.view().find_enabled);
  prompts_.yes_no_answers.push_back(true);
  section_.find_clicked();
  EXPECT_EQ(prompts_.shown.size(), 1u);  // no second question
  gate->open();
  finish();
  EXPECT_EQ(section_.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(section_.view().entries, std::vector<std::string>{"polski"});
  EXPECT_EQ(http_->requests().size(), 1u);
}

TEST_F(LanguageSectionTest, ARefillWhileALanguageDownloadsKeepsTheDownloadShown) {
  show_catalogue("polski,dansk");
  auto gate = std::make_shared<test::Gate>();
  http_->reply("/orvx/files/lang/polski.qlf", reply_of(kPolski).hold_before(0, gate));
  prompts_.yes_no_answers.push_back(true);
  section_.entry_chosen(0);
  ASSERT_TRUE(gate->wait_reached());
  section_.closed();
  section_.shown();
  EXPECT_EQ(section_.view().state, SectionState::kDownloading);
  EXPECT_FALSE(section_.view().find_enabled);
  EXPECT_TRUE(section_.view().download_controls_visible);
  EXPECT_TRUE(section_.view().progress_visible);
  const size_t asked = prompts_.shown.size();
  prompts_.yes_no_answers.push_back(true);
  section_.entry_chosen(1);
  EXPECT_EQ(prompts_.shown.size(), asked);  // nothing asked, nothing started
  gate->open();
  finish();
  EXPECT_EQ(section_.view().state, SectionState::kCatalogueShown);
  EXPECT_EQ(files::read_file(lang_file("polski")), kPolski);
  EXPECT_FALSE(files::file_exists(lang_file("dansk")));
  EXPECT_EQ(requested_paths(), (std::vector<std::string>{"/orvx/lang.dat", "/orvx/files/lang/polski.qlf"}));
}

TEST_F(LanguageSectionTest, UnsafeNamesAreListedButRefusedWithoutAFetch) {
  show_catalogue("..\\..\\evil,CON,,a/b");
  EXPECT_EQ(section_.view().entries, (std::vector<std::string>{"..\\..\\evil", "CON", "", "a/b"}));
  for (size_t i = 0; i < section_.view().entries.size(); ++i) {
    SCOPED_TRACE(section_.view().entries[i]);
    prompts_.shown.clear();
    section_.entry_chosen(i);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("cannot be downloaded"), std::string::npos);
    EXPECT_FALSE(get_file_->fetching());
  }
  EXPECT_EQ(requested_paths(), std::vector<std::string>{"/orvx/lang.dat"});
  EXPECT_FALSE(files::folder_exists(data_ / "lang"));
}

TEST_F(LanguageSectionTest, BlankInANameStaysInTheAddressAndFileName) {
  const std::string body = "[INFOS]\r\nlang=Portugues do Brasil\r\n";
  show_catalogue("polski,Portugues do Brasil");
  http_->reply("/orvx/files/lang/Portugues do Brasil.qlf", reply_of(body));
  download(1);
  EXPECT_EQ(requested_paths().back(), "/orvx/files/lang/Portugues do Brasil.qlf");
  EXPECT_EQ(files::read_file(lang_file("Portugues do Brasil")), body);
  EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace orvx::lang_online
