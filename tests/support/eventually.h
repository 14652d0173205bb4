#pragma once
// Waits for a state that another thread brings about, for the native tests:
// polls `done` until it holds or the deadline passes. The Windows tests,
// whose thread must keep handling its messages, use wait_for (wait_win.h).
#include <chrono>
#include <functional>

#include "harness/deadline.h"

namespace orvx::test {

// True as soon as `done` holds; false when the deadline passed first.
bool eventually(const std::function<bool()>& done, std::chrono::milliseconds deadline = harness::kDefaultDeadline);

}  // namespace orvx::test
