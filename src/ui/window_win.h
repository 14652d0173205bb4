#pragma once
// The base of every window of the program, on the one window procedure
// (platform/window_procedure_win.h), which finds the C++ object behind a
// window handle and hands the message to it.
//
// - handle_message() may throw: the procedure reports the error and gives
//   the message a safe answer (see there). Bound on WM_NCCREATE, unbound on
//   WM_NCDESTROY.
// - The object owns its window. Destroying the object destroys the window;
//   a window destroyed by Windows (its parent went first) leaves the object
//   without a window, and hwnd() becomes nullptr.
//
// Derived classes create their window in their own constructor (create()),
// so that the messages of the creation already reach the derived handler.
// A class meant to be derived from further leaves create() to its derived
// class. Windows are not copied or moved: other code keeps pointers to them.
#include <windows.h>

#include <string>

#include "platform/scoped_win.h"
#include "platform/window_procedure_win.h"
#include "ui/geometry.h"

namespace orvx::ui {

class HintWindow;

// Everything CreateWindowEx needs, and the window class, registered on first
// use under `class_name` (the first registration of a name fixes its class
// style).
struct WindowArgs {
  const char* class_name = nullptr;
  std::string title;
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD ex_style = 0;
  UINT class_style = 0;
  HWND parent = nullptr;  // the parent of a child, the owner of a top-level window
  Rect bounds;            // in the parent's client coordinates, or on screen
  HICON icon = nullptr;   // class icon of top-level windows (not owned)
};

class Window : public win::MessageTarget {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_.get(); }
  // The object behind a window of ours, or nullptr for a foreign window.
  static Window* from_handle(HWND hwnd);

  // Destroys the window now, while the derived object is alive, so that its
  // WM_DESTROY handling still runs. (The destructor destroys silently.)
  void destroy();

  void set_bounds(const Rect& r);
  Rect bounds() const;  // in the parent's client coordinates, or on screen
  // Shows (without activating) or hides the window.
  void set_visible(bool visible);
  bool visible() const;
  void set_enabled(bool enabled);
  bool enabled() const;
  std::string text() const;
  void invalidate();

  // The hint window of the top-level window this window belongs to, or
  // nullptr when it has none (forms have one, see form_win.h).
  HintWindow* hint_window_of_root() const;

 protected:
  Window() = default;

  // Creates the window and binds it to this object. Throws
  // std::runtime_error when the window cannot be created.
  void create(const WindowArgs& args);

  // The message handler. May throw. The default is DefWindowProc.
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;
  LRESULT default_handling(UINT msg, WPARAM wp, LPARAM lp);
  // Called after the window is gone (WM_NCDESTROY). May throw.
  virtual void on_window_destroyed() {}
  // Forms answer with their hint window.
  virtual HintWindow* own_hint_window() { return nullptr; }

 private:
  void bind(HWND window) noexcept override;
  void unbind() override;

  win::ScopedWindow hwnd_;
};

}  // namespace orvx::ui
