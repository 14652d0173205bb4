// The first-start language chooser of the real OrvaneX.exe under Wine: it
// comes at the first start of a user whose language is not German, each
// answer is recorded in config.qcf, and it does not come back in that run.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "mainwin/main_window_win.h"
#include "mainwin/show_steps.h"
#include "ini/ini_file.h"
#include "language_chooser/language_chooser_win.h"
#include "settings/settings_dialog_texts.h"
#include "settings/settings_dialog_win.h"
#include "support/input_win.h"
#include "support/orvane_app_win.h"
#include "support/settings_dialog_win.h"
#include "support/windows_win.h"
#include "ui/flat_button_win.h"
#include "ui/report_list_win.h"

namespace orvx::test {
namespace {

namespace texts = language_chooser::chooser_texts;

// The chooser comes before the main window, and may lead into the settings
// dialog.
class LanguageChooser : public SettingsDialogFixture {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SettingsDialogFixture::SetUp());
    // The program runs in this session, with this user's language.
    if (mainwin::is_german_language_id(GetUserDefaultLangID()))
      GTEST_SKIP() << "the chooser is never offered to German users";
    copy_->set_config("Settings", "lang_menu", "0");  // the question still open
    app_ = std::make_unique<RunningApp>(exe_, "/u");
    chooser_ = wait_process_window(app_->process_id(), language_chooser::kChooserWindowClass, nullptr);
    ASSERT_NE(chooser_, nullptr) << "no language chooser at the first start";
  }

  HWND combo() const { return find_child(chooser_, "ComboBox"); }
  HWND chooser_button(const char* caption) const { return find_child(chooser_, ui::kFlatButtonClass, caption); }

  // The main window shown, the chooser gone for good in this run.
  void main_window_up() {
    main_ = app_->main_window();
    ASSERT_NE(main_, nullptr);
    EXPECT_FALSE(IsWindow(chooser_) && IsWindowVisible(chooser_));
  }

  // The settings dialog of the caption bar, left with `button_caption`:
  // after it the main window shows again, without the chooser.
  void settings_round_trip(const char* button_caption) {
    ASSERT_NO_FATAL_FAILURE(open_dialog());
    ASSERT_NO_FATAL_FAILURE(close_dialog(button_caption));
    ASSERT_TRUE(round_trip(main_));
    EXPECT_EQ(find_process_window(app_->process_id(), language_chooser::kChooserWindowClass, nullptr, true), nullptr);
  }

  HWND chooser_ = nullptr;
};

TEST_F(LanguageChooser, IsCentredOnTheMainWindowAndEnglishSwitchesAtOnce) {
  RECT client{};
  GetClientRect(chooser_, &client);
  EXPECT_EQ(client.right, language_chooser::kChooserWidth);
  EXPECT_EQ(client.bottom, language_chooser::kChooserHeight);
  EXPECT_EQ(window_text(chooser_), texts::kTitle);
  HWND main_window = FindWindowA(mainwin::kMainWindowClass, nullptr);
  ASSERT_NE(main_window, nullptr);
  RECT outer{}, own{};
  GetWindowRect(main_window, &outer);
  GetWindowRect(chooser_, &own);
  EXPECT_LE(std::abs((own.left + own.right) - (outer.left + outer.right)), 1);
  EXPECT_LE(std::abs((own.top + own.bottom) - (outer.top + outer.bottom)), 1);
  // Its background, beside the label.
  EXPECT_TRUE(wait_for("the chooser's colour", [&] {
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, own.left + 3, own.bottom - 3);
    ReleaseDC(nullptr, screen);
    return pixel == RGB(0xD6, 0xDF, 0xF7);
  }));
  EXPECT_EQ(SendMessageA(combo(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(combo(), CB_GETCURSEL, 0, 0), 0);  // "English"
  EXPECT_EQ(
      SendMessageA(combo(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(texts::kGerman)), 1);
  ASSERT_NE(chooser_button(texts::kOtherLanguage), nullptr);

  post_click(chooser_button(texts::kSave));
  ASSERT_NO_FATAL_FAILURE(main_window_up());
  EXPECT_EQ(setting("lang_list"), "english");
  EXPECT_EQ(setting("lang_menu"), "1");
  EXPECT_NE(find_child(main_, ui::kFlatButtonClass, "Save"), nullptr);  // English texts
}

TEST_F(LanguageChooser, DeutschSettlesTheQuestionAndItDoesNotComeBack) {
  SendMessageA(combo(), CB_SETCURSEL, 1, 0);
  post_click(chooser_button(texts::kSave));
  ASSERT_NO_FATAL_FAILURE(main_window_up());
  EXPECT_EQ(setting("lang_menu"), "1");
  EXPECT_EQ(setting("lang_list"), "");
  EXPECT_NE(find_child(main_, ui::kFlatButtonClass, "Speichern"), nullptr);
  // The main window is shown anew after the settings dialog.
  ASSERT_NO_FATAL_FAILURE(settings_round_trip(settings::texts::kCancel));
}

TEST_F(LanguageChooser, OtherLanguageOpensTheLanguageSectionWhereASavedLanguageSettlesIt) {
  post_click(chooser_button(texts::kOtherLanguage));
  dialog_ = wait_process_window(app_->process_id(), settings::kSettingsWindowClass, nullptr);
  ASSERT_NE(dialog_, nullptr);
  const auto lists = children_of_class(dialog_, ui::kReportListClass);
  ASSERT_EQ(lists.size(), 2u);
  HWND languages = find_child(lists[1], WC_LISTVIEWA);
  ASSERT_TRUE(wait_for("the language list to show", [&] { return IsWindowVisible(languages) != FALSE; }));
  EXPECT_FALSE(IsWindowVisible(find_child(lists[0], WC_LISTVIEWA)));  // the Profiles section stays collapsed
  EXPECT_FALSE(IsWindowVisible(chooser_) && IsWindow(chooser_));
  // "English" sorts before "german".
  post_key(languages, VK_END);
  post_key(languages, VK_HOME);
  ASSERT_TRUE(wait_for("the English row to be selected", [&] {
    return SendMessageA(languages, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0;
  }));
  send_click(find_child(dialog_, ui::kFlatButtonClass, settings::texts::kSave));
  ASSERT_NO_FATAL_FAILURE(main_window_up());
  EXPECT_EQ(setting("lang_list"), "English");
  EXPECT_EQ(setting("lang_menu"), "1");
  EXPECT_NE(find_child(main_, ui::kFlatButtonClass, "Save"), nullptr);
}

TEST_F(LanguageChooser, LeftWithoutALanguageItAsksAgainOnlyAtTheNextStart) {
  post_click(chooser_button(texts::kOtherLanguage));
  dialog_ = wait_process_window(app_->process_id(), settings::kSettingsWindowClass, nullptr);
  ASSERT_NE(dialog_, nullptr);
  send_click(find_child(dialog_, ui::kFlatButtonClass, settings::texts::kCancel));
  ASSERT_NO_FATAL_FAILURE(main_window_up());
  EXPECT_EQ(setting("lang_menu"), "0");
  ASSERT_NO_FATAL_FAILURE(settings_round_trip(settings::texts::kCancel));
}

}  // namespace
}  // namespace orvx::test
