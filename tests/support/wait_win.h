#pragma once
// The one way the Windows tests wait: poll a condition until a deadline while
// this thread keeps handling its messages (its own windows, the events of a
// WinEvent hook, what other processes send it). A wait that runs out fails
// with what it waited for, so a failing test names the state that never came.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "harness/deadline.h"

namespace orvx::test {

// The default deadline in milliseconds, for the Windows calls that count
// in them.
inline constexpr int kDeadlineMs = static_cast<int>(harness::kDefaultDeadline.count());

// True as soon as `done` holds; a failure "timed out after N ms waiting for
// <what>" when the deadline passes first. Use it as
// ASSERT_TRUE(wait_for("the main window to hide", [&] { ... }));
::testing::AssertionResult wait_for(const std::string& what, const std::function<bool()>& done,
                                    int timeout_ms = kDeadlineMs);

// Handles what is queued for this thread now (and what that posts in turn).
void pump_pending();

}  // namespace orvx::test
