#include "platform/hidden_window_win.h"

#include "platform/error_report.h"
#include "platform/message_ids.h"

namespace orvx::win {

HiddenWindow::HiddenWindow() {
  register_window_class(kHiddenWindowClass);
  // Bound on WM_NCCREATE: window_ holds the handle from then on.
  CreateWindowExA(WS_EX_TOOLWINDOW, kHiddenWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                  GetModuleHandleA(nullptr), creation_parameter(this));
  if (!window_) throw errors::MessageError(message_ids::kHiddenWindowNotCreated);
}

HiddenWindow::~HiddenWindow() { destroy_unbound(window_.release()); }

LRESULT HiddenWindow::default_handling(UINT msg, WPARAM wp, LPARAM lp) const {
  return DefWindowProcA(window_.get(), msg, wp, lp);
}

void HiddenWindow::bind(HWND window) noexcept { window_.reset(window); }

LRESULT HiddenWindow::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  return handler_ ? handler_(msg, wp, lp) : default_handling(msg, wp, lp);
}

void HiddenWindow::unbind() { (void)window_.release(); }

}  // namespace orvx::win
