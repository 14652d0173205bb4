// Which catalogue names may become a file in the lang folder.
#include <gtest/gtest.h>

#include <string>

#include "lang_online/language_name.h"

namespace orvx::lang_online {
namespace {

const std::string kFolder = "C:\\Dokumente und Einstellungen\\anna\\Anwendungsdaten\\Orvane\\lang\\";

struct Case {
  std::string name;
  NameProblem problem;
};

TEST(CheckLanguageName, Table) {
  const Case cases[] = {
      {"english", NameProblem::kNone},
      {"Fran\xE7"
       "ais",
       NameProblem::kNone},
      {"brazilian portuguese", NameProblem::kNone},  // a blank inside stays allowed
      {" english", NameProblem::kNone},              // as a catalogue with blanks gives it
      {"english.v2", NameProblem::kNone},
      {"...x", NameProblem::kNone},
      {"CONSOLE", NameProblem::kNone},
      {"COM0", NameProblem::kNone},
      {"LPT10", NameProblem::kNone},
      {"", NameProblem::kEmpty},
      {"..\\..\\evil", NameProblem::kForbiddenCharacter},
      {"../evil", NameProblem::kForbiddenCharacter},
      {"C:evil", NameProblem::kForbiddenCharacter},
      {"a*b", NameProblem::kForbiddenCharacter},
      {"a?b", NameProblem::kForbiddenCharacter},
      {"a\"b", NameProblem::kForbiddenCharacter},
      {"a<b", NameProblem::kForbiddenCharacter},
      {"a>b", NameProblem::kForbiddenCharacter},
      {"a|b", NameProblem::kForbiddenCharacter},
      {"a\tb", NameProblem::kForbiddenCharacter},
      {"english\r", NameProblem::kForbiddenCharacter},
      {std::string("a\0b", 3), NameProblem::kForbiddenCharacter},
      {"a\x7F", NameProblem::kForbiddenCharacter},
      {".", NameProblem::kDotName},
      {"..", NameProblem::kDotName},
      {"CON", NameProblem::kDeviceName},
      {"con", NameProblem::kDeviceName},
      {"Nul", NameProblem::kDeviceName},
      {"prn", NameProblem::kDeviceName},
      {"AUX", NameProblem::kDeviceName},
      {"com1", NameProblem::kDeviceName},
      {"LPT9", NameProblem::kDeviceName},
      {"con.old", NameProblem::kDeviceName},  // CON with any extension is the device
      {"nul ", NameProblem::kDeviceName},
      {"CLOCK$", NameProblem::kDeviceName},
      {std::string(kMaxPathLength - kFolder.size() - 4, 'x'), NameProblem::kNone},
      {std::string(kMaxPathLength - kFolder.size() - 3, 'x'), NameProblem::kTooLong},
      {std::string(5000, 'x'), NameProblem::kTooLong},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 40));
    EXPECT_EQ(check_language_name(c.name, kFolder), c.problem);
  }
}

TEST(NameProblemMessage, NamesTheEntryAndTheReason) {
  EXPECT_EQ(name_problem_message("english", NameProblem::kNone), "");
  const std::string text = name_problem_message("..\\evil", NameProblem::kForbiddenCharacter);
  EXPECT_EQ(text.rfind("The language \"..\\evil\" cannot be downloaded:\r", 0), 0u) << text;
  EXPECT_NE(text.find("\\ / : * ? \" < > |"), std::string::npos) << text;
  EXPECT_NE(name_problem_message("CON", NameProblem::kDeviceName).find("device"), std::string::npos);
  EXPECT_NE(name_problem_message("", NameProblem::kEmpty).find("empty"), std::string::npos);
}

}  // namespace
}  // namespace orvx::lang_online
