#include <gtest/gtest.h>

#include "settings_backup/backup_file_name.h"

namespace orvx::settings_backup {
namespace {

TEST(BackupFileName, TwoDigitsEachAndTheYearInFour) {
  struct Case {
    files::LocalTime now;
    const char* name;
  };
  const Case cases[] = {
      {{2024, 12, 9, 14, 5, 33}, "09_12_2024#14_05_33.qbk"},
      {{2025, 1, 2, 3, 4, 5}, "02_01_2025#03_04_05.qbk"},   // single-digit day and month
      {{2026, 7, 31, 0, 0, 0}, "31_07_2026#00_00_00.qbk"},  // midnight
      {{1999, 12, 31, 23, 59, 59}, "31_12_1999#23_59_59.qbk"},
      {{2000, 2, 29, 12, 0, 0}, "29_02_2000#12_00_00.qbk"},
  };
  for (const Case& c : cases) EXPECT_EQ(backup_file_name(c.now), c.name);
}

}  // namespace
}  // namespace orvx::settings_backup
