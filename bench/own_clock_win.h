#pragma once
// The clocks a Windows benchmark reads of its own process, in milliseconds:
// the wall clock, and the CPU time (user + kernel), which the system counts
// in steps of several milliseconds.
#include <windows.h>

namespace bench {

inline double wall_ms() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double cpu_ms() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

}  // namespace bench
