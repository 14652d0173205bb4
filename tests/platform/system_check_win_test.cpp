// The system query under Wine: the prefix the test scripts make is Windows
// XP for the 32-bit build and Vista for the 64-bit one, both supported.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/system_check_win.h"

namespace orvx {
namespace {

TEST(SystemCheckWin, ThePrefixSystemIsSupported) {
  const bool wide = kBuildPointerWidth == PointerWidth::kBits64;
  SystemVersion system = query_system_version();
  EXPECT_EQ(system.platform_id, kPlatformNt);
  EXPECT_EQ(system.major, wide ? 6u : 5u);
  EXPECT_EQ(system.minor, wide ? 0u : 1u);
  EXPECT_EQ(system.product_type, kProductWorkstation);
  EXPECT_EQ(system.processor_architecture, wide ? kArchitectureAmd64 : kArchitectureIntel);
  // On a refused system the confirmation would show a message box that
  // nobody closes: stop here instead.
  ASSERT_TRUE(is_supported_system(system, kBuildPointerWidth));
  EXPECT_TRUE(confirm_supported_system());
}

}  // namespace
}  // namespace orvx
