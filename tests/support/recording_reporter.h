#pragma once
// Stands in for the program's error report while it lives: every report is
// recorded instead of shown, and handed to `on_report` when one is given (a
// call log, or a failure raised while the report is open). Reports may come
// from the thread of a modal loop while the test reads them from another.
// It speaks the built-in German texts.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "lang/messages.h"
#include "platform/error_report.h"
#include "platform/ansi_text.h"

namespace orvx::test {

class RecordingReporter final : public errors::ErrorReporter {
 public:
  using OnReport = std::function<void(const std::string&)>;

  explicit RecordingReporter(OnReport on_report = {})
      : on_report_(std::move(on_report)), previous_(errors::set_error_reporter(this)) {}
  RecordingReporter(const RecordingReporter&) = delete;
  RecordingReporter& operator=(const RecordingReporter&) = delete;
  ~RecordingReporter() override { errors::set_error_reporter(previous_); }

  void show_error_report(const std::string& text) noexcept override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      reports_.push_back(text);
    }
    ++count_;
    if (on_report_) on_report_(text);
  }

  std::string message_error_text(const errors::MessageError& error) const override {
    return text::with_detail(lang::german_message(error.message_id()), error.detail());
  }

  int count() const { return count_; }
  std::vector<std::string> reports() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_;
  }

 private:
  OnReport on_report_;
  errors::ErrorReporter* previous_;
  mutable std::mutex mutex_;
  std::vector<std::string> reports_;
  std::atomic<int> count_{0};
};

}  // namespace orvx::test
