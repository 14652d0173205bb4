#pragma once
// The system's folder browser (SHBrowseForFolder): rooted at the user's
// desktop, centred on its owner, with a status text above the tree. It
// offers file-system folders only.
#include <windows.h>

#include <optional>
#include <string>

namespace orvx::ui {

class FolderBrowser {
 public:
  explicit FolderBrowser(std::string status_text) : status_text_(std::move(status_text)) {}

  // Shows the browser modally over `owner`. The chosen folder's path, or
  // nullopt when the user cancelled or chose something that is no folder of
  // the file system.
  std::optional<std::string> execute(HWND owner) const;

 private:
  static int CALLBACK on_event(HWND browser, UINT msg, LPARAM lp, LPARAM data);

  std::string status_text_;
};

}  // namespace orvx::ui
