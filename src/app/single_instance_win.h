#pragma once
// One instance per logged-on user: a named mutex held for the whole run, and
// for a second start, the search for the running instance's main window.
#include <windows.h>

#include "platform/scoped_win.h"

namespace orvx::app {

inline constexpr char kInstanceMutexName[] = "Orvane";

// The main window's class and title, and the older ones that earlier
// versions used, in the order a second start looks for them.
struct MainWindowIdentity {
  const char* class_name;
  const char* title;
};
inline constexpr MainWindowIdentity kMainWindowIdentities[] = {
    {"Torvx_Form", "Orvane X"},
    {"Torv_Form", "Orvane"},
};

class InstanceMutex {
 public:
  // Creates the named mutex, asking for initial ownership. The handle stays
  // open while the object lives, which for the program is the whole run.
  static InstanceMutex claim(const char* name = kInstanceMutexName);

  InstanceMutex(InstanceMutex&&) = default;
  InstanceMutex& operator=(InstanceMutex&&) = default;

  // True when the name was new: no other instance runs. False when another
  // process holds the name, or when the mutex could not be created at all.
  bool is_only_instance() const { return only_instance_; }

 private:
  InstanceMutex(win::ScopedHandle handle, bool only_instance)
      : handle_(std::move(handle)), only_instance_(only_instance) {}

  win::ScopedHandle handle_;
  bool only_instance_;
};

// The running instance's main window among the top-level windows: the first
// identity that has a window wins. Windows of this process are passed over.
// nullptr when there is none.
HWND find_running_instance_window();

// Shows the running instance's main window normally and brings it to the
// front. False when there is no such window.
bool bring_running_instance_to_front();

}  // namespace orvx::app
