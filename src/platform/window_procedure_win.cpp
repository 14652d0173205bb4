#include "platform/window_procedure_win.h"

#include <mutex>
#include <set>
#include <string>

#include "platform/error_report.h"
#include "platform/message_ids.h"

namespace orvx::win {
namespace {

// The answer to a message whose handler failed.
LRESULT answer_after_failure(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      return FALSE;
    case WM_CREATE:
      return -1;
    case WM_CLOSE:  // a failed close handler must not close the window after all
      return 0;
    default:
      return DefWindowProcA(window, msg, wp, lp);
  }
}

}  // namespace

void register_window_class(const char* class_name, UINT class_style, HICON icon) {
  // Windows of the download component are made on other threads as well.
  static std::mutex guard;
  static std::set<std::string> registered;
  std::lock_guard lock(guard);
  const std::string name = class_name;
  if (registered.count(name)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = class_style;
  wc.lpfnWndProc = &window_procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = icon;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = class_name;
  // Every window paints its whole area itself; no class brush.
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw errors::MessageError(message_ids::kWindowClassNotRegistered, name);
  }
  registered.insert(name);
}

MessageTarget* target_of(HWND window) {
  if (!window) return nullptr;
  // Only windows of our own procedure carry a target in their user data.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != &window_procedure) return nullptr;
  return reinterpret_cast<MessageTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void destroy_unbound(HWND window) {
  if (!window) return;
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

LRESULT CALLBACK window_procedure(HWND window, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  MessageTarget* target = nullptr;
  if (msg == WM_NCCREATE) {
    target = static_cast<MessageTarget*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    if (target) {
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
      target->bind(window);
    }
  } else {
    target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!target) return DefWindowProcA(window, msg, wp, lp);

  LRESULT result = 0;
  try {
    result = target->handle_message(msg, wp, lp);
  } catch (const errors::ProgramMustEnd&) {
    PostMessageA(GetAncestor(window, GA_ROOTOWNER), kEndProgramMessage, 0, 0);
    result = answer_after_failure(window, msg, wp, lp);
  } catch (...) {
    errors::report_current_exception();
    result = answer_after_failure(window, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    try {
      target->unbind();
    } catch (...) {
      errors::report_current_exception();
    }
  }
  return result;
}

}  // namespace orvx::win
