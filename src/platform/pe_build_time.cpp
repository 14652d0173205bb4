#include "platform/pe_build_time.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "platform/dos_date_time.h"
#include "platform/file_streams.h"

namespace orvx {
namespace {

// Offsets into the DOS stub, the PE headers and a section header.
constexpr size_t kDosHeaderSize = 64;
constexpr size_t kDosHeaderOffsetField = 60;
constexpr size_t kNtHeadersSize = 248;  // signature, file header, 32-bit optional header
constexpr size_t kTimeStampField = 8;
constexpr size_t kSectionCountField = 6;
constexpr size_t kOptionalHeaderSizeField = 20;
constexpr size_t kOptionalHeaderOffset = 24;
constexpr size_t kMagicField = kOptionalHeaderOffset;
constexpr size_t kResourceAddressField = kOptionalHeaderOffset + 96 + 2 * 8;
constexpr size_t kResourceSizeField = kResourceAddressField + 4;
constexpr uint16_t kMinimumOptionalHeaderSize = 224;
constexpr uint16_t kPe32Magic = 0x10B;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kSectionsPerRead = 64;
constexpr size_t kSectionAddressField = 12;
constexpr size_t kSectionRawSizeField = 16;
constexpr size_t kSectionRawOffsetField = 20;
constexpr size_t kResourceDirectoryHeadSize = 16;
constexpr size_t kResourceTimeStampField = 4;

uint16_t word_at(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t dword_at(const uint8_t* p) { return uint32_t(word_at(p)) | uint32_t(word_at(p + 2)) << 16; }

bool read_exactly(ByteReader& image, uint64_t offset, void* out, size_t size) {
  std::optional<size_t> n = image.read_at(offset, out, size);
  return n && *n == size;
}

// The resource directory's time stamp as Unix seconds, or nullopt when the
// image does not lead to a valid one.
std::optional<int64_t> resource_time_stamp(ByteReader& image, uint64_t header_offset, const uint8_t* nt) {
  const uint16_t optional_size = word_at(nt + kOptionalHeaderSizeField);
  if (optional_size < kMinimumOptionalHeaderSize || word_at(nt + kMagicField) != kPe32Magic) {
    return std::nullopt;
  }
  // The whole table must be readable before a section counts; it is read a
  // few headers at a time, so that a header claiming up to 65535 sections
  // costs no more memory than a small one.
  const uint64_t table = header_offset + kOptionalHeaderOffset + optional_size;
  const size_t section_count = word_at(nt + kSectionCountField);
  const uint64_t resource_address = dword_at(nt + kResourceAddressField);
  const uint64_t resource_end = resource_address + dword_at(nt + kResourceSizeField);
  std::optional<uint64_t> directory_offset;
  std::array<uint8_t, kSectionsPerRead * kSectionHeaderSize> chunk{};
  for (size_t done = 0; done < section_count;) {
    const size_t n = std::min(kSectionsPerRead, section_count - done);
    if (!read_exactly(image, table + done * kSectionHeaderSize, chunk.data(), n * kSectionHeaderSize)) {
      return std::nullopt;
    }
    for (size_t i = 0; i < n && !directory_offset; ++i) {
      const uint8_t* section = chunk.data() + i * kSectionHeaderSize;
      const uint64_t address = dword_at(section + kSectionAddressField);
      const uint64_t end = address + dword_at(section + kSectionRawSizeField);
      if (address <= resource_address && end >= resource_end) {
        directory_offset = dword_at(section + kSectionRawOffsetField) + (resource_address - address);
      }
    }
    done += n;
  }
  if (!directory_offset) return std::nullopt;

  std::array<uint8_t, kResourceDirectoryHeadSize> directory{};
  if (!read_exactly(image, *directory_offset, directory.data(), directory.size())) {
    return std::nullopt;
  }
  const uint32_t stamp = dword_at(directory.data() + kResourceTimeStampField);
  return files::dos_date_time_to_unix(uint16_t(stamp >> 16), uint16_t(stamp & 0xFFFF));
}

// Reads a file from its start, as far as the reads ask for: the PE headers
// lie near the start and the resource directory anywhere after them.
class FilePrefixReader : public ByteReader {
 public:
  explicit FilePrefixReader(files::FileReader file) : file_(std::move(file)) {}

  std::optional<size_t> read_at(uint64_t offset, void* out, size_t size) override {
    const uint64_t wanted = offset + size;
    char chunk[16384];
    while (!at_end_ && prefix_.size() < wanted) {
      const std::optional<size_t> n = file_.read(chunk, sizeof chunk);
      if (!n) return std::nullopt;
      if (*n == 0) at_end_ = true;
      prefix_.append(chunk, *n);
    }
    return MemoryReader(prefix_).read_at(offset, out, size);
  }

 private:
  files::FileReader file_;
  std::string prefix_;
  bool at_end_ = false;
};

}  // namespace

std::optional<size_t> MemoryReader::read_at(uint64_t offset, void* out, size_t size) {
  if (offset >= bytes_.size()) return 0;
  const size_t n = std::min<uint64_t>(size, bytes_.size() - offset);
  std::memcpy(out, bytes_.data() + offset, n);
  return n;
}

int64_t build_time_of(ByteReader& image) {
  std::array<uint8_t, kDosHeaderSize> dos{};
  uint64_t header_offset = 0;
  if (read_exactly(image, 0, dos.data(), dos.size()) && dos[0] == 'M' && dos[1] == 'Z') {
    header_offset = dword_at(dos.data() + kDosHeaderOffsetField);
  }

  std::array<uint8_t, kNtHeadersSize> nt{};
  if (!read_exactly(image, header_offset, nt.data(), nt.size())) return 0;
  if (nt[0] != 'P' || nt[1] != 'E' || nt[2] != 0 || nt[3] != 0) return 0;

  const uint32_t stamp = dword_at(nt.data() + kTimeStampField);
  if (stamp != kPlaceholderTimeStamp) return stamp;
  return resource_time_stamp(image, header_offset, nt.data()).value_or(stamp);
}

int64_t get_build_time(const std::string& path) {
  std::optional<files::FileReader> file = files::FileReader::open(path, files::Sharing::kDenyNone);
  if (!file) return 0;
  FilePrefixReader image(std::move(*file));
  return build_time_of(image);
}

}  // namespace orvx
