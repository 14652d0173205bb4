// The filter of a file dialog, from the written form to the system's.
#include <gtest/gtest.h>

#include <string>

#include "ui/file_filter.h"

namespace orvx::ui {
namespace {

using namespace std::string_literals;

TEST(DialogFilter, EndsEveryPartWithAZeroAndTheListWithAnother) {
  EXPECT_EQ(dialog_filter("ORV Backupfile|*.qbk"), "ORV Backupfile\0*.qbk\0\0"s);
  EXPECT_EQ(dialog_filter("Text|*.txt;*.ini|All|*.*"), "Text\0*.txt;*.ini\0All\0*.*\0\0"s);
  EXPECT_EQ(dialog_filter(""), "\0\0"s);
}

}  // namespace
}  // namespace orvx::ui
