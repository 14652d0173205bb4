// Which offered versions lead to an update.
#include <gtest/gtest.h>

#include <string>

#include "update/version_check.h"

namespace orvx::update {
namespace {

struct Case {
  std::string offered;
  bool plain;
  bool offered_to_1_2_3_4;  // update_offered("1.2.3.4", offered)
};

TEST(UpdateOffered, Table) {
  const Case cases[] = {
      {"1.2.3.5", true, true},
      {"1.2.4", true, true},     // 1.2.4.0
      {"1.2.3.10", true, true},  // parts compare as numbers
      {"2", true, true},
      {"01.02.03.05", true, true},
      {"99999.0.0.0", true, true},
      {"1.2.3.4", true, false},
      {"1.2.3.3", true, false},
      {"1.2", true, false},
      {"0", true, false},
      {"1.2.3.x", false, false},
      {"", false, false},
      {".", false, false},
      {"1..2", false, false},
      {"1.2.", false, false},
      {".1.2", false, false},
      {"1.2.3.4.5", false, false},  // five parts
      {"100000.0", false, false},   // six digits
      {"2.0.0.0 ", false, false},
      {" 2.0", false, false},
      {"+2", false, false},
      {"-2", false, false},
      {"2,0", false, false},
      {"1.2.3.4 & del x", false, false},
      {"1.2.3.5 & del x", false, false},
      {"1.2.3.5\"", false, false},
      {"1.2.3.5\r\nx", false, false},
      {"1.2.3.5\n", false, false},
      {"1.2.3.5%PATH%", false, false},
      {std::string("2\0", 2), false, false},
      {std::string(200, '9'), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offered.substr(0, 30));
    EXPECT_EQ(is_plain_version(c.offered), c.plain);
    EXPECT_EQ(update_offered("1.2.3.4", c.offered), c.offered_to_1_2_3_4);
  }
}

}  // namespace
}  // namespace orvx::update
