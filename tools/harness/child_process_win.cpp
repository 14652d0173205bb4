#include "harness/child_process_win.h"

#include <stdexcept>

#include "platform/files.h"

namespace orvx::harness {

namespace {

// How long a killed process may take to be gone.
constexpr DWORD kKillDeadlineMs = 10000;

}  // namespace

ChildProcess ChildProcess::start(const std::string& program, const StartOptions& options) {
  std::string command_line = "\"" + program + "\"";
  if (!options.arguments.empty()) command_line += " " + options.arguments;
  return launch(program.c_str(), std::move(command_line), options);
}

ChildProcess ChildProcess::start_command(const std::string& command_line, const StartOptions& options) {
  return launch(nullptr, command_line, options);
}

ChildProcess ChildProcess::launch(const char* program, std::string command_line, const StartOptions& options) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  DWORD flags = 0;
  if (options.hidden) {
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    flags |= CREATE_NO_WINDOW;
  }
  const bool redirected = options.output != nullptr;
  if (redirected) {
    startup.dwFlags |= STARTF_USESTDHANDLES;
    startup.hStdOutput = options.output;
    startup.hStdError = options.output;
  }
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(program, command_line.data(), nullptr, nullptr, redirected, flags, nullptr,
                      options.folder.empty() ? nullptr : options.folder.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start " + command_line + ": " + files::describe_last_error());
  }
  win::ScopedHandle thread(info.hThread);
  return ChildProcess(win::ScopedHandle(info.hProcess), info.dwProcessId);
}

ChildProcess ChildProcess::attach(DWORD process_id) {
  win::ScopedHandle process(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, process_id));
  if (!process) throw std::runtime_error("cannot open process " + std::to_string(process_id));
  return ChildProcess(std::move(process), process_id);
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    if (running()) kill();
    process_ = std::move(other.process_);
    id_ = other.id_;
  }
  return *this;
}

ChildProcess::~ChildProcess() {
  if (running()) kill();
}

bool ChildProcess::running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool ChildProcess::wait(std::chrono::milliseconds deadline) const {
  return process_ && WaitForSingleObject(process_.get(), static_cast<DWORD>(deadline.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::exit_code() const {
  DWORD code = 0;
  if (!process_ || running() || !GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

void ChildProcess::kill() {
  if (!process_) return;
  TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), kKillDeadlineMs);
}

}  // namespace orvx::harness
