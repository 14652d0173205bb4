#include "ui/file_filter.h"

namespace orvx::ui {

std::string dialog_filter(std::string_view written) {
  std::string filter(written);
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  // Every part ends with a zero byte, and the list with a second one.
  filter.push_back('\0');
  filter.push_back('\0');
  return filter;
}

}  // namespace orvx::ui
