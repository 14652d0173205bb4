#include <gtest/gtest.h>

#include <string>

#include "lang/lang_folder.h"
#include "platform/files.h"
#include "support/paths.h"
#include "support/scripted_prompts.h"

namespace orvx::lang {
namespace {

TEST(LangFolder, IsCreatedWhenMissing) {
  test::TempFolder data;
  test::ScriptedPrompts prompts;
  EXPECT_TRUE(ensure_lang_folder(data.path(), prompts));
  EXPECT_TRUE(files::folder_exists(lang_folder_path(data.path())));
  EXPECT_TRUE(ensure_lang_folder(data.path(), prompts));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST(LangFolder, AFolderThatCannotBeCreatedIsReported) {
  test::TempFolder data;
  test::ScriptedPrompts prompts;
  ASSERT_TRUE(files::write_file(data / "lang", "a file in the way"));
  EXPECT_FALSE(ensure_lang_folder(data.path(), prompts));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].kind, "message");
  EXPECT_EQ(prompts.shown[0].text, "Lang Folder could not be create");

  prompts.shown.clear();
  EXPECT_FALSE(ensure_lang_folder(data / "missing" + std::string(1, files::kSeparator) + "deeper", prompts));
  EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST(LangFolder, LanguageFilesAreFoundWithoutRegardToCase) {
  test::TempFolder data;
  const std::string lang = lang_folder_path(data.path());
  ASSERT_TRUE(files::create_folder(lang));
  const std::string english = files::with_separator(lang) + "English.qlf";
  ASSERT_TRUE(files::write_file(english, "[INFOS]\r\n"));
  ASSERT_TRUE(files::create_folder(files::with_separator(lang) + "Folder.qlf"));
  ASSERT_TRUE(files::write_file(data / "Outside.qlf", ""));

  struct Case {
    const char* name;
    bool found;
  };
  const Case cases[] = {
      {"English", true}, {"english", true},  {"ENGLISH", true}, {"Engl", false},       {"English.qlf", false},
      {"*", false},      {"Engl?sh", false}, {"Folder", false}, {"../Outside", false}, {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(find_language_file(lang, c.name), c.found ? english : "") << c.name;
  }
  EXPECT_EQ(find_language_file(data / "no lang folder", "English"), "");
}

}  // namespace
}  // namespace orvx::lang
