#pragma once
// A file dialog's filter as it is written ("ORV Backupfile|*.qbk", pairs of
// description and pattern, separated by "|") and as the system's file
// dialogs take it: each part ended by a zero byte, the whole by one more.
#include <string>
#include <string_view>

namespace orvx::ui {

std::string dialog_filter(std::string_view written);

}  // namespace orvx::ui
