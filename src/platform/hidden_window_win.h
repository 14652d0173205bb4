#pragma once
// A hidden window that hands its messages to a function: the receiver of the
// notification area's callbacks and of the download workers' hand-overs.
//
// It is a plain top-level window that is never shown, not a message-only
// window: those do not exist on NT 4.0, and only top-level windows receive
// broadcasts such as the shell's "TaskbarCreated". Its messages reach the
// thread that created it. It runs on the one window procedure
// (window_procedure_win.h), so a failing handler is reported like that of
// any other window.
#include <windows.h>

#include <functional>

#include "platform/scoped_win.h"
#include "platform/window_procedure_win.h"

namespace orvx::win {

inline constexpr char kHiddenWindowClass[] = "OrvaneX.Hidden";

class HiddenWindow final : private MessageTarget {
 public:
  // Answers a message; it may throw, and may call default_handling().
  using Handler = std::function<LRESULT(UINT msg, WPARAM wp, LPARAM lp)>;

  // Creates the window on the calling thread. Until a handler is set, the
  // window's messages get the default handling. Throws std::runtime_error
  // when the window cannot be created.
  HiddenWindow();
  // Destroys the window without handing the messages of the destruction to
  // the handler.
  ~HiddenWindow();
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;

  HWND hwnd() const { return window_.get(); }
  void set_handler(Handler handler) { handler_ = std::move(handler); }
  LRESULT default_handling(UINT msg, WPARAM wp, LPARAM lp) const;

 private:
  void bind(HWND window) noexcept override;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void unbind() override;

  ScopedWindow window_;
  Handler handler_;
};

}  // namespace orvx::win
