#pragma once
// The backup container: file records back to back, nothing before, between or
// after them. One record is
//
//   folder part length (1 byte), folder part (backslash-separated, ending with
//   a backslash, or empty), name length (1 byte), name, uncompressed size
//   (4 bytes), compressed size C (4 bytes), C bytes of one zlib stream
//
// with sizes little-endian. An empty file has both sizes 0 and no zlib bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvx::backup {

// Longest folder part and longest name a record can hold.
inline constexpr size_t kMaxPartLength = 255;
// Largest file a record can hold: sizes are reported as 32-bit signed values.
inline constexpr uint64_t kMaxFileSize = 0x7FFFFFFF;
// Files are read, compressed, decompressed and written in pieces of this size.
inline constexpr size_t kChunkSize = 1024;
// The separator of folder parts inside the container, whatever the platform.
inline constexpr char kStoredSeparator = '\\';

struct RecordHeader {
  std::string folder_part;  // as stored
  std::string name;
  uint32_t size = 0;             // uncompressed
  uint32_t compressed_size = 0;  // bytes of zlib data after the header
};

// Appends a complete record; `compressed` is empty for an empty file. The
// caller keeps the parts within kMaxPartLength and the sizes within 32 bits.
void append_record(std::string& image, std::string_view folder_part, std::string_view name, uint32_t size,
                   std::string_view compressed);

void put_le32(std::string& out, uint32_t value);
uint32_t get_le32(const unsigned char* bytes);

}  // namespace orvx::backup
