// Translucency, the rounded shape, the top-most band and the drop shadow on
// real windows under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "platform/system_check.h"
#include "mainwin/translucent_window_win.h"
#include "mainwin/window_effects.h"
#include "mainwin/window_effects_win.h"
#include "platform/scoped_win.h"

namespace orvx::mainwin {
namespace {

// Hidden: the effects apply all the same, and Wine unmaps no X window.
win::ScopedWindow top_level_window(int width, int height) {
  return win::ScopedWindow(CreateWindowExA(0, "STATIC", "Orvane X", WS_POPUP, 50, 50, width, height, nullptr, nullptr,
                                           GetModuleHandleA(nullptr), nullptr));
}

LONG extended_style(HWND window) { return GetWindowLongA(window, GWL_EXSTYLE); }

// The alpha the window is drawn with, read through GetLayeredWindowAttributes
// (looked up at run time: older systems lack it); nullopt when it cannot be
// read.
std::optional<BYTE> layered_alpha(HWND window) {
  using Fn = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
  static const auto kGet = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("USER32.DLL"), "GetLayeredWindowAttributes")));
  if (!kGet) return std::nullopt;
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!kGet(window, &key, &alpha, &flags) || !(flags & LWA_ALPHA)) return std::nullopt;
  return alpha;
}

TEST(TransparentWndWin, ActiveOpaqueInactiveTranslucentAndStaysLayered) {
  win::ScopedWindow window = top_level_window(400, 40);
  ASSERT_TRUE(window);
  TranslucentWindow trans_wnd(window.get());
  ASSERT_TRUE(trans_wnd.available());
  EXPECT_FALSE(trans_wnd.auto_opaque);

  trans_wnd.apply_translucency(0);
  EXPECT_TRUE(extended_style(window.get()) & WS_EX_LAYERED);
  EXPECT_EQ(layered_alpha(window.get()), 255);

  trans_wnd.apply_translucency(25);
  EXPECT_EQ(layered_alpha(window.get()), 191);

  trans_wnd.apply_translucency(0);
  EXPECT_TRUE(extended_style(window.get()) & WS_EX_LAYERED);
  EXPECT_EQ(layered_alpha(window.get()), 255);
}

TEST(TransparentWndWin, AutoOpaqueDropsTheLayeringAtZero) {
  win::ScopedWindow window = top_level_window(200, 100);
  TranslucentWindow trans_wnd(window.get());
  trans_wnd.auto_opaque = true;
  trans_wnd.apply_translucency(25);
  ASSERT_TRUE(extended_style(window.get()) & WS_EX_LAYERED);
  trans_wnd.apply_translucency(0);
  EXPECT_FALSE(extended_style(window.get()) & WS_EX_LAYERED);
}

TEST(TransparentWndWin, WithoutTheFunctionNothingHappens) {
  win::ScopedWindow window = top_level_window(200, 100);
  // A library without SetLayeredWindowAttributes, as on Windows NT 4.0.
  TranslucentWindow old_system(window.get(), "KERNEL32.DLL");
  EXPECT_FALSE(old_system.available());
  old_system.apply_translucency(25);
  EXPECT_FALSE(extended_style(window.get()) & WS_EX_LAYERED);

  TranslucentWindow no_library(window.get(), "NO-SUCH-LIBRARY.DLL");
  EXPECT_FALSE(no_library.available());
  no_library.apply_translucency(25);
  EXPECT_FALSE(extended_style(window.get()) & WS_EX_LAYERED);
}

TEST(TransparentWndWin, WindowThatIsGoneIsLeftAlone) {
  HWND gone = top_level_window(10, 10).get();  // destroyed at the end of the statement
  ASSERT_FALSE(IsWindow(gone));
  TranslucentWindow trans_wnd(gone);
  EXPECT_NO_FATAL_FAILURE(trans_wnd.apply_translucency(25));
  EXPECT_NO_FATAL_FAILURE(trans_wnd.remove_layering(gone));
  TranslucentWindow no_owner(nullptr);
  EXPECT_NO_FATAL_FAILURE(no_owner.apply_translucency(25));
}

TEST(WindowEffectsWin, RoundedShapeFollowsTheWindowSize) {
  win::ScopedWindow window = top_level_window(446, 381);
  for (int round = 0; round < 3; ++round) {  // each new shape replaces the last
    const int width = round == 2 ? 400 : 446;
    const int height = round == 2 ? 40 : 381;
    SetWindowPos(window.get(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(apply_rounded_shape(window.get()));

    win::ScopedGdi<HRGN> shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window.get(), shape.get()), ERROR);
    RECT box{};
    GetRgnBox(shape.get(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    // GDI leaves the last column and row out of a rounded rectangle.
    EXPECT_EQ(box.right, width - 1);
    EXPECT_EQ(box.bottom, height - 1);
    EXPECT_FALSE(PtInRegion(shape.get(), 0, 0));  // the corners are cut
    EXPECT_FALSE(PtInRegion(shape.get(), width - 1, height - 1));
    EXPECT_TRUE(PtInRegion(shape.get(), 10, 0));
    EXPECT_TRUE(PtInRegion(shape.get(), width / 2, height / 2));
  }
  EXPECT_FALSE(apply_rounded_shape(nullptr));
}

TEST(WindowEffectsWin, TopmostBandIsEnteredAndLeftWithoutActivation) {
  win::ScopedWindow window = top_level_window(400, 40);
  win::ScopedWindow other = top_level_window(100, 100);
  SetForegroundWindow(other.get());
  HWND active_before = GetActiveWindow();
  RECT before{};
  GetWindowRect(window.get(), &before);

  ASSERT_TRUE(set_topmost(window.get(), true));
  EXPECT_TRUE(extended_style(window.get()) & WS_EX_TOPMOST);
  ASSERT_TRUE(set_topmost(window.get(), false));
  EXPECT_FALSE(extended_style(window.get()) & WS_EX_TOPMOST);

  RECT after{};
  GetWindowRect(window.get(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(GetActiveWindow(), active_before);
}

// The class style is worked out for a given system, so every route checks
// all of them, whatever Windows version its prefix reports: Windows keeps
// the shadow style on the class where it is asked for, and adds none where
// it is not.
TEST(WindowEffectsWin, MainWindowClassHasTheDropShadowOnlyOnWindowsXp) {
  struct Case {
    const char* name;
    uint32_t major, minor;
    UINT style;
  };
  const Case cases[] = {
      {"Windows NT 4.0", 4, 0, CS_DBLCLKS},
      {"Windows 2000", 5, 0, CS_DBLCLKS},
      {"Windows XP", 5, 1, CS_DBLCLKS | CS_DROPSHADOW},
      {"Windows Vista", 6, 0, CS_DBLCLKS},
  };
  for (const Case& c : cases) {
    SystemVersion system;
    system.platform_id = kPlatformNt;
    system.major = c.major;
    system.minor = c.minor;
    system.product_type = kProductWorkstation;
    WNDCLASSA wc{};
    wc.style = main_window_class_style(CS_DBLCLKS, system);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvaneX.ShadowTest";
    ASSERT_TRUE(RegisterClassA(&wc)) << c.name;
    win::ScopedWindow window(
        CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr));
    EXPECT_TRUE(window) << c.name;
    if (window) {
      EXPECT_EQ(GetClassLongA(window.get(), GCL_STYLE), static_cast<DWORD>(c.style)) << c.name;
    }
    window.reset();
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
  }
}

}  // namespace
}  // namespace orvx::mainwin
