#include "support/modal_driver_win.h"

namespace orvx::test {
namespace {

BOOL CALLBACK close_visible(HWND window, LPARAM) {
  if (IsWindowVisible(window)) {
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_COMMAND, IDNO, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

}  // namespace

void unstick_thread(DWORD thread_id) { EnumThreadWindows(thread_id, &close_visible, 0); }

}  // namespace orvx::test
