#pragma once
// A program started by a test, a benchmark or a tool: the one owner of its
// process, which it waits for with a deadline, asks for its exit code, and
// kills when it is still running as the owner goes.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "harness/deadline.h"
#include "platform/scoped_win.h"

namespace orvx::harness {

struct StartOptions {
  // What follows the program on its command line.
  std::string arguments;
  // The working folder; empty for the starting process's own.
  std::string folder;
  // Shown hidden and without a console window, as the program starts its
  // scripts.
  bool hidden = false;
  // Standard output and error go here (an inheritable handle); null keeps
  // the starting process's own.
  HANDLE output = nullptr;
};

class ChildProcess {
 public:
  // Starts `program` (a path) with `"program" arguments` as its command
  // line. Throws std::runtime_error, naming the program and the system's
  // reason, when it does not start.
  static ChildProcess start(const std::string& program, const StartOptions& options = {});
  // Starts a whole command line whose first word the system looks up as it
  // does for a user (cmd.exe, a program of the host under Wine);
  // options.arguments is not used. Throws as start() does.
  static ChildProcess start_command(const std::string& command_line, const StartOptions& options = {});
  // A process started otherwise (by a script), by its id. Throws
  // std::runtime_error when it cannot be opened.
  static ChildProcess attach(DWORD process_id);

  ChildProcess(ChildProcess&&) noexcept = default;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // Kills the process when it still runs.
  ~ChildProcess();

  DWORD id() const { return id_; }
  HANDLE handle() const { return process_.get(); }
  bool running() const;
  // True once the process has ended; false when the deadline passed first.
  bool wait(std::chrono::milliseconds deadline = kDefaultDeadline) const;
  // The exit code once the process has ended.
  std::optional<DWORD> exit_code() const;
  // Ends the process at once (exit code 1) and waits until it is gone.
  void kill();

 private:
  ChildProcess(win::ScopedHandle process, DWORD id) : process_(std::move(process)), id_(id) {}
  static ChildProcess launch(const char* program, std::string command_line, const StartOptions& options);

  win::ScopedHandle process_;
  DWORD id_ = 0;
};

}  // namespace orvx::harness
