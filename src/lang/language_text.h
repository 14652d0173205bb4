#pragma once
// The text rules of language files: how a window key names a component and a
// property, and how line breaks are written in values.
#include <optional>
#include <string>
#include <string_view>

namespace orvx::lang {

// A window key split at its first dot: "save_button.Caption" names the
// property "Caption" of the component "save_button"; a key without a dot
// ("caption") names a property of the window itself (empty component).
struct PropertyKey {
  std::string_view component;
  std::string_view property;
};
PropertyKey split_property_key(std::string_view key);

// Window texts write a line break (CR LF) as "~~".
std::string window_text_from_file(std::string_view value);
// The form a window text takes in a file: CR LF as "~~". A lone CR or LF
// becomes "~~" as well, since a line of the file cannot hold it.
std::string window_text_to_file(std::string_view text);

// The text of a message from its value in the file: a missing value, or one
// of at most 2 characters after trimming, gives the German text. Otherwise
// every "*|*" marks a line break (CR LF): the parts stay as they are, blanks
// included, and empty parts before the first text add no line break.
std::string message_from_value(std::optional<std::string_view> value, std::string_view german);

}  // namespace orvx::lang
