// What the Update section reads and shows without its windows: the update
// server from config.qcf, and the gauge's percentage of a download.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "net/update_server.h"
#include "platform/files.h"
#include "settings/update_gauge.h"
#include "net/update_server_setting.h"
#include "support/paths.h"

namespace orvx::settings {
namespace {

TEST(ConfiguredUpdateServer, TakesAUsableAddressFromConfigAndElseTheBuiltInOne) {
  struct Case {
    const char* what;
    std::string file;  // config.qcf's bytes; empty: no file
    std::string expected;
  };
  const Case cases[] = {
      {"no file", "", net::kBuiltInUpdateServer},
      {"no key", "[Settings]\r\nlive_desktop=1\r\n", net::kBuiltInUpdateServer},
      {"a test server", "[Settings]\r\nupdate_server=http://127.0.0.9/www/t\r\n", "http://127.0.0.9/www/t"},
      {"trailing slashes go", "[settings]\r\nUPDATE_SERVER=http://mirror.test/orvx//\r\n", "http://mirror.test/orvx"},
      {"another section", "[Other]\r\nupdate_server=http://mirror.test\r\n", net::kBuiltInUpdateServer},
      {"not http", "[Settings]\r\nupdate_server=ftp://mirror.test\r\n", net::kBuiltInUpdateServer},
      {"a blank inside", "[Settings]\r\nupdate_server=http://mirror.test/a b\r\n", net::kBuiltInUpdateServer},
      {"empty", "[Settings]\r\nupdate_server=\r\n", net::kBuiltInUpdateServer},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder dir;
    const std::string config = dir / "config.qcf";
    if (!c.file.empty()) {
      ASSERT_TRUE(files::write_file(config, c.file));
    }
    EXPECT_EQ(net::configured_update_server(config), c.expected);
  }
}

TEST(UpdateGauge, ShowsTheShareReadInPercent) {
  struct Case {
    int32_t maximum;
    int32_t position;
    int percent;
  };
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const Case cases[] = {
      {0, 0, 0},         {0, 500, 0},       {-1, 10, 0},          {1000, 0, 0},      {1000, 1, 0},  {1000, 999, 99},
      {1000, 1000, 100}, {1000, 4000, 100}, {kMax, kMax / 2, 49}, {kMax, kMax, 100}, {1000, -5, 0},
  };
  for (const Case& c : cases) {
    UpdateGauge gauge;
    gauge.set(c.maximum, c.position);
    EXPECT_EQ(gauge.percent(), c.percent) << c.maximum << " " << c.position;
    EXPECT_EQ(gauge.position(), c.position);
  }
}

}  // namespace
}  // namespace orvx::settings
