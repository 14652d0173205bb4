#pragma once
// The translation engine: puts a language file's texts into the windows that
// exist, looks messages up, and writes translation templates.
//
// Language file sections: INFOS (about the file itself), one section per
// window named after it (keys "component.Property" or "Property" for the
// window itself; "~~" in a value is a line break), and misc (one key per
// message id; "*|*" in a value is a line break).
#include <string>
#include <string_view>

#include "ini/ini_file.h"
#include "lang/named_components.h"
#include "platform/message_ids.h"

namespace orvx::lang {

inline constexpr char kTemplatePath[] = "C:\\lang.ini";
inline constexpr char kInfoSection[] = "INFOS";
inline constexpr char kMessageSection[] = "misc";

// Applies every window section of `file` to the window of that name in
// `windows`, if it exists. Only string properties are set; unknown windows,
// components and properties are skipped silently.
void apply_language(const ini::IniText& file, WindowRegistry& windows);

class Translator {
 public:
  explicit Translator(WindowRegistry& windows) : windows_(windows) {}

  // Remembers `path` for get_message and applies the file to the windows
  // that exist now. Nothing is reset first: texts the file lacks keep what
  // they had. A missing file, or one far too big to be a language file,
  // changes no window text.
  void load_language(const std::string& path);

  // The text of message `id` in the language last loaded, or `german` when
  // no language is loaded or the file does not translate it. The file is read
  // afresh at every call, so an edit on disk takes effect at once.
  std::string get_message(std::string_view german, std::string_view id) const;
  // get_message with the message's built-in German text.
  std::string message(MessageId id) const;

  // Writes the Caption, Hint and Text of every component of `window` into
  // the section named after it in the INI file `template_path`, replacing
  // existing keys and keeping the others. Captions that are empty or "-"
  // (menu separators) and empty hints and texts are left out, and so is the
  // window's own title.
  void write_template(NamedWindow& window, const std::string& template_path = kTemplatePath) const;

  // The file last loaded; empty until the first load.
  const std::string& language_path() const { return path_; }

 private:
  WindowRegistry& windows_;
  std::string path_;
};

}  // namespace orvx::lang
