// Reading the update information file.
#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "support/paths.h"
#include "update/update_info.h"

namespace orvx::update {
namespace {

constexpr char kBase[] = "http://updates.test/orvx";

struct Case {
  const char* what;
  std::string text;
  const char* version;
  const char* up_infos;
  const char* dl_url;
};

TEST(ParseUpdateInfo, Table) {
  const Case cases[] = {
      {"all keys",
       "[Orvane]\r\nversion=1.3.0.0\r\nUP_INFOS=http://updates.test/news.html\r\nDL_Url=http://updates.test/"
       "OrvaneX.exe\r\n",
       "1.3.0.0", "http://updates.test/news.html", "http://updates.test/OrvaneX.exe"},
      {"section and keys in other cases", "[orvane]\nVERSION=2\ndl_url=http://h/x.exe\n", "2", kBase, "http://h/x.exe"},
      {"no keys", "[Orvane]\r\n", "0", kBase, "ERROR"},
      {"another section", "[Other]\r\nversion=9\r\n", "0", kBase, "ERROR"},
      {"an error page", "<html><body>Not Found</body></html>", "0", kBase, "ERROR"},
      {"empty", "", "0", kBase, "ERROR"},
      {"injected version kept as written", "[Orvane]\r\nversion=1.2.3.5 & del x\r\n", "1.2.3.5 & del x", kBase,
       "ERROR"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const UpdateInfo info = parse_update_info(c.text, kBase);
    EXPECT_EQ(info.version, c.version);
    // In this table "0" stands only for a version that is not there.
    EXPECT_EQ(info.version_given, std::string(c.version) != "0");
    EXPECT_EQ(info.up_infos, c.up_infos);
    EXPECT_EQ(info.dl_url, c.dl_url);
  }
}

TEST(ReadUpdateInfo, FromTheFileOrDefaults) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(dir / "update.dat", "[Orvane]\r\nversion=1.5\r\n"));
  EXPECT_EQ(read_update_info(dir / "update.dat", kBase).version, "1.5");
  const UpdateInfo missing = read_update_info(dir / "none.dat", kBase);
  EXPECT_EQ(missing.version, "0");
  EXPECT_EQ(missing.dl_url, "ERROR");
}

}  // namespace
}  // namespace orvx::update
