// Desktop icon access under Wine, against the stand-in desktop in its own
// process. Every result is checked against the stand-in's own report, which
// it reads in its own process and never through the code under test.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "icons/arrangement_guard.h"
#include "icons/desktop_window_win.h"
#include "icons/icon_operations.h"
#include "icons/minidesk_icons.h"
#include "icons/remote_buffer_win.h"
#include "icons/shell_desktop_access_win.h"
#include "icons/shell_list_view_win.h"
#include "platform/scoped_win.h"
#include "support/desktop_icon_rows.h"
#include "platform/system_error.h"
#include "standin_shared/standin_client_win.h"
#include "standin_shared/standin_protocol.h"
#include "support/scripted_prompts.h"

namespace orvx::icons {
namespace {

using standin::StandinDesktop;
using standin::StandinItem;

using test::rows;

// What ReadDesktopIcons must deliver for the stand-in's items.
std::vector<test::IconRow> as_read(const std::vector<StandinItem>& items) {
  std::vector<test::IconRow> rows;
  for (const StandinItem& item : items) rows.emplace_back(item.caption.substr(0, 254), item.x, item.y);
  return rows;
}

std::vector<StandinItem> sample_items() {
  std::vector<StandinItem> items = {
      {"Arbeitsplatz", 20, 20},
      {"Papierkorb", 20, 110},
      {"Steuererkl\xE4rung 2006.xls", -1200, 300},
      {"", 400, -40},
      {"Papierkorb", 500, 500},
      {std::string(300, 'L'), 600, 100},
      {"\xC4rger.txt", 32767, -32768},
  };
  // Enough items to fill more than one round of the batched read.
  for (int i = 0; i < 30; ++i) items.push_back({"Datei " + std::to_string(i) + ".doc", 100 + 7 * i, 600 - 5 * i});
  return items;
}

// One stand-in per test suite, started by the first test and ended after
// the suite's last; each test starts from the sample items, both modes off.
class ShellDesktop : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { standin_.reset(); }

  void SetUp() override {
    if (!standin_) {
      ASSERT_NO_THROW(standin_ = std::make_unique<StandinDesktop>(options()));
    }
    standin().set_modes(false, false);
    standin().echo_to(nullptr);
    ASSERT_EQ(standin().load(sample_items()), static_cast<int>(sample_items().size()));
  }

  virtual standin::StandinOptions options() const { return {}; }
  static StandinDesktop& standin() { return *standin_; }

  ShellDesktopAccess access_;

