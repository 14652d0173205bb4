#pragma once
// The general error handling: an error that reaches the top level (a window
// procedure, a start-up step, a command, a download's hand-over) ends here
// and is shown to the user in a small report. Nothing in here ever throws.
//
// Every layer reports through it: window procedures catch everything at their
// boundary and call report_current_exception(); the start-up sequence
// collects its failures in a GuardedSequence and reports the last one when it
// has ended. All of it runs on the user-interface thread.
//
// The texts around an error's own text (the title, the button, what is said
// for an error that carries no text) belong to the reporter, which takes
// them from the current language.
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/message_ids.h"

namespace orvx::errors {

// An error the user reads about: it names one of the program's messages
// (lang/messages.h), which the report shows in the current language with
// `detail` (a window class, a path) put in for its "%s". Its what() is the
// id and the detail, for the standard error stream.
// Thrown once the user has been told why the program cannot go on (the
// data folders could not be made). It is no error to report, and on purpose
// no std::exception: the window procedure ends the program on it
// (window_procedure_win.h).
struct ProgramMustEnd {};

class MessageError : public std::runtime_error {
 public:
  explicit MessageError(MessageId message_id, std::string detail = {});
  MessageId message_id() const noexcept { return message_id_; }
  const std::string& detail() const noexcept { return detail_; }

 private:
  MessageId message_id_;
  std::string detail_;
};

// Shows the text of an error to the user. The program installs the report
// dialog (ui/error_report_dialog_win.h); tests install a recorder.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  // `text` is the error's own text, or empty for an error that carries none:
  // the reporter then shows its general text for an unknown error.
  virtual void show_error_report(const std::string& text) noexcept = 0;
  // The text of an error that names a message, in the reporter's language.
  // Without a language of its own, what() stands in.
  virtual std::string message_error_text(const MessageError& error) const { return error.what(); }
};

// Installs the process-wide reporter and returns the previous one. Without a
// reporter, errors are written to the standard error stream.
ErrorReporter* set_error_reporter(ErrorReporter* reporter) noexcept;

// The error's own text: the exception's message, or empty for an exception
// that carries none (not derived from std::exception, or an empty message).
// A MessageError's text comes from `reporter`, when one is given.
std::string describe_exception(const std::exception_ptr& error, const ErrorReporter* reporter = nullptr);

// Hands an error to the reporter. A report dialog runs its own message loop;
// errors raised while it is open (a timer that fails on every tick) are not
// stacked as further dialogs on top of it: they go to the standard error
// stream instead.
void report_exception(const std::exception_ptr& error) noexcept;
// The same for the exception being handled; call it inside catch (...).
void report_current_exception() noexcept;

// A sequence of steps of which some are guarded: a guarded step that fails
// does not stop the sequence, an ordinary step that fails ends it (every
// later step is skipped). When several steps fail, the last failure is the
// one that counts; report_failure() hands it to the reporter once the
// sequence is over.
class GuardedSequence {
 public:
  void guarded(const std::function<void()>& step) noexcept;
  void step(const std::function<void()>& step) noexcept;

  bool ended_early() const { return ended_; }
  bool failed() const { return static_cast<bool>(last_failure_); }
  // Reports the last failure, if there was one, and forgets it.
  void report_failure() noexcept;

 private:
  void run(const std::function<void()>& step, bool ends_on_failure) noexcept;

  std::exception_ptr last_failure_;
  bool ended_ = false;
};

}  // namespace orvx::errors
