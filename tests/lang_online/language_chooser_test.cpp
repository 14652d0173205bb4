// The first-start chooser: offered once per run, and what each answer writes.
#include <gtest/gtest.h>

#include <string>

#include "ini/ini_file.h"
#include "lang_online/language_chooser.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::lang_online {
namespace {

TEST(ChooserOffer, AtMostOncePerRunAndNeverWhenSettledOrGerman) {
  struct Case {
    bool settled;
    bool german;
    bool offered;
  };
  const Case cases[] = {{false, false, true}, {true, false, false}, {false, true, false}, {true, true, false}};
  for (const Case& c : cases) {
    ChooserOffer offer;
    EXPECT_EQ(offer.should_offer(c.settled, c.german), c.offered);
  }
  // The main window is shown again after every closing of the settings
  // dialog: an unanswered chooser does not come back in the same run.
  ChooserOffer offer;
  EXPECT_TRUE(offer.should_offer(false, false));
  EXPECT_FALSE(offer.should_offer(false, false));
  EXPECT_FALSE(offer.should_offer(false, false));
}

struct AnswerCase {
  ChooserAnswer answer;
  const char* lang_list;  // nullptr: not written
  const char* lang_menu;
};

TEST(WriteChooserAnswer, EveryAnswerButOtherSettlesTheQuestion) {
  const AnswerCase cases[] = {
      {ChooserAnswer::kEnglish, "english", "1"},
      {ChooserAnswer::kGerman, "", "1"},
      {ChooserAnswer::kOther, nullptr, nullptr},
  };
  for (const AnswerCase& c : cases) {
    test::TempFolder dir;
    const std::string config = dir / "config.qcf";
    ASSERT_TRUE(files::write_file(config, "[Settings]\r\nstd_profil=1024x768\r\nlang_list=polski\r\n"));
    EXPECT_TRUE(write_chooser_answer(config, c.answer));
    const ini::IniText file = ini::IniText::load(config);
    EXPECT_EQ(file.value("Settings", "lang_list"),
              c.lang_list ? std::optional<std::string>(c.lang_list) : std::optional<std::string>("polski"));
    EXPECT_EQ(file.value("Settings", "lang_menu"),
              c.lang_menu ? std::optional<std::string>(c.lang_menu) : std::nullopt);
    EXPECT_EQ(file.value("Settings", "std_profil"), "1024x768");
  }
}

TEST(SettleLanguageQuestion, ALanguageSavedFromTheDialogSettlesIt) {
  test::TempFolder dir;
  EXPECT_TRUE(settle_language_question(dir / "config.qcf"));
  EXPECT_EQ(ini::read_integer(dir / "config.qcf", "Settings", "lang_menu", 0), 1);
}

}  // namespace
}  // namespace orvx::lang_online
