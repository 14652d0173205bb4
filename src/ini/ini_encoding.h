#pragma once
// The two encodings an INI file may have on disk, as the platform's
// private-profile functions handle them: Windows-1252 bytes, or UTF-16LE
// text after a byte-order mark (what an editor writes when a user saves the
// file as "Unicode"). The engine works on Windows-1252 text; a UTF-16LE file
// is read converted to it, and written back as UTF-16LE with its mark, so
// that the file stays whole. Characters Windows-1252 does not have read as
// "?".
#include <optional>
#include <string>
#include <string_view>

namespace orvx::ini {

enum class FileEncoding { kAnsi, kUtf16le };

struct FileText {
  std::string text;  // Windows-1252
  FileEncoding encoding = FileEncoding::kAnsi;
};

// The text of a file's bytes.
FileText decode_file_bytes(std::string bytes);
// The bytes of a file holding `text` in `encoding`.
std::string encode_file_text(std::string_view text, FileEncoding encoding);

// The file's text, or nullopt when it cannot be read.
std::optional<FileText> read_file_text(const std::string& path);

}  // namespace orvx::ini
