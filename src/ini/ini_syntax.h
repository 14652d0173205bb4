#pragma once
// Byte-level rules of our INI files, shared by the reader, the writer and
// IniText. They follow the platform's private-profile parser:
//  - a line ends at CR, LF or CR LF; blank characters (tab, LF, VT, FF, CR,
//    ^Z and space) are trimmed from both ends of every line;
//  - a trimmed line that starts with "[" and contains a later "]" is a section
//    header; the name is everything between the "[" and the LAST "]", trimmed;
//  - any other non-blank line is an entry: the name before the first "=",
//    trimmed, and the value after it, trimmed; a line without "=" is an entry
//    without a value;
//  - names and values end at a NUL byte, as C strings do;
//  - names compare without regard to the case of Windows-1252 letters.
// A UTF-8 byte-order mark at the very start is skipped.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvx::ini::syntax {

bool is_blank(char c);
std::string_view trim(std::string_view text);
// The text up to its first NUL byte.
std::string_view cut_at_nul(std::string_view text);

// Windows-1252 lower case of one byte (ASCII letters and the accented letters).
char fold(char c);
bool names_equal(std::string_view a, std::string_view b);
std::string folded(std::string_view name);

// Hash and equality of names without regard to case, for hash maps that are
// searched with any string view.
struct FoldedHash {
  using is_transparent = void;
  size_t operator()(std::string_view name) const;
};
struct FoldedEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return names_equal(a, b); }
};

// A name as a query uses it: trimmed and cut at NUL.
std::string_view query_name(std::string_view name);

// A value as the platform's string read returns it: one pair of matching
// single or double quotes around the whole value is removed.
std::string_view strip_quotes(std::string_view value);

enum class LineKind { kBlank, kHeader, kEntry };

struct Line {
  size_t begin = 0;  // first byte of the line
  size_t end = 0;    // one past the last byte before the line break
  size_t next = 0;   // first byte of the next line (end when there is no break)
  LineKind kind = LineKind::kBlank;
  // kHeader: the section name; kEntry: the key name. Offsets into the text.
  size_t name_begin = 0;
  size_t name_size = 0;
  // kEntry only.
  bool has_value = false;
  size_t value_begin = 0;
  size_t value_size = 0;

  bool has_break() const { return next > end; }
};

// Walks the lines of a text, classifying each one.
class LineReader {
 public:
  explicit LineReader(std::string_view text);
  // Fills `line` with the next line; false at the end of the text.
  bool next(Line& line);

 private:
  std::string_view text_;
  size_t pos_;
};

// The name of a header or entry line, cut at NUL; the value likewise.
std::string_view name_of(std::string_view text, const Line& line);
std::string_view value_of(std::string_view text, const Line& line);

}  // namespace orvx::ini::syntax
