#pragma once
// A Prompts stand-in for native tests: it records every prompt shown and
// answers from a script prepared by the test.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace orvx::test {

class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    std::string kind;   // "message", "information", "error", "yes_no", "text"
    std::string text;   // the text, or for "text" the prompt
    std::string title;  // for "text"
  };

  // Answers, consumed in order by the prompts that take one. When a script
  // runs dry: information is confirmed, questions answer No, input cancels.
  std::deque<bool> confirmations;
  std::deque<bool> yes_no_answers;
  std::deque<std::optional<std::string>> text_answers;

  std::vector<Shown> shown;

  void show_message(const std::string& text) override { shown.push_back({"message", text, {}}); }
  bool confirm_information(const std::string& text) override {
    shown.push_back({"information", text, {}});
    return take(confirmations, true);
  }
  void show_error(const std::string& text) override { shown.push_back({"error", text, {}}); }
  bool ask_yes_no(const std::string& text) override {
    shown.push_back({"yes_no", text, {}});
    return take(yes_no_answers, false);
  }
  std::optional<std::string> ask_text(const std::string& title, const std::string& prompt,
                                      const std::string&) override {
    shown.push_back({"text", prompt, title});
    if (text_answers.empty()) return std::nullopt;
    auto answer = text_answers.front();
    text_answers.pop_front();
    return answer;
  }

 private:
  template <class T>
  static T take(std::deque<T>& script, T fallback) {
    if (script.empty()) return fallback;
    T v = script.front();
    script.pop_front();
    return v;
  }
};

}  // namespace orvx::test
