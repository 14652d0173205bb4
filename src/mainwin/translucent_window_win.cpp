#include "mainwin/translucent_window_win.h"

#include "mainwin/translucency.h"

namespace orvx::mainwin {

namespace {
constexpr LONG kLayeredStyle = 0x80000;  // WS_EX_LAYERED
constexpr DWORD kAlphaOnly = 2;          // LWA_ALPHA
}  // namespace

TranslucentWindow::TranslucentWindow(HWND owner, const char* library) : owner_(owner), library_(LoadLibraryA(library)) {
  if (library_) {
    set_attributes_ = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(GetProcAddress(library_.get(), "SetLayeredWindowAttributes")));
  }
}

void TranslucentWindow::apply_translucency(int percent) const { apply_to_window(owner_, percent); }

void TranslucentWindow::apply_to_window(HWND window, int percent) const {
  const TranslucencyPlan plan =
      plan_translucency(available(), window != nullptr && IsWindow(window), auto_opaque, percent);
  switch (plan.step) {
    case TranslucencyStep::kNothing:
      return;
    case TranslucencyStep::kRemoveLayering:
      remove_layering(window);
      return;
    case TranslucencyStep::kSetAlpha:
      SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | kLayeredStyle);
      set_attributes_(window, 0, plan.alpha, kAlphaOnly);
      return;
  }
}

void TranslucentWindow::remove_layering(HWND window) const {
  if (!window || !IsWindow(window)) return;
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) & ~kLayeredStyle);
}

}  // namespace orvx::mainwin
