#pragma once
// The report the user sees when an error reaches the top level: a small
// top-most dialog titled "Orvane X" with the error's text and an OK button
// (Enter and Esc close it too).
//
// Install it once at start-up:
//   ui::ErrorReportDialog report;  errors::set_error_reporter(&report);
// and let it speak the current language once there is one (set_messages).
// Window class "OrvxErrorReport".
#include <functional>
#include <string>
#include <string_view>

#include "platform/error_report.h"
#include "platform/message_ids.h"

namespace orvx::ui {

// The text of a message (lang/messages.h) in the current language.
using MessageLookup = std::function<std::string(MessageId id)>;

class ErrorReportDialog final : public errors::ErrorReporter {
 public:
  // Until set_messages(), and after set_messages({}), the report speaks the
  // built-in German texts.
  void set_messages(MessageLookup messages) { messages_ = std::move(messages); }
  // The text of message `id` as the report shows it.
  std::string message(MessageId id) const;

  // Shows the report modally, owned by the active window of the thread (if
  // any). When the dialog cannot be made, a plain error box stands in.
  void show_error_report(const std::string& text) noexcept override;
  // An error naming a message: its text in the current language, with the
  // error's detail put in.
  std::string message_error_text(const errors::MessageError& error) const override;

 private:
  MessageLookup messages_;
};

inline constexpr const char* kErrorReportClass = "OrvxErrorReport";

}  // namespace orvx::ui