 private:
  static inline std::unique_ptr<StandinDesktop> standin_;
};

TEST_F(ShellDesktop, ReadsEveryItemAsTheDesktopHoldsIt) {
  const std::vector<StandinItem> truth = standin().report();
  ASSERT_EQ(truth.size(), sample_items().size());
  EXPECT_EQ(truth[5].caption.size(), 300u);  // the stand-in holds the whole caption
  auto icons = read_desktop_icons(access_);
  ASSERT_TRUE(icons);
  EXPECT_EQ(rows(*icons), as_read(truth));
  EXPECT_EQ((*icons)[5].caption, std::string(254, 'L'));
  EXPECT_FALSE(access_.cycle_in_progress());
}

TEST_F(ShellDesktop, EmptyDesktopReadsAsEmpty) {
  standin().load({});
  auto icons = read_desktop_icons(access_);
  ASSERT_TRUE(icons);
  EXPECT_TRUE(icons->empty());
}

TEST_F(ShellDesktop, MovesTheFirstIconOfACaptionInAnyLetterCase) {
  struct Case {
    std::string caption;
    IconPoint to;
    size_t index;
    IconPoint lands;
  };
  const Case cases[] = {
      {"PAPIERKORB", {-1200, 300}, 1, {-1200, 300}},
      {"arbeitsPLATZ", {40000, 70}, 0, {-25536, 70}},
      {"\xE4rger.TXT", {15, -7}, 6, {15, -7}},
  };
  for (const Case& c : cases) {
    std::vector<StandinItem> expected = standin().report();
    move_desktop_icon(access_, c.caption, c.to);
    expected[c.index].x = c.lands.x;
    expected[c.index].y = c.lands.y;
    EXPECT_EQ(standin().report(), expected) << c.caption;
  }
}

TEST_F(ShellDesktop, UnknownCaptionMovesNothing) {
  const std::vector<StandinItem> before = standin().report();
  move_desktop_icon(access_, "Nicht da", {5, 5});
  move_desktop_icon(access_, std::string(261, 'L'), {5, 5});
  EXPECT_EQ(standin().report(), before);
}

TEST_F(ShellDesktop, RestoreBringsBackASavedLayout) {
  auto saved = read_desktop_icons(access_);
  ASSERT_TRUE(saved);
  for (int i = 0; i < static_cast<int>(saved->size()); ++i) ASSERT_TRUE(standin().move(i, 900 - i, 9 * i));
  DesktopIcons list = *saved;
  list.push_back({"Gibt es nicht", 1, 1});  // named, but gone from the desktop

  restore_desktop_icons(access_, list);

  std::vector<StandinItem> expected = standin().report();
  for (size_t i = 0; i < saved->size(); ++i) {
    expected[i].x = (*saved)[i].x;
    expected[i].y = (*saved)[i].y;
  }
  // The second "Papierkorb" cannot be found: the first one takes both
  // entries and ends at the later one's place; the second stays moved.
  expected[1].x = (*saved)[4].x;
  expected[1].y = (*saved)[4].y;
  expected[4].x = 900 - 4;
  expected[4].y = 9 * 4;
  // The 300-character caption was saved cut to 254 and finds nothing.
  expected[5].x = 900 - 5;
  expected[5].y = 9 * 5;
  EXPECT_EQ(standin().report(), expected);
}

TEST_F(ShellDesktop, MapReadStoresTheDesktopAndBuildsTheMap) {
  int builds = 0;
  DesktopIcons map;
  ASSERT_TRUE(read_minidesk_icons(access_, [&](const DesktopIcons& icons) {
    ++builds;
    map = icons;
  }));
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(rows(map), as_read(standin().report()));
}

TEST_F(ShellDesktop, FindsTheStandinsListViewWithoutActiveDesktop) {
  EXPECT_FALSE(is_active_desktop_on());
  EXPECT_EQ(find_desktop_list_view(), standin().list_view());
}

TEST_F(ShellDesktop, WarnsOnceWhenEitherArrangementModeIsOn) {
  struct Case {
    bool auto_arrange;
    bool snap_to_grid;
  };
  for (Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
    standin().set_modes(c.auto_arrange, c.snap_to_grid);
    ASSERT_EQ(standin().modes().auto_arrange, c.auto_arrange);
    ASSERT_EQ(standin().modes().snap_to_grid, c.snap_to_grid);
    test::ScriptedPrompts prompts;
    const bool on = c.auto_arrange || c.snap_to_grid;
    EXPECT_EQ(check_desktop_arrangement(access_, prompts), !on);
    ASSERT_EQ(prompts.shown.size(), on ? 1u : 0u) << c.auto_arrange << c.snap_to_grid;
    if (on) {
      EXPECT_EQ(prompts.shown[0].text, arrangement_warning_text());
    }
  }
}

TEST_F(ShellDesktop, SnapArrangesOnceAndLeavesTheModesOff) {
  const std::vector<StandinItem> before = standin().report();
  const int snaps = standin().snap_count();
  snap_desktop_icons_to_grid(access_);
  EXPECT_EQ(standin().snap_count(), snaps + 1);
  EXPECT_NE(standin().report(), before);
  EXPECT_FALSE(standin().modes().snap_to_grid);
  test::ScriptedPrompts prompts;
  EXPECT_TRUE(check_desktop_arrangement(access_, prompts));
}

// A window of the test's own that runs `handler` for every message it gets.
class MessageWindow {
 public:
  explicit MessageWindow(std::function<void(UINT)> handler) : handler_(std::move(handler)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvaneXTestMessageWindow";
    RegisterClassA(&wc);
    window_.reset(CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this));
  }
  HWND get() const { return window_.get(); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams));
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message >= 0xC000) self->handler_(message);
    return DefWindowProcA(window, message, wparam, lparam);
  }
  std::function<void(UINT)> handler_;
  win::ScopedWindow window_;
};

TEST_F(ShellDesktop, OperationsStartedDuringACycleDoNothing) {
  // The stand-in sends a message back to this thread while it handles the
  // item count of a read; its handler starts more operations, as a
  // display-change handler of the main window could.
  const UINT echo = RegisterWindowMessageA(standin::kEchoMessage);
  int echoes = 0;
  MessageWindow window([&](UINT message) {
    if (message != echo) return;
    ++echoes;
    EXPECT_FALSE(read_desktop_icons(access_));
    restore_desktop_icons(access_, {{"Arbeitsplatz", 777, 777}});
    EXPECT_TRUE(access_.cycle_in_progress());  // the outer cycle goes on
  });
  ASSERT_TRUE(window.get());
  standin().echo_to(window.get());
  auto icons = read_desktop_icons(access_);
  standin().echo_to(nullptr);

  EXPECT_EQ(echoes, 1);
  ASSERT_TRUE(icons);
  const std::vector<StandinItem> truth = standin().report();
  EXPECT_EQ(rows(*icons), as_read(truth));
  EXPECT_EQ(truth[0].x, 20);
  EXPECT_FALSE(access_.cycle_in_progress());
}

