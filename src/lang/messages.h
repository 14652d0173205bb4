#pragma once
// The program's messages: each has an id, under which a language file's
// `misc` section may translate it, and a built-in German text.
#include <span>
#include <string>
#include <string_view>

#include "platform/message_ids.h"

namespace orvx::lang {

struct BuiltInMessage {
  MessageId id;
  std::string_view german;  // Windows-1252; line breaks are bare CR
};

// Every message, in the order of the shipped English file's `misc` section.
std::span<const BuiltInMessage> built_in_messages();

// The German text of a message id (ids compare without regard to case);
// empty for an unknown id.
std::string_view german_message(MessageId id);

}  // namespace orvx::lang
