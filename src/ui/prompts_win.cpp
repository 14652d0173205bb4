#include "ui/prompts_win.h"

#include "ui/input_box_win.h"
#include "ui/program_title.h"

namespace orvx::ui {

int WinPrompts::box(const std::string& text, UINT flags) const {
  // A box of a program that lives in the notification area must come to
  // the front by itself.
  return MessageBoxA(owner_, text.c_str(), kProgramTitle, flags | MB_SETFOREGROUND);
}

void WinPrompts::show_message(const std::string& text) { box(text, MB_OK); }

bool WinPrompts::confirm_information(const std::string& text) { return box(text, MB_OK | MB_ICONINFORMATION) == IDOK; }

void WinPrompts::show_error(const std::string& text) { box(text, MB_OK | MB_ICONERROR); }

bool WinPrompts::ask_yes_no(const std::string& text) { return box(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }

std::optional<std::string> WinPrompts::ask_text(const std::string& title, const std::string& prompt,
                                                const std::string& initial) {
  return ask_text_input(InputBoxArgs{.title = title, .prompt = prompt, .initial = initial, .owner = owner_});
}

}  // namespace orvx::ui
