#include "ini/ini_encoding.h"

#include <array>
#include <cstdint>

#include "platform/files.h"

namespace orvx::ini {
namespace {

constexpr std::string_view kUtf16leMark = "\xFF\xFE";

// The characters of Windows-1252's bytes 0x80 to 0x9F. The five bytes the
// code page leaves undefined stand for the control characters of their
// value, as Windows converts them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t to_unicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

char to_windows_1252(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

FileText decode_file_bytes(std::string bytes) {
  if (!std::string_view(bytes).starts_with(kUtf16leMark)) return {std::move(bytes), FileEncoding::kAnsi};
  FileText file{{}, FileEncoding::kUtf16le};
  file.text.reserve((bytes.size() - kUtf16leMark.size()) / 2);
  // An odd last byte is no character and is dropped.
  for (size_t i = kUtf16leMark.size(); i + 1 < bytes.size(); i += 2) {
    const auto c =
        static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    // A pair of surrogates is one character, and one "?".
    if (c >= 0xDC00 && c <= 0xDFFF && i >= kUtf16leMark.size() + 2) {
      const auto before = static_cast<char16_t>(static_cast<unsigned char>(bytes[i - 2]) |
                                                static_cast<unsigned char>(bytes[i - 1]) << 8);
      if (before >= 0xD800 && before <= 0xDBFF) continue;
    }
    file.text.push_back(to_windows_1252(c));
  }
  return file;
}

std::string encode_file_text(std::string_view text, FileEncoding encoding) {
  if (encoding == FileEncoding::kAnsi) return std::string(text);
  std::string bytes(kUtf16leMark);
  bytes.reserve(kUtf16leMark.size() + 2 * text.size());
  for (char byte : text) {
    const char16_t c = to_unicode(static_cast<unsigned char>(byte));
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::optional<FileText> read_file_text(const std::string& path) {
  std::optional<std::string> bytes = files::read_file(path);
  if (!bytes) return std::nullopt;
  return decode_file_bytes(std::move(*bytes));
}

}  // namespace orvx::ini
