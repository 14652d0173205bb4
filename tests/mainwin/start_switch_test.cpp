// Which switch a start takes from its arguments.
#include <gtest/gtest.h>

#include "mainwin/start_switch.h"

namespace orvx::mainwin {
namespace {

struct SwitchCase {
  std::vector<std::string> arguments;
  const char* own_version;
  StartSwitch expected;
};

class StartSwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(StartSwitchTest, SwitchesCountExactlyAsWritten) {
  const SwitchCase& c = GetParam();
  EXPECT_EQ(classify_start_switch(c.arguments, c.own_version), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartSwitchTest,
    testing::Values(
        SwitchCase{{}, "1.2.3.4", StartSwitch::kNormal}, SwitchCase{{"/u"}, "1.2.3.4", StartSwitch::kPortable},
        SwitchCase{{"/auto"}, "1.2.3.4", StartSwitch::kAutostart},
        SwitchCase{{"/dev"}, "1.2.3.4", StartSwitch::kTemplate},
        SwitchCase{{"/1.2.3.4"}, "1.2.3.4", StartSwitch::kUpdated},
        // The update script starts a program written the old way with the
        // update switch alone, so it stays a normal start that announces the
        // update.
        SwitchCase{{"/1.2.3.4", "/u"}, "1.2.3.4", StartSwitch::kUpdated},
        // A portable program comes back from its update portable: the update
        // switch after "/u" counts too, and only the exact one.
        SwitchCase{{"/u", "/1.2.3.4"}, "1.2.3.4", StartSwitch::kPortableUpdated},
        SwitchCase{{"/u", "/1.2.3.4", "/auto"}, "1.2.3.4", StartSwitch::kPortableUpdated},
        SwitchCase{{"/u", "/1.2.3.5"}, "1.2.3.4", StartSwitch::kPortable},
        SwitchCase{{"/u", "1.2.3.4"}, "1.2.3.4", StartSwitch::kPortable},
        SwitchCase{{"/u", "/"}, "", StartSwitch::kPortable},
        SwitchCase{{"/u", "", "/1.2.3.4"}, "1.2.3.4", StartSwitch::kPortable},
        SwitchCase{{"/auto", "/1.2.3.4"}, "1.2.3.4", StartSwitch::kAutostart},
        SwitchCase{{"/dev", "/1.2.3.4"}, "1.2.3.4", StartSwitch::kTemplate},
        SwitchCase{{"/U", "/1.2.3.4"}, "1.2.3.4", StartSwitch::kNormal},
        // Otherwise only the first argument is looked at.
        SwitchCase{{"/u", "/auto"}, "1.2.3.4", StartSwitch::kPortable},
        SwitchCase{{"x", "/u"}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"", "/auto"}, "1.2.3.4", StartSwitch::kNormal},
        // Exact and case-sensitive.
        SwitchCase{{"/U"}, "1.2.3.4", StartSwitch::kNormal}, SwitchCase{{"/Auto"}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"/DEV"}, "1.2.3.4", StartSwitch::kNormal}, SwitchCase{{"-u"}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"/u "}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"/autostart"}, "1.2.3.4", StartSwitch::kNormal},
        // Any other version after the "/" is a normal start.
        SwitchCase{{"/1.2.3.5"}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"/1.2.3"}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"/1.2.3.4.5"}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"1.2.3.4"}, "1.2.3.4", StartSwitch::kNormal},
        SwitchCase{{"//1.2.3.4"}, "1.2.3.4", StartSwitch::kNormal},
        // Without a version of its own, a bare "/" is no update switch.
        SwitchCase{{"/"}, "", StartSwitch::kNormal}, SwitchCase{{"/"}, "1.2.3.4", StartSwitch::kNormal}));

}  // namespace
}  // namespace orvx::mainwin
