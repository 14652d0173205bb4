// The settings dialog's Language section of the real OrvaneX.exe under Wine,
// against the test HTTP server as its update server: the catalogue fetched
// and listed, a language downloaded into the lang folder and listed, and
// every failure told without touching what was installed before.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_ids.h"
#include "platform/ansi_text.h"
#include "mainwin/main_window_win.h"
#include "ini/ini_file.h"
#include "lang/messages.h"
#include "lang_online/language_name.h"
#include "lang_online/language_section.h"
#include "platform/files.h"
#include "settings/settings_dialog_texts.h"
#include "settings/settings_dialog_win.h"
#include "support/http_test_server.h"
#include "support/input_win.h"
#include "support/orvane_app_win.h"
#include "support/settings_dialog_win.h"
#include "support/windows_win.h"
#include "ui/choice_list_win.h"
#include "ui/collapsible_section_win.h"
#include "ui/flat_button_win.h"
#include "ui/group_box_win.h"
#include "ui/progress_bar_win.h"
#include "ui/report_list_win.h"

namespace orvx::test {
namespace {

using settings::SettingsSection;
namespace texts = settings::texts;

std::string language_file(const std::string& lang, const std::string& settings_caption) {
  return "[INFOS]\r\nlang=" + lang +
         "\r\norv_v=1.02\r\npublisher=Tester\r\n\r\n[settings_form]\r\ncaption=" + settings_caption + "\r\n";
}

class LanguageSection : public SettingsDialogFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SettingsDialogFixture::SetUp());
    www_name_ = std::string("lang-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_NO_FATAL_FAILURE(serve_updates_from(www_name_));
  }

  // The settings dialog opened from the caption bar, its Language section
  // expanded with a click on the header.
  void open_language_section() {
    open_section(SettingsSection::kLanguage, [&] { return lang_list(); });
  }

  HWND lang_list() const { return list_view(1); }
  HWND box() const { return find_child(dialog_, ui::kGroupBoxClass); }
  HWND find_button() const { return find_child(box(), ui::kFlatButtonClass, texts::kFindLanguages); }
  HWND new_lang_files() const { return find_child(find_child(box(), ui::kChoiceListClass), "ComboBox"); }
  HWND progress_bar() const { return find_child(find_child(box(), ui::kProgressBarClass), PROGRESS_CLASSA); }
  int rows() const { return static_cast<int>(SendMessageA(lang_list(), LVM_GETITEMCOUNT, 0, 0)); }
  int selected_row() const {
    return static_cast<int>(SendMessageA(lang_list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  std::string lang_file(const std::string& name) const { return copy_->data_folder() + "lang\\" + name + ".qlf"; }
  // Find languages, Yes to the question.
  void find_languages() {
    HWND button = find_button();
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(IsWindowEnabled(button));
    post_click(button);
    ASSERT_NO_FATAL_FAILURE(answer_box(std::string(lang::german_message(message_ids::kAskInternetAccess)), IDYES));
  }

  void wait_catalogue_shown() {
    ASSERT_TRUE(wait_for("the catalogue to show", [&] { return IsWindowVisible(new_lang_files()) != FALSE; }));
  }

  // Picks a catalogue entry as the drop-down list reports a user's pick.
  void choose(int entry) {
    HWND combo = new_lang_files();
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0), CB_ERR);
    PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  }

  // Requests of this test's update server for a language file.
  int file_requests() const {
    const std::string log = files::read_file(http_server_state_file("requests.log")).value_or("");
    const std::string wanted = "GET /www/" + www_name_ + "/files/lang/";
    int count = 0;
    for (size_t at = log.find(wanted); at != std::string::npos; at = log.find(wanted, at + 1)) ++count;
    return count;
  }

  std::string www_name_;
};

TEST_F(LanguageSection, FindsTheCatalogueDownloadsALanguageAndItsTextsTakeOver) {
  const std::string polski = language_file("polski", "Ustawienia");
  www_->put("lang.dat", "polski,dansk\r\n");
  www_->put("files/lang/polski.qlf", polski);
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_language_section());
  EXPECT_EQ(rows(), 2);  // English and german
  EXPECT_FALSE(IsWindowVisible(new_lang_files()));
  EXPECT_FALSE(IsWindowVisible(progress_bar()));

