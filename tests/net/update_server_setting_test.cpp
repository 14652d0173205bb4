// The update server as config.qcf names it, read at every use.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ini/ini_file.h"
#include "net/update_server.h"
#include "platform/files.h"
#include "net/update_server_setting.h"
#include "support/paths.h"

namespace orvx::net {
namespace {

TEST(ConfiguredUpdateServer, TheKeyWhenUsableOtherwiseTheBuiltInServer) {
  struct Case {
    std::optional<std::string> config;  // nullopt: no config.qcf
    std::string base;
  };
  const Case cases[] = {
      {std::nullopt, net::kBuiltInUpdateServer},
      {"[Settings]\r\nstd_profil=x\r\n", net::kBuiltInUpdateServer},
      {"[Settings]\r\nupdate_server=http://127.0.0.1/www/t\r\n", "http://127.0.0.1/www/t"},
      {"[settings]\r\nUPDATE_SERVER=http://mirror.test/orvx//\r\n", "http://mirror.test/orvx"},
      {"[Settings]\r\nupdate_server=ftp://mirror.test/orvx\r\n", net::kBuiltInUpdateServer},
      {"[Settings]\r\nupdate_server=\r\n", net::kBuiltInUpdateServer},
      {"[Other]\r\nupdate_server=http://mirror.test\r\n", net::kBuiltInUpdateServer},
  };
  for (const Case& c : cases) {
    test::TempFolder dir;
    const std::string config = dir / "config.qcf";
    if (c.config) {
      ASSERT_TRUE(files::write_file(config, *c.config));
    }
    EXPECT_EQ(configured_update_server(config), c.base) << c.config.value_or("<no file>");
  }
}

TEST(ConfiguredUpdateServer, IsReadAnewAtEveryUse) {
  test::TempFolder dir;
  const std::string config = dir / "config.qcf";
  EXPECT_EQ(configured_update_server(config), net::kBuiltInUpdateServer);
  ASSERT_TRUE(ini::write_string(config, "Settings", "update_server", "http://127.0.0.1/a"));
  EXPECT_EQ(configured_update_server(config), "http://127.0.0.1/a");
  ASSERT_TRUE(ini::write_string(config, "Settings", "update_server", "http://127.0.0.1/b"));
  EXPECT_EQ(configured_update_server(config), "http://127.0.0.1/b");
}

}  // namespace
}  // namespace orvx::net
