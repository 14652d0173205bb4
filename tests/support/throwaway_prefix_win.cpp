#include "support/throwaway_prefix_win.h"

#include <windows.h>

namespace orvx::test {

::testing::AssertionResult in_throwaway_prefix() {
  const DWORD attributes = GetFileAttributesA(kThrowawayPrefixMarker);
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "refusing to touch the user's data: " << kThrowawayPrefixMarker
         << " is missing, so this is no throw-away Wine prefix made by scripts/lib/common.sh (start_wine)";
}

}  // namespace orvx::test
