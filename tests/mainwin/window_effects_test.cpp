// Translucency and the drop shadow as numbers.
#include <gtest/gtest.h>

#include "mainwin/translucency.h"
#include "mainwin/window_effects.h"

namespace orvx::mainwin {
namespace {

TEST(Translucency, AlphaFallsWithThePercentage) {
  struct Case {
    int percent;
    int alpha;
  };
  const Case cases[] = {{0, 255}, {1, 252}, {25, 191}, {50, 127}, {99, 2}, {100, 0}, {101, 0}, {255, 0}, {-5, 255}};
  for (const Case& c : cases) EXPECT_EQ(alpha_for_translucency(c.percent), c.alpha) << c.percent;
}

TEST(Translucency, PlanDependsOnSystemWindowAndAutoOpaque) {
  using Step = TranslucencyStep;
  struct Case {
    bool available, window, auto_opaque;
    int percent;
    TranslucencyPlan plan;
  };
  const Case cases[] = {
      {false, true, false, 25, {Step::kNothing, 255}}, {true, false, false, 25, {Step::kNothing, 255}},
      {true, true, false, 0, {Step::kSetAlpha, 255}},  // stays layered while opaque
      {true, true, false, 25, {Step::kSetAlpha, 191}}, {true, true, true, 0, {Step::kRemoveLayering, 255}},
      {true, true, true, 25, {Step::kSetAlpha, 191}},  {false, true, true, 0, {Step::kNothing, 255}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plan_translucency(c.available, c.window, c.auto_opaque, c.percent), c.plan)
        << c.available << c.window << c.auto_opaque << " " << c.percent;
  }
}

TEST(WindowEffects, DropShadowOnlyOnWindowsXp) {
  struct Case {
    uint32_t major, minor;
    uint32_t style;
  };
  const Case cases[] = {{4, 0, 0x8}, {5, 0, 0x8}, {5, 1, 0x20008}, {5, 2, 0x8}, {6, 0, 0x8}};
  for (const Case& c : cases) {
    SystemVersion system;
    system.major = c.major;
    system.minor = c.minor;
    EXPECT_EQ(main_window_class_style(0x8, system), c.style) << c.major << "." << c.minor;
  }
}

}  // namespace
}  // namespace orvx::mainwin
