#include <windows.h>

#include "platform/local_clock.h"

namespace orvx::files {

LocalTime local_now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

}  // namespace orvx::files
