// The name prompt of "pm_new_profil": saving into a profile the user names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/name_prompt.h"
#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "support/flow_world.h"
#include "support/desktop_icon_rows.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
namespace {

using test::FlowWorld;
using Log = std::vector<std::string>;

const std::vector<orvx::test::IconRow> kDesktopIcons = {{"Papierkorb", 20, 10}, {"Arbeitsplatz", 20, 90}};

TEST(NamePrompt, SavesUnderTheTrimmedName) {
  FlowWorld w;
  w.prompts.text_answers = {"  Work  "};
  on_save_new_profile_clicked(w.context());
  EXPECT_EQ(w.log.entries, (Log{"ask MSDLG_21_a", "desktop"}));
  EXPECT_EQ(w.prompts.shown[0].text, "Geben Sie einen Profilnamen ein...");
  EXPECT_EQ(w.prompts.initial_texts, (Log{""}));
  EXPECT_EQ(list_profiles(w.folders.data), (Log{"Work"}));
  EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("Work"))), kDesktopIcons);
}

TEST(NamePrompt, CancelSavesNothing) {
  FlowWorld w;
  w.prompts.text_answers = {std::nullopt};
  on_save_new_profile_clicked(w.context());
  EXPECT_EQ(w.log.entries, (Log{"ask MSDLG_21_a"}));
  EXPECT_TRUE(list_profiles(w.folders.data).empty());
}

TEST(NamePrompt, AnExistingProfileIsReplacedWithoutAQuestion) {
  FlowWorld w;
  ASSERT_TRUE(write_profile_file({{"Alt", 1, 1}}, w.profile_file("Work"), {800, 600}, 1));
  w.prompts.text_answers = {"Work"};
  on_save_new_profile_clicked(w.context());
  EXPECT_EQ(w.log.entries, (Log{"ask MSDLG_21_a", "desktop"}));
  EXPECT_EQ(orvx::test::rows(read_profile_file(w.profile_file("Work"))), kDesktopIcons);
}

TEST(NamePrompt, RefusesANameNoFileCanHaveSaysWhyAndAsksAgainWithIt) {
  struct Case {
    std::string name;
    MessageId message;
  };
  const Case cases[] = {
      {"", message_ids::kProfileNameEmpty},
      {" \t ", message_ids::kProfileNameEmpty},
      {"a/b", message_ids::kProfileNameBadCharacter},
      {"a\\b", message_ids::kProfileNameBadCharacter},
      {"C:Work", message_ids::kProfileNameBadCharacter},
      {"Work?", message_ids::kProfileNameBadCharacter},
      {"\"Work\"", message_ids::kProfileNameBadCharacter},
      {"<a>|b*", message_ids::kProfileNameBadCharacter},
      {"a\x01"
       "b",
       message_ids::kProfileNameBadCharacter},
      {"con", message_ids::kProfileNameReserved},
      {"LPT1.txt", message_ids::kProfileNameReserved},
      {"Aux ", message_ids::kProfileNameReserved},
      {std::string(300, 'x'), message_ids::kProfileNameTooLong},
      {"'Work'", message_ids::kProfileNameQuoted},
      {"Work' ", message_ids::kProfileNameQuoted},
  };
  for (const Case& c : cases) {
    FlowWorld w;
    w.prompts.text_answers = {c.name, "Work"};
    on_save_new_profile_clicked(w.context());
    EXPECT_EQ(w.log.entries,
              (Log{"ask MSDLG_21_a", "message " + std::string(c.message.text()), "ask MSDLG_21_a", "desktop"}))
        << c.name;
    EXPECT_EQ(w.prompts.initial_texts, (Log{"", c.name})) << c.name;
    EXPECT_EQ(list_profiles(w.folders.data), (Log{"Work"})) << "nothing written for " << c.name;
  }
}

TEST(NamePrompt, RefusesANameWhoseFilePathWouldBeTooLong) {
  FlowWorld w;
  // Fits as a file name, but not within the 259 characters of a path.
  const std::string name(259 - w.folders.data.size() - 4 + 1, 'n');
  ASSERT_EQ(find_profile_name_problem(name), ProfileNameProblem::kNone);
  EXPECT_EQ(find_profile_file_problem(w.folders.data, name), ProfileNameProblem::kTooLong);
  EXPECT_EQ(find_profile_file_problem(w.folders.data, name.substr(1)), ProfileNameProblem::kNone);

  w.prompts.text_answers = {name, std::nullopt};
  on_save_new_profile_clicked(w.context());
  EXPECT_EQ(w.log.entries, (Log{"ask MSDLG_21_a", "message MSDLG_21_f", "ask MSDLG_21_a"}));
  EXPECT_TRUE(list_profiles(w.folders.data).empty());
}

TEST(NamePrompt, RefusalsComeInTheLoadedLanguage) {
  FlowWorld w;
  w.translator.load_language(orvx::test::source_dir() + "/resources/English.qlf");
  w.prompts.text_answers = {"a|b"};
  on_save_new_profile_clicked(w.context());
  EXPECT_EQ(w.log.entries,
            (Log{"ask Profile Name", "message A profile name cannot contain any of the characters \\ / : * ? \" < > |",
                 "ask Profile Name"}));
}

}  // namespace
}  // namespace orvx::mainwin
