// The link time read from crafted PE headers, including the placeholder time
// stamp that the resource directory's time stamp stands in for.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/pe_build_time.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx {
namespace {

constexpr uint32_t kLinkTime = 1234567890;  // 2009-02-13 23:31:30
// 2001-02-03 04:05:06 as MS-DOS date (high word) and time (low word).
constexpr uint32_t kResourceDosStamp = uint32_t((21 << 9 | 2 << 5 | 3) << 16 | (4 << 11 | 5 << 5 | 3));
constexpr int64_t kResourceTime = 981173106;
// The same day at midnight.
constexpr uint32_t kMidnightDosStamp = uint32_t(21 << 9 | 2 << 5 | 3) << 16;
constexpr int64_t kMidnightTime = 981158400;

struct Section {
  uint32_t address;
  uint32_t raw_size;
  uint32_t raw_offset;
  uint32_t resource_stamp = kResourceDosStamp;  // written where the resource directory would be
};

struct Image {
  bool mz = true;
  uint32_t header_offset = 0x80;
  char signature[4] = {'P', 'E', 0, 0};
  uint32_t time_stamp = kLinkTime;
  uint16_t optional_size = 224;
  uint16_t magic = 0x10B;
  uint32_t resource_address = 0x3000;
  uint32_t resource_size = 0x200;
  std::optional<uint16_t> declared_sections;  // default: sections.size()
  std::vector<Section> sections = {{0x1000, 0x1800, 0x400}, {0x3000, 0x400, 0x2000}};
  size_t cut_at = SIZE_MAX;  // truncate the file here
};

// Offsets from here on are left out of the crafted files.
constexpr size_t kFarAway = 0x100000;

void put(std::string& bytes, size_t offset, uint32_t value, int width) {
  if (bytes.size() < offset + width) bytes.resize(offset + width, '\0');
  for (int i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

std::string build(const Image& image) {
  std::string bytes(64, '\0');
  if (image.mz) {
    bytes[0] = 'M';
    bytes[1] = 'Z';
  }
  put(bytes, 60, image.header_offset, 4);
  const size_t h = image.header_offset;
  if (h >= kFarAway) return bytes;  // a header offset that points nowhere
  for (int i = 0; i < 4; ++i) put(bytes, h + i, uint8_t(image.signature[i]), 1);
  put(bytes, h + 4, 0x14C, 2);
  put(bytes, h + 6, image.declared_sections.value_or(uint16_t(image.sections.size())), 2);
  put(bytes, h + 8, image.time_stamp, 4);
  put(bytes, h + 20, image.optional_size, 2);
  put(bytes, h + 24, image.magic, 2);
  put(bytes, h + 248, 0, 1);  // the full 32-bit optional header is always there
  const size_t table = h + 24 + image.optional_size;
  for (size_t i = 0; i < image.sections.size(); ++i) {
    const Section& s = image.sections[i];
    put(bytes, table + i * 40 + 12, s.address, 4);
    put(bytes, table + i * 40 + 16, s.raw_size, 4);
    put(bytes, table + i * 40 + 20, s.raw_offset, 4);
  }
  // Written after the section table: a short optional header lets the table
  // overlap the data directories.
  put(bytes, h + 136, image.resource_address, 4);
  put(bytes, h + 140, image.resource_size, 4);
  for (const Section& s : image.sections) {
    if (s.address <= image.resource_address && s.raw_offset < kFarAway) {
      const size_t directory = s.raw_offset + (image.resource_address - s.address);
      put(bytes, directory + 4, s.resource_stamp, 4);
      put(bytes, directory + 15, 0, 1);
    }
  }
  if (image.cut_at < bytes.size()) bytes.resize(image.cut_at);
  return bytes;
}

int64_t build_time_of_bytes(const std::string& bytes) {
  MemoryReader reader(bytes);
  return build_time_of(reader);
}

struct ImageCase {
  const char* name;
  Image image;
  int64_t expected;
};

Image placeholder() {
  Image image;
  image.time_stamp = kPlaceholderTimeStamp;
  return image;
}

// `count` sections after the directory, with the one covering it at `match`.
std::vector<Section> many_sections(size_t count, size_t match) {
  std::vector<Section> sections;
  for (size_t i = 0; i < count; ++i) {
    sections.push_back({uint32_t(0x10000 + i * 0x1000), 0x1000, 0x400});
  }
  sections[match] = {0x3000, 0x400, 0x4000};
  return sections;
}

template <class Change>
Image with(Image image, Change change) {
  change(image);
  return image;
}

std::vector<ImageCase> image_cases() {
  const int64_t kept = kPlaceholderTimeStamp;
  return {
      {"plain link time", Image{}, kLinkTime},
      {"zero link time", with(Image{}, [](Image& i) { i.time_stamp = 0; }), 0},
      {"highest link time", with(Image{}, [](Image& i) { i.time_stamp = 0xFFFFFFFF; }), 0xFFFFFFFF},
      {"PE header at the start without MZ", with(Image{}, [](Image& i) { i.mz = false, i.header_offset = 0; }),
       kLinkTime},
      {"no MZ: the header offset is not used", with(Image{}, [](Image& i) { i.mz = false; }), 0},
      {"shorter than the DOS header", with(Image{}, [](Image& i) { i.cut_at = 63; }), 0},
      {"shorter than the PE headers", with(Image{}, [](Image& i) { i.cut_at = 0x80 + 247; }), 0},
      {"header offset beyond the file", with(Image{}, [](Image& i) { i.header_offset = 0xFFFFFF00; }), 0},
      {"NE signature", with(Image{}, [](Image& i) { i.signature[0] = 'N'; }), 0},
      {"PE signature without its zero bytes", with(Image{}, [](Image& i) { i.signature[3] = 'X'; }), 0},
      {"placeholder: resource directory time", placeholder(), kResourceTime},
      {"placeholder: first matching section wins",
       with(placeholder(),
            [](Image& i) {
              i.sections = {{0x2000, 0x2000, 0x400, kMidnightDosStamp}, {0x3000, 0x400, 0x2000}};
            }),
       kMidnightTime},
      {"placeholder: matching section after many others",
       with(placeholder(), [](Image& i) { i.sections = many_sections(200, 150); }), kResourceTime},
      {"placeholder: table cut after the matching section",
       with(placeholder(),
            [](Image& i) {
              i.sections = many_sections(200, 0);
              i.sections[0].raw_offset = 0x40;  // the directory lies before the table
              i.cut_at = 0x80 + 248 + 150 * 40;
            }),
       kept},
      {"placeholder: section ends exactly at the directory's end",
       with(placeholder(),
            [](Image& i) {
              i.sections = {{0x3000, 0x200, 0x400}};
            }),
       kResourceTime},
      {"placeholder: section one byte too short",
       with(placeholder(),
            [](Image& i) {
              i.sections = {{0x3000, 0x1FF, 0x400}};
            }),
       kept},
      {"placeholder: section starts after the directory",
       with(placeholder(),
            [](Image& i) {
              i.sections = {{0x3001, 0x1000, 0x400}};
            }),
       kept},
      {"placeholder: no sections", with(placeholder(), [](Image& i) { i.sections.clear(); }), kept},
      {"placeholder: no wrap-around at 4 GiB",
       with(placeholder(),
            [](Image& i) {
              i.resource_address = 0xFFFFF000, i.resource_size = 0x100;
              i.sections = {{0xFFFF0000, 0x20000, 0x400}};
            }),
       kResourceTime},
      {"placeholder: optional header too small", with(placeholder(), [](Image& i) { i.optional_size = 223; }), kept},
      {"placeholder: 64-bit optional header", with(placeholder(), [](Image& i) { i.magic = 0x20B; }), kept},
      {"placeholder: bigger optional header", with(placeholder(), [](Image& i) { i.optional_size = 240; }),
       kResourceTime},
      {"placeholder: invalid MS-DOS date",
       with(placeholder(), [](Image& i) { i.sections[1].resource_stamp = 0x00000000; }), kept},
      {"placeholder: section table cut short", with(placeholder(), [](Image& i) { i.cut_at = 0x80 + 248 + 79; }), kept},
      {"placeholder: more sections declared than present",
       with(placeholder(),
            [](Image& i) {
              i.declared_sections = 0xFFFF;
              i.cut_at = 0x3000;
            }),
       kept},
      {"placeholder: resource directory beyond the file",
       with(placeholder(),
            [](Image& i) {
              i.sections = {{0x3000, 0x400, 0xFFFFFFF0}};
            }),
       kept},
      {"placeholder: resource directory cut short", with(placeholder(), [](Image& i) { i.cut_at = 0x2000 + 15; }),
       kept},
  };
}

TEST(BuildTime, CraftedImages) {
  for (const ImageCase& c : image_cases()) {
    EXPECT_EQ(build_time_of_bytes(build(c.image)), c.expected) << c.name;
  }
}

// Lets the first `good_reads` reads through, then fails every read.
class FailingReader : public ByteReader {
 public:
  FailingReader(std::string bytes, int good_reads) : bytes_(std::move(bytes)), left_(good_reads) {}
  std::optional<size_t> read_at(uint64_t offset, void* out, size_t size) override {
    if (left_-- <= 0) return std::nullopt;
    return MemoryReader(bytes_).read_at(offset, out, size);
  }

 private:
  std::string bytes_;
  int left_;
};

TEST(BuildTime, FailedReadsAfterTheLinkTimeKeepIt) {
  const std::string bytes = build(placeholder());
  struct Case {
    int good_reads;
    int64_t expected;
  };
  // Reads: DOS header, PE headers, section table, resource directory.
  for (Case c : {Case{0, 0}, Case{1, 0}, Case{2, kPlaceholderTimeStamp}, Case{3, kPlaceholderTimeStamp},
                 Case{4, kResourceTime}}) {
    FailingReader reader(bytes, c.good_reads);
    EXPECT_EQ(build_time_of(reader), c.expected) << c.good_reads << " good reads";
  }
}

TEST(BuildTime, ReadsFiles) {
  test::TempFolder dir;
  ASSERT_TRUE(files::write_file(dir / "a.exe", build(Image{})));
  ASSERT_TRUE(files::write_file(dir / "b.exe", build(placeholder())));
  EXPECT_EQ(get_build_time(dir / "a.exe"), kLinkTime);
  EXPECT_EQ(get_build_time(dir / "b.exe"), kResourceTime);
  EXPECT_EQ(get_build_time(dir / "missing.exe"), 0);
  EXPECT_EQ(get_build_time(dir.path()), 0);
}

}  // namespace
}  // namespace orvx
