#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>

#include "lang/messages.h"
#include "platform/ansi_text.h"
#include "platform/message_ids.h"

namespace orvx::lang {
namespace {

TEST(BuiltInMessages, GermanTextsAreWindows1252Bytes) {
  // Written with escapes here, so that a wrong execution character set in the
  // build shows up as a difference.
  EXPECT_EQ(german_message(message_ids::kChooseStandardProfileFirst), "W\xE4hlen Sie ein standard Profil");
  EXPECT_EQ(german_message(message_ids::kRestartForLanguage),
            "F\xFCr diese Sprache m\xFCssen Sie den \"Orvane X\" neustarten!");
  EXPECT_EQ(german_message(message_ids::kColumnLastChange), "letzte \xC4nderung");
  EXPECT_EQ(german_message(message_ids::kColumnResolution), "Aufl\xF6sung");
}

TEST(BuiltInMessages, LineBreaksAreBareCarriageReturns) {
  EXPECT_EQ(german_message(message_ids::kAskInternetAccess),
            "Information from the Internet is called up!\rNo data will transfer! Further?");
  EXPECT_EQ(german_message(message_ids::kUninstallFailed),
            "Ein Fehler ist beim Deinstallieren von \"Orvane X\" aufgetreten!\rProgramm kann nicht entfernt werden.");
  EXPECT_EQ(german_message(message_ids::kDownloadedUpdating), "Download erfolgreich\rUpdate wird nun ausgef\xFChrt");
}

TEST(BuiltInMessages, ArrangementWarningHasFourParagraphs) {
  const std::string text(german_message(message_ids::kArrangementBlocksRestore));
  const std::string first_end = "in Ihrem Desktop deaktivieren. \rDazu gehen Sie";
  const std::string second_end = "\"Am Raster ausrichten\" deaktivieren. \r\n\rBitte f\xFChre Sie";
  const std::string third_end = "sicherzustellen.\r\n\rKlicken Sie auf OK";
  EXPECT_EQ(text.rfind("\"Orvane X\" hat Einstellungen gefunden", 0), 0u);
  EXPECT_NE(text.find(first_end), std::string::npos);
  EXPECT_NE(text.find(second_end), std::string::npos);
  EXPECT_NE(text.find(third_end), std::string::npos);
  EXPECT_TRUE(text.ends_with("wenn Sie die Einstellungen get\xE4tigt haben."));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 5);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
}

TEST(BuiltInMessages, IdsAreUniqueAndFoundWithoutRegardToCase) {
  std::set<std::string> lower_ids;
  for (const auto& m : built_in_messages()) {
    std::string id(m.id.text());
    for (char& c : id) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(lower_ids.insert(id).second) << m.id;
    EXPECT_FALSE(m.german.empty()) << m.id;
  }
  EXPECT_EQ(german_message(MessageId{"LIST_1"}), german_message(message_ids::kColumnProfileName));
  EXPECT_EQ(german_message(MessageId{"msdlg_21_a"}), "Profilname");
  EXPECT_EQ(german_message(MessageId{"MSDLG_99"}), "");
}

TEST(BuiltInMessages, ErrorTextsTakeTheirDetailForTheirPlaceholder) {
  struct Case {
    std::string_view text;
    std::string_view detail;
    std::string expected;
  };
  const Case cases[] = {
      {"Fensterklasse %s konnte nicht registriert werden.", "OrvxMinidesk",
       "Fensterklasse OrvxMinidesk konnte nicht registriert werden."},
      {"%s", "50%s", "50%s"},  // a detail is put in as it is, once
      {"Men\xFC konnte nicht erstellt werden.", "", "Men\xFC konnte nicht erstellt werden."},
      {"no placeholder", "C:\\lang", "no placeholder"},  // a translation that left it out
      {"", "detail", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(text::with_detail(c.text, c.detail), c.expected) << c.text;
  EXPECT_EQ(text::with_detail(german_message(message_ids::kEnglishFileNotWritten), "C:\\lang\\English.qlf"),
            "Die englische Sprachdatei konnte nicht geschrieben werden: C:\\lang\\English.qlf");
}

}  // namespace
}  // namespace orvx::lang
