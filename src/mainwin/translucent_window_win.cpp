#include "mainwin/translucent_window_win.h"

#include "mainwin/translucency.h"

namespace orvx::mainwin {

namespace {
constexpr LONG kLayeredStyle = 0x80000;  // WS_EX_LAYERED
constexpr DWORD kAlphaOnly = 2;          // LWA_ALPHA
}  // namespace

TranslucentWindow::TranslucentWindow(HWND owner, const char* library)
    : owner_(owner), library_(LoadLibraryA(library)) {
  if (library_) {
    set_attributes_ = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(GetProcAddress(library_.get(), "SetLayeredWindowAttributes")));
  }
}

void TranslucentWindow::ApplyTranslucency(int percent) const { ApplyToWindow(owner_, percent); }

void TranslucentWindow::ApplyToWindow(HWND window, int percent) const {
  const TranslucencyPlan plan =
      plan_translucency(available(), window != nullptr && IsWindow(window), AutoOpaque, percent);
  switch (plan.step) {
    case TranslucencyStep::Nothing:
      return;
    case TranslucencyStep::RemoveLayering:
      RemoveLayering(window);
      return;
    case TranslucencyStep::SetAlpha:
      SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | kLayeredStyle);
      set_attributes_(window, 0, plan.alpha, kAlphaOnly);
      return;
  }
}

void TranslucentWindow::RemoveLayering(HWND window) const {
  if (!window || !IsWindow(window)) return;
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) & ~kLayeredStyle);
}

}  // namespace orvx::mainwin
