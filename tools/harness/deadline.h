#pragma once
// How long a test, a benchmark or a tool waits by default for a state that
// is on its way: a program under Wine starting and showing its window, a
// worker handing over its result, a script ending. Long enough for a loaded
// 2-core machine; a wait that must end sooner or may take longer passes its
// own bound.
#include <chrono>

namespace orvx::harness {

inline constexpr std::chrono::milliseconds kDefaultDeadline{30000};

}  // namespace orvx::harness
