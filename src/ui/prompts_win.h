#pragma once
// The Windows side of the user-prompt seam: message boxes titled
// "Orvane X" and owned by the given window, and the input box.
//
//   show_message         MB_OK
//   confirm_information  MB_OK | MB_ICONINFORMATION; true when closed with OK
//   show_error           MB_OK | MB_ICONERROR
//   ask_yes_no           MB_YESNO | MB_ICONQUESTION; true for Yes
//   ask_text             the input box (input_box_win.h)
#include <windows.h>

#include "platform/prompts.h"

namespace orvx::ui {

class WinPrompts final : public Prompts {
 public:
  explicit WinPrompts(HWND owner = nullptr) : owner_(owner) {}
  void set_owner(HWND owner) { owner_ = owner; }

  void show_message(const std::string& text) override;
  bool confirm_information(const std::string& text) override;
  void show_error(const std::string& text) override;
  bool ask_yes_no(const std::string& text) override;
  std::optional<std::string> ask_text(const std::string& title, const std::string& prompt,
                                      const std::string& initial) override;

 private:
  int box(const std::string& text, UINT flags) const;

  HWND owner_;
};

}  // namespace orvx::ui
