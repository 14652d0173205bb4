// The arrangement guard and the one-time snap against the in-memory desktop.
#include <gtest/gtest.h>

#include "icons/arrangement_guard.h"
#include "icons/memory_desktop.h"
#include "support/scripted_prompts.h"

namespace orvx::icons {
namespace {

TEST(CheckDesktopArrangement, WarnsOnceWhenEitherModeIsOn) {
  struct Case {
    ArrangementModes modes;
    bool passes;
  };
  for (Case c : {Case{{false, false}, true}, Case{{true, false}, false}, Case{{false, true}, false},
                 Case{{true, true}, false}}) {
    MemoryDesktop desktop({{"A", {1, 1}}});
    desktop.set_arrangement_modes(c.modes);
    test::ScriptedPrompts prompts;
    EXPECT_EQ(check_desktop_arrangement(desktop, prompts, "warn"), c.passes);
    const size_t warnings = c.passes ? 0 : 1;
    ASSERT_EQ(prompts.shown.size(), warnings) << c.modes.auto_arrange << c.modes.snap_to_grid;
    if (warnings) {
      EXPECT_EQ(prompts.shown[0].kind, "message");
      EXPECT_EQ(prompts.shown[0].text, "warn");
    }
  }
}

TEST(CheckDesktopArrangement, NoViewPassesSilently) {
  MemoryDesktop desktop;
  desktop.set_arrangement_modes({true, true});
  desktop.set_reachable(false);
  test::ScriptedPrompts prompts;
  EXPECT_TRUE(check_desktop_arrangement(desktop, prompts));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST(CheckDesktopArrangement, BuiltInWarningIsTheGermanText) {
  MemoryDesktop desktop;
  desktop.set_arrangement_modes({true, false});
  test::ScriptedPrompts prompts;
  ASSERT_FALSE(check_desktop_arrangement(desktop, prompts));
  ASSERT_EQ(prompts.shown.size(), 1u);
  const std::string& text = prompts.shown[0].text;
  EXPECT_EQ(text, arrangement_warning_text());
  // Windows-1252 bytes, and the pieces joined by " \r", " \r\n\r" and "\r\n\r".
  EXPECT_EQ(text.substr(0, 76), "\"Orvane X\" hat Einstellungen gefunden die den einwandfreien Betrieb st\xF6ren. ");
  EXPECT_NE(text.find("deaktivieren. \rDazu gehen Sie"), std::string::npos);
  EXPECT_NE(text.find("\"Am Raster ausrichten\" deaktivieren. \r\n\rBitte f\xFChre Sie diese \xC4nderungen"),
            std::string::npos);
  EXPECT_NE(text.find("sicherzustellen.\r\n\rKlicken Sie"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\r\n\rKlicken Sie auf OK wenn Sie die Einstellungen get\xE4tigt haben."));
  EXPECT_EQ(text.find("\n\n"), std::string::npos);
}

TEST(SnapDesktopIconsToGrid, SnapsOnceWithoutSwitchingTheModeOn) {
  MemoryDesktop desktop({{"A", {37, -38}}, {"B", {151, 112}}});
  desktop.set_grid_cell({75, 75});
  snap_desktop_icons_to_grid(desktop);
  EXPECT_EQ(desktop.items()[0].position, (IconPoint{0, -75}));
  EXPECT_EQ(desktop.items()[1].position, (IconPoint{150, 75}));
  test::ScriptedPrompts prompts;
  EXPECT_TRUE(check_desktop_arrangement(desktop, prompts));  // a following restore is not refused
  EXPECT_TRUE(prompts.shown.empty());

  MemoryDesktop gone({{"A", {37, 38}}});
  gone.set_reachable(false);
  snap_desktop_icons_to_grid(gone);
  EXPECT_EQ(gone.items()[0].position, (IconPoint{37, 38}));
  EXPECT_EQ(gone.snap_count(), 0);
}

}  // namespace
}  // namespace orvx::icons
