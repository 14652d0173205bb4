#include "desktop_windows_win.h"

#include <commctrl.h>

#include "commands_win.h"
#include "icon_art_win.h"
#include "list_view_state_win.h"
#include "standin_shared/standin_protocol.h"

namespace standin {

namespace {

constexpr COLORREF kDesktopColour = RGB(58, 110, 165);
constexpr UINT_PTR kSpyId = 1;

LRESULT CALLBACK progman_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = reinterpret_cast<DesktopState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  try {
    switch (message) {
      case WM_COPYDATA:
        if (state) return run_command(*state, *reinterpret_cast<const COPYDATASTRUCT*>(lparam));
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
  } catch (...) {
    return 0;  // a command that fails answers 0
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// Watches what arrives at the list view: counts the snaps, and echoes item
// counts asked by another thread when a test wants it.
LRESULT CALLBACK list_view_spy(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* state = reinterpret_cast<DesktopState*>(data);
  if (message == LVM_ARRANGE && wparam == LVA_SNAPTOGRID) ++state->snap_count;
  if (message == LVM_GETITEMCOUNT && state->echo_to && InSendMessage())
    SendMessageA(state->echo_to, state->echo_message, 0, 0);
  return DefSubclassProc(window, message, wparam, lparam);
}

bool register_class(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassA(&wc) != 0;
}

HWND child(HINSTANCE instance, const char* class_name, HWND parent, int width, int height, DWORD style = 0) {
  return CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, 0, 0, width, height,
                         parent, nullptr, instance, nullptr);
}

}  // namespace

bool create_desktop_windows(HINSTANCE instance, const Options& options, DesktopState& state) {
  HBRUSH desktop_brush = CreateSolidBrush(kDesktopColour);  // lives as long as the program
  if (!register_class(instance, "Progman", progman_proc, desktop_brush) ||
      !register_class(instance, "SHELLDLL_DefView", DefWindowProcA, desktop_brush) ||
      !register_class(instance, "HTML_Internet Explorer", DefWindowProcA, desktop_brush))
    return false;

  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  state.progman = CreateWindowExA(0, "Progman", "Program Manager", WS_POPUP | WS_CLIPCHILDREN, 0, 0, width, height,
                                  nullptr, nullptr, instance, nullptr);
  if (!state.progman) return false;
  SetWindowLongPtrA(state.progman, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));

  HWND host = child(instance, "SHELLDLL_DefView", state.progman, width, height);
  if (options.active_desktop) {
    HWND html = child(instance, "HTML_Internet Explorer", host, width, height);
    host = child(instance, "SHELLDLL_DefView", html, width, height);
  }
  state.list_view = child(instance, WC_LISTVIEWA, host, width, height, LVS_ICON | LVS_NOSCROLL);
  if (!host || !state.list_view) return false;

  SendMessageA(state.list_view, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(create_icon_art()));
  SendMessageA(state.list_view, LVM_SETBKCOLOR, 0, kDesktopColour);
  SendMessageA(state.list_view, LVM_SETTEXTBKCOLOR, 0, kDesktopColour);
  SendMessageA(state.list_view, LVM_SETTEXTCOLOR, 0, RGB(255, 255, 255));
  set_modes(state.list_view, options.auto_arrange, options.snap_to_grid);

  state.echo_message = RegisterWindowMessageA(kEchoMessage);
  SetWindowSubclass(state.list_view, list_view_spy, kSpyId, reinterpret_cast<DWORD_PTR>(&state));
  return true;
}

}  // namespace standin
