// Which downloads count as the language file that was asked for.
#include <gtest/gtest.h>

#include <string>

#include "lang_online/language_file_check.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx::lang_online {
namespace {

struct Case {
  const char* what;
  std::string content;
  const char* name;
  bool accepted;
};

TEST(IsLanguageFileFor, Table) {
  const std::string good = "[INFOS]\r\nlang=English\r\npublisher=Max\r\norv_v=1.02\r\n[misc]\r\nMSDLG_0=Choose\r\n";
  const Case cases[] = {
      {"the file asked for", good, "English", true},
      {"name in another case", good, "english", true},
      {"Windows-1252 name",
       "[INFOS]\nlang=Fran\xE7"
       "ais\n",
       "FRAN\xC7"
       "AIS",
       true},
      {"another language", good, "francais", false},
      {"no INFOS section", "[misc]\r\nlang=English\r\n", "English", false},
      {"INFOS without lang", "[INFOS]\r\npublisher=Max\r\n", "English", false},
      {"empty lang for an empty name", "[INFOS]\r\nlang=\r\n", "", false},
      {"an error page", "<html><body>404 Not Found</body></html>", "English", false},
      {"empty file", "", "English", false},
      {"NUL inside", std::string("[INFOS]\r\nlang=English\r\n\0\0", 25), "English", false},
      {"UTF-16 text", std::string("\xFF\xFE[\0I\0N\0F\0O\0S\0]\0", 16), "English", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(is_language_file_for(c.content, c.name), c.accepted);
  }
}

TEST(LanguageFileIsFor, ReadsTheFile) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(dir / "got.qlf", "[INFOS]\r\nlang=english\r\n"));
  EXPECT_TRUE(language_file_is_for(dir / "got.qlf", "English"));
  EXPECT_FALSE(language_file_is_for(dir / "got.qlf", "francais"));
  EXPECT_FALSE(language_file_is_for(dir / "missing.qlf", "english"));
}

}  // namespace
}  // namespace orvx::lang_online
