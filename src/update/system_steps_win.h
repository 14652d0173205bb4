#pragma once
// The system steps of an update or uninstall on Windows.
#include <string>
#include <string_view>

#include "platform/prompts.h"
#include "update/system_steps.h"

namespace orvx::update {

class WindowsSystemSteps : public SystemSteps {
 public:
  // `prompts` shows the error when the temporary folder cannot be entered.
  explicit WindowsSystemSteps(Prompts& prompts) : prompts_(prompts) {}

  std::string temp_name(const std::string& folder, std::string_view prefix) override;
  void clear_attributes(const std::string& path) override;
  bool enter_folder(const std::string& folder) override;
  bool start_hidden(const std::string& script) override;
  ConsoleCodePage console_code_page() override;

 private:
  Prompts& prompts_;
};

}  // namespace orvx::update
