#pragma once
// Helpers for the widget tests under Wine: message pumping with a deadline,
// a recording error reporter, and a second thread that waits for a modal
// window to appear and then drives it.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/error_report.h"

namespace orvx::ui::test {

// Dispatches messages until `done` holds or the deadline passes. True when
// `done` held in time.
inline bool pump_until(const std::function<bool()>& done, int timeout_ms = 5000) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Dispatches what is queued now (and what that posts in turn, briefly).
inline void pump_pending() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

// Installed for the lifetime of the object: error reports are recorded
// instead of shown.
class RecordingReporter : public errors::ErrorReporter {
 public:
  RecordingReporter() : previous_(errors::set_error_reporter(this)) {}
  ~RecordingReporter() override { errors::set_error_reporter(previous_); }
  void show_error_report(const std::string& text) noexcept override { reports.push_back(text); }
  std::vector<std::string> reports;

 private:
  errors::ErrorReporter* previous_;
};

// Finds a visible top-level window of this process by class and title
// (either may be null), polling until the deadline.
inline HWND wait_for_window(const char* class_name, const char* title, int timeout_ms = 5000) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  DWORD self = GetCurrentProcessId();
  while (std::chrono::steady_clock::now() < deadline) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, class_name, title)) != nullptr) {
      DWORD pid = 0;
      GetWindowThreadProcessId(found, &pid);
      if (pid == self && IsWindowVisible(found)) return found;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return nullptr;
}

struct ClassSearch {
  const char* class_name;
  HWND found = nullptr;
};

inline BOOL CALLBACK match_class(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ClassSearch*>(lp);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof(name));
  if (lstrcmpiA(name, s->class_name) != 0) return TRUE;
  s->found = hwnd;
  return FALSE;
}

// The first descendant of `parent` of a window class.
inline HWND find_descendant(HWND parent, const char* class_name) {
  ClassSearch search{class_name};
  EnumChildWindows(parent, &match_class, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline std::string window_text(HWND hwnd) {
  char buffer[1024] = {};
  GetWindowTextA(hwnd, buffer, sizeof(buffer));
  return buffer;
}

inline LPARAM client_point(int x, int y) { return MAKELPARAM(x, y); }

// A mouse click sent to a widget at a client point: press and release.
inline void send_click(HWND hwnd, int x, int y) {
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, client_point(x, y));
  SendMessageA(hwnd, WM_LBUTTONUP, 0, client_point(x, y));
}

// Ends whatever modal loop the test's thread runs, so that a driver that did
// not find its window, or whose input did not end the loop, cannot leave the
// test hanging: WM_CANCELMODE ends a menu loop, Esc leaves a menu level, and
// visible windows are cancelled and closed.
inline BOOL CALLBACK close_modal(HWND hwnd, LPARAM) {
  PostMessageA(hwnd, WM_CANCELMODE, 0, 0);
  if (IsWindowVisible(hwnd)) {
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(hwnd, WM_COMMAND, IDNO, 0);
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

inline void unstick_thread(DWORD thread_id) { EnumThreadWindows(thread_id, &close_modal, 0); }

// Runs `drive` on a second thread while the test's thread runs a modal
// loop; join() waits for it. The driver talks to the windows only with
// messages, which the modal loop dispatches. When `drive` returns false (it
// did not find what it waited for), the modal windows are closed. After the
// driver is done the modal loop must end, and the test's thread come to
// join(), within `modal_deadline`; otherwise the loop is closed and join()
// reports it. A loop that cannot be closed at all ends the test program with
// a message on stderr rather than hanging it.
class Driver {
 public:
  explicit Driver(std::function<bool()> drive,
                  std::chrono::milliseconds modal_deadline = std::chrono::milliseconds(10000))
      : thread_([drive = std::move(drive), ui_thread = GetCurrentThreadId(), modal_deadline, this] {
          ok_ = drive();
          if (!ok_) unstick_thread(ui_thread);
          watch_modal_loop(ui_thread, modal_deadline);
        }) {}
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;
  ~Driver() { join(); }

  // True when the driver found and drove its window and the modal loop
  // ended in time; a failure says which of them did not happen.
  bool join() {
    if (!thread_.joinable()) return ok_ && !stuck_;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      joined_ = true;
    }
    arrived_.notify_all();
    thread_.join();
    if (!ok_) ADD_FAILURE() << "the driver did not find the window it waited for";
    if (stuck_) ADD_FAILURE() << "the modal loop did not end in time after the driver was done; it was closed";
    return ok_ && !stuck_;
  }

 private:
  void watch_modal_loop(DWORD ui_thread, std::chrono::milliseconds modal_deadline) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (arrived_.wait_for(lock, modal_deadline, [this] { return joined_; })) return;
    stuck_ = true;
    // Closing may take a few rounds: a submenu, then its menu, then a box.
    for (int round = 0; round < 20; ++round) {
      unstick_thread(ui_thread);
      if (arrived_.wait_for(lock, std::chrono::milliseconds(500), [this] { return joined_; })) return;
    }
    std::fprintf(stderr, "the modal loop of the test's thread could not be closed; ending the test program\n");
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
  }

  std::atomic<bool> ok_{false};
  std::atomic<bool> stuck_{false};
  std::mutex mutex_;
  std::condition_variable arrived_;
  bool joined_ = false;
  std::thread thread_;
};

}  // namespace orvx::ui::test
