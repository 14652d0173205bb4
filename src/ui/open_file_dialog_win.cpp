#include "ui/open_file_dialog_win.h"

#include <commdlg.h>

#include <vector>

#include "ui/file_filter.h"

namespace orvx::ui {

std::optional<std::string> OpenFileDialog::execute(HWND owner) const {
  const std::string filter = dialog_filter(args_.filter);
  // Room for a long path; the dialog says when a choice does not fit.
  std::vector<char> file(32768, '\0');
  OPENFILENAMEA info{};
  // The size the oldest systems know; the newer fields are not used.
  info.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  info.hwndOwner = owner;
  info.lpstrFilter = filter.c_str();
  info.nFilterIndex = 1;
  info.lpstrFile = file.data();
  info.nMaxFile = static_cast<DWORD>(file.size());
  info.lpstrDefExt = args_.default_extension.empty() ? nullptr : args_.default_extension.c_str();
  info.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_ENABLESIZING;
  if (!GetOpenFileNameA(&info)) return std::nullopt;
  return std::string(file.data());
}

}  // namespace orvx::ui
