#pragma once
// The single-line input box: a small modal dialog with a title, a prompt, an
// edit field, and OK and Cancel. Enter is OK, Esc is Cancel.
//
// Window class "OrvxInputBox", titled with the given title; its edit control
// is the only "Edit" window inside it.
#include <windows.h>

#include <optional>
#include <string>

namespace orvx::ui {

struct InputBoxArgs {
  std::string title;
  std::string prompt;
  std::string initial;
  HWND owner = nullptr;  // disabled while the box is open; centred on its screen
};

// The text entered on OK (as it is, not trimmed), or nullopt on Cancel or
// when the box is closed otherwise.
std::optional<std::string> ask_text_input(const InputBoxArgs& args);

inline constexpr const char* kInputBoxClass = "OrvxInputBox";

}  // namespace orvx::ui
