// The system query under Wine's Windows XP: a supported system.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/system_check_win.h"

namespace orvx::app {
namespace {

TEST(SystemCheckWin, WindowsXpIsSupported) {
  SystemVersion system = query_system_version();
  EXPECT_EQ(system.platform_id, kPlatformNt);
  EXPECT_EQ(system.major, 5u);
  EXPECT_EQ(system.minor, 1u);
  EXPECT_EQ(system.product_type, kProductWorkstation);
  EXPECT_EQ(system.processor_architecture, kArchitectureIntel);
  EXPECT_TRUE(is_supported_system(system));
  // No message box: it would block the test until someone closes it.
  EXPECT_TRUE(confirm_supported_system());
}

}  // namespace
}  // namespace orvx::app
