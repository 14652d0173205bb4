// The rows of the installed-languages list over a small lang folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang_online/language_list.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::lang_online {
namespace {

LanguageRow german() { return {"german", "Quillfen", "Up to date"}; }

// The status of one language file by its INFOS orv_v line ("" for none).
struct VersionCase {
  const char* orv_v_line;
  const char* status;
};

TEST(FillLanguageList, StatusByFileVersion) {
  const VersionCase cases[] = {
      {"", "outdated"},             // no orv_v: "0"
      {"orv_v=1.2", "Up to date"},  // 1.2 equals 1.02
      {"orv_v=1.02", "Up to date"},
      {"orv_v=1.01", "outdated"},
      {"orv_v=1.03", "Up to date"},
      {"orv_v=2", "Up to date"},
      {"orv_v=", "Up to date"},     // present but empty: not comparable
      {"orv_v=new", "Up to date"},  // not a number: not comparable
      {"orv_v=0.99.9", "outdated"},
  };
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.orv_v_line);
    test::TempFolder lang;
    ASSERT_TRUE(files::write_file(lang / "Polski.qlf",
                                  std::string("[INFOS]\r\nlang=Polski\r\npublisher=Ola\r\n") + c.orv_v_line + "\r\n"));
    const std::vector<LanguageRow> expected = {german(), {"Polski", "Ola", c.status}};
    EXPECT_EQ(fill_language_list(lang.path()), expected);
  }
}

TEST(FillLanguageList, OnlyTheShippedFileGivesTwoRows) {
  test::TempFolder lang;
  ASSERT_TRUE(
      files::write_file(lang / "English.qlf", "[INFOS]\r\nlang=English\r\npublisher=Jon Doe\r\norv_v=1.02\r\n"));
  const std::vector<LanguageRow> expected = {{"English", "Jon Doe", "Up to date"}, german()};
  EXPECT_EQ(fill_language_list(lang.path()), expected);
}

TEST(FillLanguageList, SortedWithoutRegardToCaseAndMissingKeysAreNa) {
  test::TempFolder lang;
  ASSERT_TRUE(files::write_file(lang / "a.qlf", "[INFOS]\r\nlang=zulu\r\norv_v=1.02\r\n"));
  ASSERT_TRUE(files::write_file(lang / "b.qlf", "[INFOS]\r\nlang=Dansk\r\npublisher=Ib\r\norv_v=1.02\r\n"));
  ASSERT_TRUE(files::write_file(lang / "c.qlf", "<html>not a language file</html>"));
  ASSERT_TRUE(files::write_file(lang / "notes.txt", "[INFOS]\r\nlang=Ignored\r\n"));
  ASSERT_TRUE(files::create_folder(lang / "sub.qlf"));
  const std::vector<LanguageRow> expected = {
      {"Dansk", "Ib", "Up to date"},
      german(),
      {"n/a", "n/a", "outdated"},
      {"zulu", "n/a", "Up to date"},
  };
  EXPECT_EQ(fill_language_list(lang.path()), expected);
}

TEST(FillLanguageList, MissingFolderListsGermanOnly) {
  test::TempFolder dir;
  EXPECT_EQ(fill_language_list(dir / "lang"), std::vector<LanguageRow>{german()});
}

}  // namespace
}  // namespace orvx::lang_online
