#include "ui/modal_dialog_win.h"

#include "platform/error_report.h"

namespace orvx::ui {

namespace {

// Disables the owner for the time of the loop and enables it again however
// the loop ends, before the dialog hides, so that the owner gets the
// activation back.
class OwnerDisabled {
 public:
  explicit OwnerDisabled(HWND owner) : owner_(owner && IsWindowEnabled(owner) ? owner : nullptr) {
    if (owner_) EnableWindow(owner_, FALSE);
  }
  OwnerDisabled(const OwnerDisabled&) = delete;
  OwnerDisabled& operator=(const OwnerDisabled&) = delete;
  ~OwnerDisabled() {
    if (owner_) EnableWindow(owner_, TRUE);
  }

 private:
  HWND owner_;
};

}  // namespace

int ModalDialog::show_modal(HWND owner) {
  if (running_ || !hwnd()) return IDCANCEL;
  running_ = true;
  done_ = false;
  result_ = IDCANCEL;
  run_loop(owner);
  if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
  running_ = false;
  return result_;
}

void ModalDialog::run_loop(HWND owner) noexcept {
  OwnerDisabled owner_disabled(owner);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  try {
    HWND focus = initial_focus();
    SetFocus(focus ? focus : hwnd());
  } catch (...) {
    errors::report_current_exception();
  }

  MSG msg{};
  while (!done_ && hwnd()) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is ending: leave the loop and let the outer loop see it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    try {
      // Enter and Esc run the dialog's handlers from here, outside any
      // window procedure: this loop is their boundary.
      if (preview_key(msg)) continue;
    } catch (...) {
      errors::report_current_exception();
      continue;
    }
    if (hwnd() && IsDialogMessageA(hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void ModalDialog::end_modal(int result) {
  result_ = result;
  done_ = true;
  PostMessageA(hwnd(), WM_NULL, 0, 0);  // wakes the loop when called from outside a message
}

bool ModalDialog::preview_key(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
  if (!hwnd() || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
  if (msg.wParam == VK_ESCAPE) {
    on_escape();
    return true;
  }
  LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) return false;  // the control takes Enter itself
  on_enter();
  return true;
}

LRESULT ModalDialog::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    on_escape();
    return 0;
  }
  return Form::handle_message(msg, wp, lp);
}

}  // namespace orvx::ui
