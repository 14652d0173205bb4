#pragma once
// Some tests delete the user's application data or write files at the root
// of drive C:. They may do that only inside the throw-away Wine prefix that
// scripts/lib/common.sh (start_wine) makes for a test run, which it marks
// with the file below. Anywhere else they fail instead of touching anything.
#include <gtest/gtest.h>

namespace orvx::test {

// Written by start_wine into the prefix's drive_c.
inline constexpr char kThrowawayPrefixMarker[] = "C:\\orvanex-throwaway-prefix.txt";

// Success inside a marked prefix; otherwise a failure that says why.
::testing::AssertionResult in_throwaway_prefix();

}  // namespace orvx::test
