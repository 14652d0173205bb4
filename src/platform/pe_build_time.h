#pragma once
// The link time of a program file, read from its PE header: what the version
// line shows as the build time.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvx {

// Random-access reads of a file's bytes.
class ByteReader {
 public:
  virtual ~ByteReader() = default;
  // Reads up to `size` bytes at `offset` into `out`. The number of bytes read,
  // fewer at the end of the data; nullopt when the position cannot be reached
  // or the read fails.
  virtual std::optional<size_t> read_at(uint64_t offset, void* out, size_t size) = 0;
};

// Reads from bytes in memory; past their end a read yields nothing.
class MemoryReader : public ByteReader {
 public:
  explicit MemoryReader(std::string_view bytes) : bytes_(bytes) {}
  std::optional<size_t> read_at(uint64_t offset, void* out, size_t size) override;

 private:
  std::string_view bytes_;
};

// Some linkers write this fixed value instead of the link time; the resource
// directory's time stamp then stands in for it.
inline constexpr uint32_t kPlaceholderTimeStamp = 0x2A425E19;

// Seconds since 1970-01-01 00:00:00 (as recorded, no time zone) of the
// image's link time; 0 when the bytes are no PE image. For the placeholder
// time stamp, the MS-DOS date and time of the resource directory of a 32-bit
// image are used instead when they can be read and are valid; otherwise the
// placeholder value itself is the result.
int64_t build_time_of(ByteReader& image);

// The same for a file, opened for reading with others free to read it too.
// 0 when it cannot be opened.
int64_t get_build_time(const std::string& path);

}  // namespace orvx
