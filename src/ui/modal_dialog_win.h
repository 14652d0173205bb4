#pragma once
// A form shown modally with its own message loop, for the about box, the
// settings dialog, the input box and the error report.
//
// show_modal() disables the owner, shows the dialog and dispatches messages
// (timers of other windows keep ticking) until end_modal() is called, then
// enables the owner again before the dialog hides, so that the activation
// goes back to the owner. A dialog object can be shown any number of times.
//
// Handlers that fail are reported like those of window procedures; the
// dialog stays open.
//
// Keys: Esc runs on_escape() (default: end with IDCANCEL). Enter runs
// on_enter() (default: nothing), unless the focused control takes Enter
// itself (a flat button clicks, a multi-line edit breaks the line). Tab moves
// between the controls that have WS_TABSTOP. Closing the dialog window
// (WM_CLOSE) counts as Esc.
#include <windows.h>

#include "ui/form_win.h"

namespace orvx::ui {

class ModalDialog : public Form {
 public:
  int show_modal(HWND owner);
  void end_modal(int result);
  bool running_modal() const { return running_; }

 protected:
  ModalDialog() = default;

  virtual void on_enter() {}
  virtual void on_escape() { end_modal(IDCANCEL); }
  // The control that gets the focus when the dialog opens; nullptr: the
  // dialog itself.
  virtual HWND initial_focus() { return nullptr; }

  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void run_loop(HWND owner) noexcept;
  // Enter and Esc for this dialog, before any control sees them.
  bool preview_key(const MSG& msg);

  bool running_ = false;
  bool done_ = false;
  int result_ = IDCANCEL;
};

}  // namespace orvx::ui
