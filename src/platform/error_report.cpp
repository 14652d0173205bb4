#include "platform/error_report.h"

#include <cstdio>
#include <utility>

namespace orvx::errors {

namespace {
// What the standard error stream gets for an error without a text; the
// reporter has a text of its own for it in the user's language.
constexpr char kNoTextOnStderr[] = "(an error without a text)";

ErrorReporter* g_reporter = nullptr;
bool g_reporting = false;

void write_to_stderr(const char* text) noexcept {
  std::fputs(text, stderr);
  std::fputc('\n', stderr);
}
}  // namespace

MessageError::MessageError(MessageId message_id, std::string detail)
    : std::runtime_error(detail.empty() ? std::string(message_id.text())
                                        : std::string(message_id.text()) + ": " + detail),
      message_id_(message_id),
      detail_(std::move(detail)) {}

ErrorReporter* set_error_reporter(ErrorReporter* reporter) noexcept {
  ErrorReporter* previous = g_reporter;
  g_reporter = reporter;
  return previous;
}

std::string describe_exception(const std::exception_ptr& error, const ErrorReporter* reporter) {
  if (!error) return {};
  try {
    std::rethrow_exception(error);
  } catch (const MessageError& e) {
    return reporter ? reporter->message_error_text(e) : e.what();
  } catch (const std::exception& e) {
    const char* what = e.what();
    if (what && *what) return what;
  } catch (...) {
  }
  return {};
}

void report_exception(const std::exception_ptr& error) noexcept {
  try {
    if (g_reporting || !g_reporter) {
      const std::string text = describe_exception(error);
      write_to_stderr(text.empty() ? kNoTextOnStderr : text.c_str());
      return;
    }
    const std::string text = describe_exception(error, g_reporter);
    g_reporting = true;
    g_reporter->show_error_report(text);
    g_reporting = false;
  } catch (...) {
    // Only an allocation can fail above; there is nothing left to show.
    g_reporting = false;
    write_to_stderr(kNoTextOnStderr);
  }
}

void report_current_exception() noexcept { report_exception(std::current_exception()); }

void GuardedSequence::run(const std::function<void()>& step, bool ends_on_failure) noexcept {
  if (ended_) return;
  try {
    step();
  } catch (...) {
    last_failure_ = std::current_exception();
    if (ends_on_failure) ended_ = true;
  }
}

void GuardedSequence::guarded(const std::function<void()>& step) noexcept { run(step, false); }

void GuardedSequence::step(const std::function<void()>& step) noexcept { run(step, true); }

void GuardedSequence::report_failure() noexcept {
  if (!last_failure_) return;
  std::exception_ptr failure = std::move(last_failure_);
  last_failure_ = nullptr;
  report_exception(failure);
}

}  // namespace orvx::errors