  ASSERT_NO_FATAL_FAILURE(find_languages());
  ASSERT_NO_FATAL_FAILURE(wait_catalogue_shown());
  HWND combo = new_lang_files();
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("polski")), 0);
  EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("dansk")), 1);
  EXPECT_TRUE(IsWindowVisible(progress_bar()));
  EXPECT_FALSE(IsWindowEnabled(find_button()));

  ASSERT_NO_FATAL_FAILURE(choose(0));
  ASSERT_NO_FATAL_FAILURE(answer_box(lang_online::download_question("polski"), IDYES));
  ASSERT_TRUE(wait_for("the polski row", [&] { return rows() == 3; }));
  EXPECT_EQ(files::read_file(lang_file("polski")), polski);
  EXPECT_FALSE(files::file_exists(lang_file("polski") + ".part"));
  EXPECT_FALSE(IsWindowEnabled(find_button()));  // for the rest of the run

  // The rows sort as English, german, polski: the last one, saved.
  post_key(lang_list(), VK_HOME);
  post_key(lang_list(), VK_END);
  ASSERT_TRUE(wait_for("the polski row to be selected", [&] { return selected_row() == 2; }));
  send_click(find_child(dialog_, ui::kFlatButtonClass, texts::kSave));
  ASSERT_TRUE(wait_for("the dialog to close", [&] { return !IsWindowVisible(dialog_) && IsWindowVisible(main_); }));
  EXPECT_EQ(setting("lang_list"), "polski");
  EXPECT_EQ(window_text(dialog_), "Ustawienia");

  // Shown again: the download controls are hidden, and the find button
  // stays disabled after the catalogue it brought.
  ASSERT_NO_FATAL_FAILURE(open_language_section());
  EXPECT_EQ(rows(), 3);
  EXPECT_EQ(selected_row(), 2);  // the language in use
  EXPECT_FALSE(IsWindowVisible(new_lang_files()));
  EXPECT_FALSE(IsWindowEnabled(find_button()));
}

TEST_F(LanguageSection, TheDialogStaysUsableWhileALanguageDownloadsAndTheBarMoves) {
  // About 24 KB, held by the server after the first half until the test
  // lets it go on.
  std::string dansk = language_file("dansk", "Indstillinger") + "\r\n[padding]\r\n";
  for (int i = 0; dansk.size() < 24000; ++i) dansk += "line" + std::to_string(i) + "=" + std::string(60, 'x') + "\r\n";
  www_->put("lang.dat", "dansk");
  www_->put("files/lang/dansk.qlf", dansk);
  www_->put("files/lang/dansk.qlf.hold", "");
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_language_section());
  ASSERT_NO_FATAL_FAILURE(find_languages());
  ASSERT_NO_FATAL_FAILURE(wait_catalogue_shown());
  ASSERT_NO_FATAL_FAILURE(choose(0));
  ASSERT_NO_FATAL_FAILURE(answer_box(lang_online::download_question("dansk"), IDYES));

  auto position = [&] { return static_cast<int>(SendMessageA(progress_bar(), PBM_GETPOS, 0, 0)); };
  ASSERT_TRUE(wait_for("the bar to move", [&] { return position() > 0; }));
  EXPECT_LT(position(), 100);
  // Meanwhile the dialog answers the user: another section opens.
  const auto sections = children_of_class(dialog_, ui::kSectionClass);
  send_click(sections[static_cast<size_t>(SettingsSection::kProfiles)], 20, settings::kSectionHeaderHeight / 2);
  HWND profiles = find_child(children_of_class(dialog_, ui::kReportListClass)[0], WC_LISTVIEWA);
  EXPECT_TRUE(IsWindowVisible(profiles));
  EXPECT_FALSE(files::file_exists(lang_file("dansk")));  // not before it is complete
  EXPECT_FALSE(IsWindowEnabled(find_button()));

  ASSERT_TRUE(files::delete_file(www_->path() + "files\\lang\\dansk.qlf.hold"));
  ASSERT_TRUE(wait_for("the dansk row", [&] { return rows() == 3; }));
  EXPECT_EQ(files::read_file(lang_file("dansk")), dansk);
  EXPECT_EQ(position(), 0);
}

