#pragma once
// Starts the stand-in desktop as a separate process and drives it through
// its commands (standin_protocol.h). Used by the Windows tests and the
// benchmarks.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "harness/child_process_win.h"
#include "standin_shared/item_file.h"

namespace standin {

struct StandinOptions {
  bool auto_arrange = false;
  bool snap_to_grid = false;
  bool active_desktop = false;  // the view host inside an HTML layer
};

struct StandinModes {
  bool auto_arrange = false;
  bool snap_to_grid = false;
};

// standin_desktop.exe in the build tree: ..\tools\ from the folder of the
// calling program (tests\ and bench\ sit beside tools\).
std::string standin_exe_path();

// True when any window of class "Progman" exists.
bool any_progman_window();

class StandinDesktop {
 public:
  // Starts the stand-in without items and waits until its desktop is shown.
  // Throws std::runtime_error when it does not come up within the default
  // deadline (harness/deadline.h).
  explicit StandinDesktop(const StandinOptions& options = {}, const std::string& exe = standin_exe_path());
  StandinDesktop(const StandinDesktop&) = delete;
  StandinDesktop& operator=(const StandinDesktop&) = delete;
  // Closes the stand-in and waits until its process has ended.
  ~StandinDesktop();

  DWORD process_id() const { return process_.id(); }
  HWND window() const { return window_; }
  HWND list_view();

  // The commands; each throws std::runtime_error when the stand-in does not
  // answer.
  int load(const std::vector<StandinItem>& items);
  std::vector<StandinItem> report();
  bool move(int index, int x, int y);
  void set_modes(bool auto_arrange, bool snap_to_grid);
  StandinModes modes();
  int snap_count();
  void echo_to(HWND window);
  // kFillAddressSpace: on, no process can reserve memory in the stand-in.
  // False when the stand-in cannot (a 64-bit one).
  bool fill_address_space(bool on);

  // Makes the stand-in hang (kHang) for at most `ms`, and returns once it
  // has stopped answering. The hang ends when the returned object goes,
  // which waits until the stand-in answers again, or when `ms` are up.
  class Hung;
  [[nodiscard]] Hung hang(DWORD ms);

 private:
  LRESULT command(ULONG_PTR code, const std::string& data = {});

  friend class Hung;

  orvx::harness::ChildProcess process_;
  HWND window_ = nullptr;
};

// A hang of the stand-in in progress (StandinDesktop::hang).
class StandinDesktop::Hung {
 public:
  Hung(Hung&& other) noexcept : desktop_(std::exchange(other.desktop_, nullptr)) {}
  Hung& operator=(Hung&&) = delete;
  // Releases the stand-in and waits until it answers again.
  ~Hung();

 private:
  friend class StandinDesktop;
  explicit Hung(StandinDesktop& desktop) : desktop_(&desktop) {}
  StandinDesktop* desktop_;
};

}  // namespace standin
