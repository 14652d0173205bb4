#pragma once
// The one window procedure of the program: it finds the object behind a
// window handle and hands the message to it.
//
// - The object (a MessageTarget) is bound on WM_NCCREATE, from
//   CreateWindowEx's creation parameter into GWLP_USERDATA (which is
//   therefore not free for other uses), and unbound after WM_NCDESTROY;
//   messages before and after go to DefWindowProc.
// - handle_message() may throw. errors::ProgramMustEnd (the user has been
//   told why the program cannot go on) posts kEndProgramMessage to the
//   window's top-level owner, the program's main window, which ends the
//   program. The procedure catches everything else at the
//   boundary and hands it to the general error handling (error_report.h): no
//   exception ever travels into Windows. The failed message then gets a safe
//   answer: creation fails, a close request is refused, anything else gets
//   the default handling.
#include <windows.h>

namespace orvx::win {

// Posted to the top-level owner of a window whose handler threw
// errors::ProgramMustEnd.
inline constexpr UINT kEndProgramMessage = WM_APP + 0x3E;

class MessageTarget {
 public:
  // WM_NCCREATE has bound `window` to this target; its handling follows.
  virtual void bind(HWND window) noexcept = 0;
  // A message of the bound window. May throw.
  virtual LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) = 0;
  // WM_NCDESTROY has been handled and the window is gone. May throw.
  virtual void unbind() = 0;

 protected:
  ~MessageTarget() = default;
};

// Registers a window class of the procedure under `class_name`, once per
// process: the first registration of a name fixes its style and icon (not
// owned). Throws std::runtime_error when the class cannot be registered.
void register_window_class(const char* class_name, UINT class_style = 0, HICON icon = nullptr);

// Pass as CreateWindowEx's creation parameter for a window of a class
// registered above, so that the window is bound to `target`.
inline void* creation_parameter(MessageTarget* target) { return target; }

// The target of a window of ours, or nullptr for a foreign or unbound one.
MessageTarget* target_of(HWND window);

// Destroys a window without its target seeing the messages of the
// destruction: for the destructors of targets whose parts are gone.
void destroy_unbound(HWND window);

LRESULT CALLBACK window_procedure(HWND window, UINT msg, WPARAM wp, LPARAM lp) noexcept;

}  // namespace orvx::win