TEST_F(LanguageSection, FailedDownloadsAreToldAndLeaveTheInstalledFileAsItWas) {
  struct Case {
    const char* name;
    const char* why;
    std::string message;     // empty: the fetch error
    bool read_only = false;  // the installed file is read-only
  };
  auto not_the_language = [](const char* name) {
    return text::with_detail(lang::german_message(message_ids::kNotTheLanguage), name);
  };
  const Case cases[] = {
      {"missing", "the server has no such file (404)", ""},
      {"cut", "the connection closes before the announced length", ""},
      {"wrong", "the file is another language's", not_the_language("wrong")},
      {"binary", "the file holds NUL bytes", not_the_language("binary")},
      {"locked", "the installed file is read-only",
       text::with_detail(lang::german_message(message_ids::kFileNotWritten), lang_file("locked")), true},
  };
  std::string catalogue;
  for (const Case& c : cases) {
    catalogue += (catalogue.empty() ? "" : ",") + std::string(c.name);
    files::create_folders(copy_->data_folder() + "lang\\");
    ASSERT_TRUE(files::write_file(lang_file(c.name), language_file(c.name, std::string("installed ") + c.name)));
    if (c.read_only) {
      ASSERT_TRUE(SetFileAttributesA(lang_file(c.name).c_str(), FILE_ATTRIBUTE_READONLY));
    }
  }
  www_->put("lang.dat", catalogue);
  www_->put("files/lang/cut.qlf", language_file("cut", "new"));
  www_->put("files/lang/cut.qlf.announce", "5000");
  www_->put("files/lang/wrong.qlf", language_file("polski", "new"));
  www_->put("files/lang/binary.qlf", language_file("binary", "new") + std::string("\0\0", 2));
  www_->put("files/lang/locked.qlf", language_file("locked", "new"));
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_language_section());
  EXPECT_EQ(rows(), 7);
  ASSERT_NO_FATAL_FAILURE(find_languages());
  ASSERT_NO_FATAL_FAILURE(wait_catalogue_shown());

  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.why);
    const int requests_before = file_requests();
    ASSERT_NO_FATAL_FAILURE(choose(i));
    ASSERT_NO_FATAL_FAILURE(answer_box(lang_online::download_question(c.name), IDYES));
    ASSERT_NO_FATAL_FAILURE(answer_box(c.message.empty() ? lang_online::kFetchErrorMessage : c.message, IDOK));
    EXPECT_EQ(file_requests(), requests_before + 1);
    EXPECT_EQ(files::read_file(lang_file(c.name)), language_file(c.name, std::string("installed ") + c.name));
    EXPECT_FALSE(files::file_exists(lang_file(c.name) + ".part"));
    EXPECT_TRUE(
        wait_for("the find button to be enabled again", [&] { return IsWindowEnabled(find_button()) != FALSE; }));
    EXPECT_EQ(rows(), 7);
    if (c.read_only) SetFileAttributesA(lang_file(c.name).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  EXPECT_FALSE(files::file_exists(lang_file("polski")));
}

TEST_F(LanguageSection, UnsafeNamesAreRefusedWithoutAFetchAndACatalogueErrorIsTold) {
  // No catalogue yet: the server answers 404, the user is told, and the
  // find button works again.
  ASSERT_NO_FATAL_FAILURE(start());
  ASSERT_NO_FATAL_FAILURE(open_language_section());
  ASSERT_NO_FATAL_FAILURE(find_languages());
  ASSERT_NO_FATAL_FAILURE(answer_box(lang_online::kFetchErrorMessage, IDOK));
  ASSERT_TRUE(wait_for("the find button to be enabled again", [&] { return IsWindowEnabled(find_button()) != FALSE; }));
  EXPECT_FALSE(IsWindowVisible(new_lang_files()));

  struct Case {
    const char* name;
    lang_online::NameProblem problem;
  };
  const Case cases[] = {
      {"..\\..\\evil", lang_online::NameProblem::kForbiddenCharacter},
      {"..", lang_online::NameProblem::kDotName},
      {"CON", lang_online::NameProblem::kDeviceName},
  };
  std::string catalogue;
  for (const Case& c : cases) catalogue += (catalogue.empty() ? "" : ",") + std::string(c.name);
  www_->put("lang.dat", catalogue);
  ASSERT_NO_FATAL_FAILURE(find_languages());
  ASSERT_NO_FATAL_FAILURE(wait_catalogue_shown());
  // Listed as the server sent them.
  EXPECT_EQ(SendMessageA(new_lang_files(), CB_GETCOUNT, 0, 0), static_cast<LRESULT>(std::size(cases)));
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    SCOPED_TRACE(cases[i].name);
    ASSERT_NO_FATAL_FAILURE(choose(i));
    ASSERT_NO_FATAL_FAILURE(answer_box(lang_online::name_problem_message(cases[i].name, cases[i].problem), IDOK));
  }
  ASSERT_TRUE(round_trip(dialog_));
  EXPECT_EQ(file_requests(), 0);
  EXPECT_FALSE(files::file_exists(copy_->folder() + "Quillfen\\evil.qlf"));
  EXPECT_FALSE(files::file_exists(copy_->folder() + "evil.qlf"));
  EXPECT_EQ(files::list_folder(copy_->data_folder() + "lang", "*.qlf").size(), 1u);  // English alone
  EXPECT_EQ(rows(), 2);
}

}  // namespace
}  // namespace orvx::test
