#pragma once
// Finding windows as a user sees them: top-level windows of a process by
// class and title, their descendants by class and text, and their texts.
// The waits poll with wait_for() and give up at a deadline.
#include <windows.h>

#include <string>
#include <vector>

#include "support/wait_win.h"

namespace orvx::test {

// A top-level window of the process with this class (and title, unless
// null); `visible_only` skips hidden ones. nullptr when there is none.
HWND find_process_window(DWORD process_id, const char* class_name, const char* title, bool visible_only);
// All of them, in the system's order.
std::vector<HWND> find_process_windows(DWORD process_id, const char* class_name, const char* title, bool visible_only);
HWND wait_process_window(DWORD process_id, const char* class_name, const char* title, bool visible_only = true,
                         int timeout_ms = kDeadlineMs);
// A visible top-level window of this process (class and title as above).
HWND wait_own_window(const char* class_name, const char* title, int timeout_ms = kDeadlineMs);

// The descendant window of `parent` of this class whose text is `text`, and
// the first of this class whatever its text.
HWND find_child(HWND parent, const char* class_name, const std::string& text);
HWND find_child(HWND parent, const char* class_name);
// The first visible one of this class.
HWND find_visible_child(HWND parent, const char* class_name);
std::vector<HWND> children_of_class(HWND parent, const char* class_name);
std::vector<std::string> child_texts(HWND parent, const char* class_name);

// The text of a window of any process or thread, asked of the window's own
// thread (GetWindowText gives only the cached title of another process's
// window).
std::string window_text(HWND window);

// Waits until the window's thread has handled everything sent before, by a
// message that its thread answers only from a message loop. False when it
// did not answer in time.
bool round_trip(HWND window, int timeout_ms = kDeadlineMs);

// Message boxes ("#32770") of a process, and their text (the static control
// 0xFFFF).
HWND wait_message_box(DWORD process_id, int timeout_ms = kDeadlineMs);
std::string message_box_text(HWND box);

// The popup menu windows ("#32768") of a process that are shown now: one per
// open menu level.
int open_menu_levels(DWORD process_id);
HWND wait_popup_menu(DWORD process_id, int timeout_ms = kDeadlineMs);

}  // namespace orvx::test
