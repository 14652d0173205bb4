#include "ini/ini_syntax.h"

#include <array>
#include <cstdint>

namespace orvx::ini::syntax {
namespace {

constexpr std::array<char, 256> make_fold_table() {
  std::array<char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<char>(i);
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<char>(c + 32);
  // À..Þ to à..þ, except the multiplication sign.
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) t[c] = static_cast<char>(c + 32);
  }
  t[0x8A] = static_cast<char>(0x9A);  // Š š
  t[0x8C] = static_cast<char>(0x9C);  // Œ œ
  t[0x8E] = static_cast<char>(0x9E);  // Ž ž
  t[0x9F] = static_cast<char>(0xFF);  // Ÿ ÿ
  return t;
}

constexpr std::array<char, 256> kFold = make_fold_table();

bool is_break(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool is_blank(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' '; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view cut_at_nul(std::string_view text) {
  size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

char fold(char c) { return kFold[static_cast<unsigned char>(c)]; }

bool names_equal(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::string folded(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = fold(c);
  return out;
}

size_t FoldedHash::operator()(std::string_view name) const {
  uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a over the folded bytes
  for (char c : name) {
    hash ^= static_cast<unsigned char>(fold(c));
    hash *= 1099511628211ull;
  }
  return static_cast<size_t>(hash ^ (hash >> 32));
}

std::string_view query_name(std::string_view name) { return trim(cut_at_nul(name)); }

std::string_view strip_quotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

LineReader::LineReader(std::string_view text) : text_(text), pos_(0) {
  if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

bool LineReader::next(Line& line) {
  if (pos_ >= text_.size()) return false;
  line = Line{};
  line.begin = pos_;
  size_t end = pos_;
  while (end < text_.size() && !is_break(text_[end])) ++end;
  line.end = end;
  size_t next = end;
  if (next < text_.size()) {
    next += (text_[next] == '\r' && next + 1 < text_.size() && text_[next + 1] == '\n') ? 2 : 1;
  }
  line.next = next;
  pos_ = next;

  size_t first = line.begin;
  size_t last = line.end;  // one past
  while (first < last && is_blank(text_[first])) ++first;
  while (last > first && is_blank(text_[last - 1])) --last;
  if (first == last) return true;  // blank

  if (text_[first] == '[') {
    size_t close = last;
    while (close > first + 1 && text_[close - 1] != ']') --close;
    if (close > first + 1) {  // text_[close - 1] is the last "]"
      size_t name_begin = first + 1;
      size_t name_end = close - 1;
      while (name_begin < name_end && is_blank(text_[name_begin])) ++name_begin;
      while (name_end > name_begin && is_blank(text_[name_end - 1])) --name_end;
      line.kind = LineKind::kHeader;
      line.name_begin = name_begin;
      line.name_size = name_end - name_begin;
      return true;
    }
  }

  line.kind = LineKind::kEntry;
  size_t equals = first;
  while (equals < last && text_[equals] != '=') ++equals;
  line.name_begin = first;
  if (equals == last) {
    line.name_size = last - first;
    return true;
  }
  size_t name_end = equals;
  while (name_end > first && is_blank(text_[name_end - 1])) --name_end;
  line.name_size = name_end - first;
  size_t value = equals + 1;
  while (value < last && is_blank(text_[value])) ++value;
  line.has_value = true;
  line.value_begin = value;
  line.value_size = last - value;
  return true;
}

std::string_view name_of(std::string_view text, const Line& line) {
  return cut_at_nul(text.substr(line.name_begin, line.name_size));
}

std::string_view value_of(std::string_view text, const Line& line) {
  return cut_at_nul(text.substr(line.value_begin, line.value_size));
}

}  // namespace orvx::ini::syntax
