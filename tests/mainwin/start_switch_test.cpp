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
        SwitchCase{{}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"/u"}, "1.2.3.4", StartSwitch::Portable},
        SwitchCase{{"/auto"}, "1.2.3.4", StartSwitch::Autostart},
        SwitchCase{{"/dev"}, "1.2.3.4", StartSwitch::Template},
        SwitchCase{{"/1.2.3.4"}, "1.2.3.4", StartSwitch::Updated},
        // The update script starts a program written the old way with the
        // update switch alone, so it stays a normal start that announces the
        // update.
        SwitchCase{{"/1.2.3.4", "/u"}, "1.2.3.4", StartSwitch::Updated},
        // A portable program comes back from its update portable: the update
        // switch after "/u" counts too, and only the exact one.
        SwitchCase{{"/u", "/1.2.3.4"}, "1.2.3.4", StartSwitch::PortableUpdated},
        SwitchCase{{"/u", "/1.2.3.4", "/auto"}, "1.2.3.4", StartSwitch::PortableUpdated},
        SwitchCase{{"/u", "/1.2.3.5"}, "1.2.3.4", StartSwitch::Portable},
        SwitchCase{{"/u", "1.2.3.4"}, "1.2.3.4", StartSwitch::Portable},
        SwitchCase{{"/u", "/"}, "", StartSwitch::Portable},
        SwitchCase{{"/u", "", "/1.2.3.4"}, "1.2.3.4", StartSwitch::Portable},
        SwitchCase{{"/auto", "/1.2.3.4"}, "1.2.3.4", StartSwitch::Autostart},
        SwitchCase{{"/dev", "/1.2.3.4"}, "1.2.3.4", StartSwitch::Template},
        SwitchCase{{"/U", "/1.2.3.4"}, "1.2.3.4", StartSwitch::Normal},
        // Otherwise only the first argument is looked at.
        SwitchCase{{"/u", "/auto"}, "1.2.3.4", StartSwitch::Portable},
        SwitchCase{{"x", "/u"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"", "/auto"}, "1.2.3.4", StartSwitch::Normal},
        // Exact and case-sensitive.
        SwitchCase{{"/U"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"/Auto"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"/DEV"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"-u"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"/u "}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"/autostart"}, "1.2.3.4", StartSwitch::Normal},
        // Any other version after the "/" is a normal start.
        SwitchCase{{"/1.2.3.5"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"/1.2.3"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"/1.2.3.4.5"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"1.2.3.4"}, "1.2.3.4", StartSwitch::Normal},
        SwitchCase{{"//1.2.3.4"}, "1.2.3.4", StartSwitch::Normal},
        // Without a version of its own, a bare "/" is no update switch.
        SwitchCase{{"/"}, "", StartSwitch::Normal},
        SwitchCase{{"/"}, "1.2.3.4", StartSwitch::Normal}));

}  // namespace
}  // namespace orvx::mainwin