TEST_F(ShellDesktop, FailedReservationRaisesTheSystemError) {
  ShellDesktopAccess greedy(~SIZE_T{0xFFFF});  // more than any process can reserve
  try {
    read_desktop_icons(greedy);
    ADD_FAILURE() << "no error raised";
  } catch (const SystemError& error) {
    EXPECT_NE(error.code(), 0u);
    EXPECT_FALSE(error.text().empty());
    EXPECT_NE(std::string(error.what()).find(std::to_string(error.code())), std::string::npos);
  }
  EXPECT_FALSE(greedy.cycle_in_progress());
  EXPECT_TRUE(read_desktop_icons(access_));  // the next cycle works
}

TEST_F(ShellDesktop, BufferInTheShellsProcessHoldsDataOnly) {
  ShellListViewChannel channel(standin().list_view(), standin().process_id(), kRemoteBufferSize);
  ASSERT_TRUE(channel.reserved());
  win::ScopedHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, standin().process_id()));
  ASSERT_TRUE(process);
  MEMORY_BASIC_INFORMATION info{};
  ASSERT_EQ(VirtualQueryEx(process.get(), reinterpret_cast<void*>(static_cast<uintptr_t>(channel.buffer_address())),
                           &info, sizeof info),
            sizeof info);
  EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT));
  EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_READWRITE));
}

// While the shell's view hangs, every operation gives up after one bounded
// wait and finds the desktop unreachable; once the view answers again,
// everything works as before.
TEST_F(ShellDesktop, HungViewReadsAsUnreachableUntilItAnswersAgain) {
  constexpr DWORD kHangMs = 30000;  // far longer than the operations may take
  const std::vector<StandinItem> before = standin().report();
  {
    const StandinDesktop::Hung hung = standin().hang(kHangMs);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(read_desktop_icons(access_));
    int builds = 0;
    EXPECT_FALSE(read_minidesk_icons(access_, [&](const DesktopIcons&) { ++builds; }));
    EXPECT_EQ(builds, 0);
    restore_desktop_icons(access_, {{"Arbeitsplatz", 777, 777}});
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(check_desktop_arrangement(access_, prompts));  // no view: nothing to warn about
    const DWORD elapsed = GetTickCount() - start;
    // Four operations, each waiting at most one bound, with room for a busy
    // host; far from the end of the hang.
    EXPECT_LT(elapsed, 4 * kListViewAnswerTimeoutMs + 10000) << elapsed << " ms";
    EXPECT_FALSE(access_.cycle_in_progress());
  }  // released: waits until the stand-in answers again

  EXPECT_EQ(standin().report(), before);  // the restore moved nothing
  auto icons = read_desktop_icons(access_);
  ASSERT_TRUE(icons);
  EXPECT_EQ(rows(*icons), as_read(before));
  restore_desktop_icons(access_, {{"Arbeitsplatz", 777, 777}});
  EXPECT_EQ(standin().report()[0], (StandinItem{"Arbeitsplatz", 777, 777}));
}

class ActiveDesktop : public ShellDesktop {
 protected:
  standin::StandinOptions options() const override { return {.active_desktop = true}; }
};

TEST_F(ActiveDesktop, FindsTheViewInsideTheHtmlLayer) {
  EXPECT_TRUE(is_active_desktop_on());
  EXPECT_EQ(find_desktop_list_view(), standin().list_view());
  auto icons = read_desktop_icons(access_);
  ASSERT_TRUE(icons);
  EXPECT_EQ(rows(*icons), as_read(standin().report()));
  move_desktop_icon(access_, "arbeitsplatz", {-20, 44});
  EXPECT_EQ(standin().report()[0], (StandinItem{"Arbeitsplatz", -20, 44}));
}

// Runs first when nothing has started a stand-in yet, and after the other
// suites, whose stand-ins have ended by then.
TEST(NoDesktop, EveryOperationIsSilentWithoutProgman) {
  ASSERT_FALSE(standin::any_progman_window());
  ShellDesktopAccess access;
  EXPECT_EQ(find_desktop_list_view(), nullptr);
  EXPECT_FALSE(is_active_desktop_on());
  EXPECT_FALSE(read_desktop_icons(access));
  EXPECT_NO_THROW(restore_desktop_icons(access, {{"Arbeitsplatz", 1, 1}}));
  EXPECT_NO_THROW(move_desktop_icon(access, "Arbeitsplatz", {1, 1}));
  EXPECT_NO_THROW(snap_desktop_icons_to_grid(access));
  EXPECT_FALSE(
      read_minidesk_icons(access, [](const DesktopIcons&) { ADD_FAILURE() << "map built without a desktop"; }));
  test::ScriptedPrompts prompts;
  EXPECT_TRUE(check_desktop_arrangement(access, prompts));
  EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace orvx::icons
