#pragma once
// TranslucentWindow: makes a window translucent through the layered-window
// attributes. SetLayeredWindowAttributes is looked up at run time, since
// Windows NT 4.0 and 2000 predate parts of it; where it is missing, every
// call does nothing and the window stays opaque and not layered.
#include <windows.h>

#include <cstdint>

#include "platform/scoped_win.h"

namespace orvx::mainwin {

class TranslucentWindow {
 public:
  // Loads `library` and looks up SetLayeredWindowAttributes in it; the
  // library is held while the object lives. `owner` is the window
  // ApplyTranslucency works on.
  explicit TranslucentWindow(HWND owner, const char* library = "USER32.DLL");

  // Stored only.
  uint8_t percent = 0;
  // When true, 0 per cent removes the layered style instead of setting
  // alpha 255.
  bool auto_opaque = false;

  // True when the system can make windows translucent.
  bool available() const { return set_attributes_ != nullptr; }

  // ApplyToWindow on the owner.
  void apply_translucency(int percent) const;
  // Layers `window` with the alpha of `percent` (0..100): 255 at 0, 191 at 25.
  void apply_to_window(HWND window, int percent) const;
  // Clears WS_EX_LAYERED from the window's extended style.
  void remove_layering(HWND window) const;

 private:
  using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

  HWND owner_;
  win::ScopedLibrary library_;
  SetLayeredWindowAttributesFn set_attributes_ = nullptr;
};

}  // namespace orvx::mainwin
