// The update server's base address: built in, or the one configured.
#include <gtest/gtest.h>

#include "net/update_server.h"

namespace orvx::net {
namespace {

TEST(UpdateServerBase, ConfiguredWhenUsableOtherwiseBuiltIn) {
  const std::pair<const char*, const char*> cases[] = {
      {"http://127.0.0.1/orvx", "http://127.0.0.1/orvx"},
      {"http://127.0.0.1/orvx/", "http://127.0.0.1/orvx"},
      {"HTTP://mirror.test", "HTTP://mirror.test"},
      {"http://mirror.test//", "http://mirror.test"},
      {"", kBuiltInUpdateServer},
      {"http://", kBuiltInUpdateServer},
      {"http:///x", kBuiltInUpdateServer},
      {"https://mirror.test", kBuiltInUpdateServer},
      {"ftp://mirror.test", kBuiltInUpdateServer},
      {"mirror.test", kBuiltInUpdateServer},
      {"http://mirror.test/a b", kBuiltInUpdateServer},
      {"http://mirror.test/\r\nx", kBuiltInUpdateServer},
  };
  for (const auto& [configured, base] : cases) {
    SCOPED_TRACE(configured);
    EXPECT_EQ(update_server_base(configured), base);
  }
  EXPECT_EQ(update_server_url(update_server_base(""), "/lang.dat"), std::string(kBuiltInUpdateServer) + "/lang.dat");
}

}  // namespace
}  // namespace orvx::net
