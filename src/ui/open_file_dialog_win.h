#pragma once
// The system's file open dialog (GetOpenFileName, Explorer style): a filter
// written as "Description|*.ext", a default extension added to a name typed
// without one, and the options read-only box hidden, path and file must
// exist, resizable.
#include <windows.h>

#include <optional>
#include <string>

namespace orvx::ui {

struct OpenFileDialogArgs {
  std::string filter;             // "ORV Backupfile|*.qbk"
  std::string default_extension;  // "qbk", without the dot
};

class OpenFileDialog {
 public:
  explicit OpenFileDialog(OpenFileDialogArgs args) : args_(std::move(args)) {}

  // Shows the dialog modally over `owner`. The chosen file's path, or
  // nullopt when the user cancelled (or the dialog could not be shown).
  std::optional<std::string> execute(HWND owner) const;

 private:
  OpenFileDialogArgs args_;
};

}  // namespace orvx::ui
