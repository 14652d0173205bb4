#pragma once
// The steps of an update or uninstall that belong to the system and the
// dialog: Windows does them for real, the native tests record them.
#include <string>
#include <string_view>

#include "update/console_code_page.h"

namespace orvx::update {

class SystemSteps {
 public:
  virtual ~SystemSteps() = default;
  // A new unique temporary file name in `folder` with `prefix` ("ORV",
  // "uis"); the service creates it as an empty placeholder. Empty on failure.
  virtual std::string temp_name(const std::string& folder, std::string_view prefix) = 0;
  // Clears read-only, hidden, system and archive of `path`.
  virtual void clear_attributes(const std::string& path) = 0;
  // Makes `folder` the current folder; false when it cannot (the error has
  // been reported).
  virtual bool enter_folder(const std::string& folder) = 0;
  // Starts the script with its window hidden; false when it could not be
  // started (the error has been reported).
  virtual bool start_hidden(const std::string& script) = 0;
  // The code page the command interpreter reads the script in.
  virtual ConsoleCodePage console_code_page() = 0;
};

}  // namespace orvx::update
