#pragma once
// The seam for everything that asks or tells the user something: message
// boxes, Yes/No questions and the single-line name input box. The command
// flows call these; Windows shows real boxes, the native tests script the
// answers (tests/support/scripted_prompts.h).
#include <optional>
#include <string>

namespace orvx {

class Prompts {
 public:
  virtual ~Prompts() = default;

  // A plain message box with an OK button; returns when it is closed.
  virtual void show_message(const std::string& text) = 0;
  // An information box with a single OK button. True when it was confirmed
  // with OK, false when it was dismissed otherwise (Esc, closing the box).
  virtual bool confirm_information(const std::string& text) = 0;
  // An error box with an OK button.
  virtual void show_error(const std::string& text) = 0;
  // A question with Yes and No. True for Yes.
  virtual bool ask_yes_no(const std::string& text) = 0;
  // The single-line input box with OK and Cancel. The entered text on OK,
  // nullopt on Cancel.
  virtual std::optional<std::string> ask_text(const std::string& title, const std::string& prompt,
                                              const std::string& initial) = 0;
};

}  // namespace orvx
