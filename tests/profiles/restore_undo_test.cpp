// Taking back the latest restore: which arrangement the undo puts back after
// a sequence of restores, snaps, failed reads and hand moves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/profile_file.h"
#include "profiles/profile_store.h"
#include "profiles/restore_undo.h"
#include "profiles/save_restore.h"
#include "support/flow_world.h"

namespace orvx {
namespace {

using mainwin::test::FlowWorld;
using Item = icons::MemoryDesktop::Item;
using Items = std::vector<Item>;

// The world's desktop: Papierkorb (20, 10) and Arbeitsplatz (20, 90).
const Items kStart = {{"Papierkorb", {20, 10}}, {"Arbeitsplatz", {20, 90}}};
const Items kAfterA = {{"Papierkorb", {300, 400}}, {"Arbeitsplatz", {500, 600}}};
const Items kAfterAB = {{"Papierkorb", {1, 1}}, {"Arbeitsplatz", {500, 600}}};
const Items kAfterResolution = {{"Papierkorb", {20, 10}}, {"Arbeitsplatz", {700, 700}}};
const Items kAfterSnap = {{"Papierkorb", {0, 0}}, {"Arbeitsplatz", {0, 75}}};
const Items kHandMoved = {{"Papierkorb", {55, 55}}, {"Arbeitsplatz", {20, 90}}};

enum class Step {
  kRestoreA,            // the restore menu's profile "A"
  kRestoreB,            // profile "B", which names Papierkorb only
  kRestoreUnreachable,  // profile "B" while the desktop is out of reach
  kDisplayChange,       // the standard profile of the resolution
  kSnap,                // align to grid
  kHandMove,            // the user drags Papierkorb away
  kUndo,
};

struct Case {
  const char* what;
  std::vector<Step> steps;
  Items desktop;        // after the steps
  bool undo_available;  // after the steps
};

// The world's desktop with three profiles and a 75-pixel grid.
struct UndoWorld {
  UndoWorld() {
    EXPECT_TRUE(write_profile_file({{"Papierkorb", 300, 400}, {"Arbeitsplatz", 500, 600}}, world.profile_file("A"),
                                   {1920, 1080}, 1));
    EXPECT_TRUE(write_profile_file({{"Papierkorb", 1, 1}}, world.profile_file("B"), {1920, 1080}, 1));
    EXPECT_TRUE(write_profile_file({{"Arbeitsplatz", 700, 700}},
                                   world.profile_file(resolution_profile_name(world.screen.size)), {1920, 1080}, 1));
    world.desktop.set_grid_cell({75, 75});
  }

  void run(Step step) {
    const ProfileSession session = world.context().profiles();
    switch (step) {
      case Step::kRestoreA:
        restore_profile(session, world.profile_file("A"));
        break;
      case Step::kRestoreB:
        restore_profile(session, world.profile_file("B"));
        break;
      case Step::kRestoreUnreachable:
        world.desktop.set_reachable(false);
        restore_profile(session, world.profile_file("B"));
        world.desktop.set_reachable(true);
        break;
      case Step::kDisplayChange:
        restore_resolution_profile(session);
        break;
      case Step::kSnap:
        snap_icons_to_grid(session);
        break;
      case Step::kHandMove:
        world.desktop.set_items(kHandMoved);
        break;
      case Step::kUndo:
        undo_last_restore(session);
        break;
    }
  }

  FlowWorld world;
};

TEST(RestoreUndoSequence, UndoPutsBackWhatTheLatestRestoreReplaced) {
  using enum Step;
  const Case cases[] = {
      {"nothing done", {}, kStart, false},
      {"a restore", {kRestoreA}, kAfterA, true},
      {"restore, undo", {kRestoreA, kUndo}, kStart, false},
      {"restore, restore, undo", {kRestoreA, kRestoreB, kUndo}, kAfterA, false},
      {"restore, undo, restore, restore, undo", {kRestoreA, kUndo, kRestoreA, kRestoreB, kUndo}, kAfterA, false},
      {"a second undo does nothing", {kRestoreA, kUndo, kUndo}, kStart, false},
      {"an undo before any restore", {kUndo}, kStart, false},
      {"a restore that read nothing keeps the earlier one", {kRestoreA, kRestoreUnreachable, kUndo}, kStart, false},
      {"a failed first restore offers nothing", {kRestoreUnreachable}, kStart, false},
      {"after a display change", {kDisplayChange, kUndo}, kStart, false},
      {"display change after a restore", {kRestoreA, kDisplayChange, kUndo}, kAfterA, false},
      {"the snap to the grid", {kSnap}, kAfterSnap, true},
      {"the snap taken back", {kSnap, kUndo}, kStart, false},
      {"hand moves after the restore are undone too", {kRestoreA, kHandMove, kUndo}, kStart, false},
      {"a hand move before the restore is what comes back", {kHandMove, kRestoreB, kUndo}, kHandMoved, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UndoWorld fresh;
    for (Step step : c.steps) fresh.run(step);
    EXPECT_EQ(fresh.world.desktop.items(), c.desktop);
    EXPECT_EQ(fresh.world.restore_undo.available(), c.undo_available);
  }
}

TEST(RestoreUndoSequence, UndoTellsWhetherThereWasAnythingToPutBack) {
  UndoWorld world;
  const ProfileSession session = world.world.context().profiles();
  EXPECT_FALSE(undo_last_restore(session));
  restore_profile(session, world.world.profile_file("A"));
  EXPECT_TRUE(undo_last_restore(session));
  EXPECT_FALSE(undo_last_restore(session));
}

// A restore can only find the first icon of a caption (letters compared
// without regard to case); the undo must not carry it off to the place of a
// later one of the same caption.
TEST(RestoreUndo, OnlyTheFirstIconOfACaptionIsKept) {
  RestoreUndo undo;
  undo.keep(DesktopIcons{{"Ordner", 1, 1}, {"Papierkorb", 2, 2}, {"ORDNER", 3, 3}, {"ordner", 4, 4}});
  const std::optional<DesktopIcons> kept = undo.take();
  ASSERT_TRUE(kept);
  ASSERT_EQ(kept->size(), 2u);
  EXPECT_EQ((*kept)[0].caption, "Ordner");
  EXPECT_EQ((*kept)[0].x, 1);
  EXPECT_EQ((*kept)[1].caption, "Papierkorb");
}

TEST(RestoreUndo, AnEmptyReadKeepsTheEarlierArrangement) {
  RestoreUndo undo;
  undo.keep(DesktopIcons{{"Papierkorb", 5, 6}});
  undo.keep(DesktopIcons{});
  undo.keep(std::nullopt);
  ASSERT_TRUE(undo.available());
  EXPECT_EQ(undo.take()->front().x, 5);
  EXPECT_FALSE(undo.available());
}

}  // namespace
}  // namespace orvx
