// The supported systems: NT 4.x, 2000, XP and Vista workstation, of the
// program's own pointer width.
#include <cctype>
#include <string>

#include <gtest/gtest.h>

#include "platform/system_check.h"

namespace orvx {
namespace {

struct SystemCase {
  const char* name;
  SystemVersion system;
  bool supported;
  PointerWidth program = PointerWidth::kBits32;
};

constexpr PointerWidth k64 = PointerWidth::kBits64;

constexpr SystemVersion nt(uint32_t major, uint32_t minor, uint8_t product = kProductWorkstation,
                           uint16_t architecture = kArchitectureIntel) {
  return {architecture, kPlatformNt, major, minor, product};
}

class SystemCheckTest : public testing::TestWithParam<SystemCase> {};

TEST_P(SystemCheckTest, Classifies) {
  EXPECT_EQ(is_supported_system(GetParam().system, GetParam().program), GetParam().supported) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SystemCheckTest,
    testing::Values(
        SystemCase{"Win32s", {kArchitectureIntel, kPlatformWin32s, 3, 10, 0}, false},
        SystemCase{"95", {kArchitectureIntel, kPlatformWindows, 4, 0, 0}, false},
        SystemCase{"98", {kArchitectureIntel, kPlatformWindows, 4, 10, 0}, false},
        SystemCase{"Me", {kArchitectureIntel, kPlatformWindows, 4, 90, 0}, false},
        SystemCase{"NT 3.51", nt(3, 51), false}, SystemCase{"NT 4.0", nt(4, 0), true},
        SystemCase{"NT 4.0 without product type", nt(4, 0, 0), true},
        SystemCase{"NT 4.0 server", nt(4, 0, kProductServer), true}, SystemCase{"NT 4.x", nt(4, 7), true},
        SystemCase{"2000", nt(5, 0), true}, SystemCase{"2000 server", nt(5, 0, kProductServer), true},
        SystemCase{"XP", nt(5, 1), true}, SystemCase{"XP without product type", nt(5, 1, 0), true},
        SystemCase{"Server 2003 and XP x64", nt(5, 2), false},
        SystemCase{"Server 2003 domain controller", nt(5, 2, kProductDomainController), false},
        SystemCase{"Vista", nt(6, 0), true}, SystemCase{"Server 2008", nt(6, 0, kProductServer), false},
        SystemCase{"Server 2008 domain controller", nt(6, 0, kProductDomainController), false},
        SystemCase{"6.0 of unknown product type", nt(6, 0, 0), false}, SystemCase{"7", nt(6, 1), false},
        SystemCase{"8", nt(6, 2), false}, SystemCase{"10", nt(10, 0), false},
        SystemCase{"XP x64 seen from emulation", nt(5, 1, kProductWorkstation, kArchitectureAmd64), false},
        SystemCase{"Vista x64", nt(6, 0, kProductWorkstation, kArchitectureAmd64), false},
        SystemCase{"XP on Itanium", nt(5, 1, kProductWorkstation, kArchitectureIa64), false},
        SystemCase{"2000 on Itanium", nt(5, 0, kProductWorkstation, kArchitectureIa64), false},
        SystemCase{"Unknown architecture counts as 32-bit", nt(5, 1, kProductWorkstation, 0xFFFF), true},
        // The 64-bit build: the same versions, on a 64-bit system only.
        SystemCase{"64-bit program on Vista x64", nt(6, 0, kProductWorkstation, kArchitectureAmd64), true, k64},
        SystemCase{"64-bit program on Vista on Itanium", nt(6, 0, kProductWorkstation, kArchitectureIa64), true, k64},
        SystemCase{"64-bit program on 32-bit Vista", nt(6, 0), false, k64},
        SystemCase{"64-bit program on 32-bit XP", nt(5, 1), false, k64},
        SystemCase{"64-bit program on XP x64", nt(5, 2, kProductWorkstation, kArchitectureAmd64), false, k64},
        SystemCase{"64-bit program on Server 2008 x64", nt(6, 0, kProductServer, kArchitectureAmd64), false, k64},
        SystemCase{"64-bit program on 7 x64", nt(6, 1, kProductWorkstation, kArchitectureAmd64), false, k64}),
    [](const testing::TestParamInfo<SystemCase>& info) {
      std::string name;
      for (char c : std::string(info.param.name)) name += std::isalnum(uint8_t(c)) ? c : '_';
      return name;
    });

TEST(SystemCheckMessage, IsBothLanguagesSeparatedByFourCarriageReturns) {
  EXPECT_EQ(std::string(kUnsupportedSystemMessage),
            "This Operatingsystem is doesn't supportet!\r\r\r\r"
            "Dieses Betriebsystem wird nicht unterst\xFCtzt!");
}

}  // namespace
}  // namespace orvx
