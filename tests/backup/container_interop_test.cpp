// Interoperation with an independent reader and writer of the container
// layout (container.py, python3 and its zlib module): containers we write
// are read there, containers written there are read here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/backup_container.h"
#include "container_fixture.h"
#include "container_peer.h"
#include "platform/files.h"
#include "support/paths.h"

namespace orvx {
namespace {

using test::PeerResult;
using test::run_peer;
using test::Tree;

// Names and contents that exercise the format: 8-bit names, an empty file,
// a file of exactly one chunk, text, profiles and incompressible data,
// nested folders.
const Tree& sample_tree() {
  static const Tree kTree = {
      {"config.qcf", "[Settings]\r\nstd_profil=Arbeit\r\n"},
      {"ORV - 1280x1024.qpf", test::text_of(40000, 3)},
      {"empty.qpf", ""},
      {"one-chunk.bin", test::noise_of(1024, 5)},
      {"Grüße/Ärger ß.txt", test::text_of(2047, 9)},
      {"Grüße/tief/noise.bin", test::noise_of(100000, 11)},
      {"lang/English.qlf", test::text_of(5000, 13)},
  };
  return kTree;
}

TEST(ContainerInterop, PeerReadsWhatWeWriteAtEveryLevel) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", sample_tree());
  for (int level : {-1, 0, 1, 6, 9}) {
    SCOPED_TRACE("level " + std::to_string(level));
    BackupContainer zip;
    zip.compression_level = level;
    std::string container = dir / ("ours" + std::to_string(level) + ".qbk");
    zip.pack_folder(dir / "data", true, container);
    std::string out = dir / ("peer" + std::to_string(level));
    // --level also has the peer check the streams byte for byte against
    // zlib's own output for that level, window bits 15, memory level 8.
    PeerResult r = run_peer({"unpack", container, out, "--level", std::to_string(level)});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(test::read_tree(out + files::kSeparator), test::read_tree(dir / "data/"));
  }
}

TEST(ContainerInterop, PeerSeesBackslashFolderPartsAndFlatPacking) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", {{"a.txt", "a"}, {"sub/deeper/b.txt", "b"}});
  auto listing = [&](bool recursive) {
    BackupContainer zip;
    zip.pack_folder(dir / "data", recursive, dir / "c.qbk");
    PeerResult r = run_peer({"list", dir / "c.qbk"});
    EXPECT_EQ(r.status, 0) << r.output;
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = r.output.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(r.output.substr(start, end - start));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
  };
  EXPECT_THAT(listing(true), ::testing::ElementsAre("\ta.txt\t1\t9", "sub\\deeper\\\tb.txt\t1\t9"));
  EXPECT_THAT(listing(false), ::testing::ElementsAre("\ta.txt\t1\t9"));
}

TEST(ContainerInterop, WeReadWhatThePeerWrites) {
  test::TempFolder dir;
  test::write_tree(dir / "data/", sample_tree());
  for (int level : {-1, 0, 9}) {
    SCOPED_TRACE("level " + std::to_string(level));
    std::string container = dir / ("peer" + std::to_string(level) + ".qbk");
    PeerResult r = run_peer({"pack", dir / "data", container, "--level", std::to_string(level)});
    ASSERT_EQ(r.status, 0) << r.output;
    std::string out = dir / ("ours" + std::to_string(level));
    BackupContainer zip;
    zip.unpack_file(container, out, true, true);
    EXPECT_EQ(test::read_tree(out + files::kSeparator), test::read_tree(dir / "data/"));
  }
}

TEST(ContainerInterop, PeerRefusesADamagedContainerToo) {
  // The peer is strict: a cut-off container of ours is not read there
  // either, so the checks above do mean something.
  test::TempFolder dir;
  test::write_tree(dir / "data/", {{"a.txt", test::text_of(3000)}});
  BackupContainer zip;
  zip.pack_folder(dir / "data", false, dir / "c.qbk");
  std::string bytes = files::read_file(dir / "c.qbk").value();
  ASSERT_TRUE(files::write_file(dir / "cut.qbk", bytes.substr(0, bytes.size() - 1)));
  PeerResult r = run_peer({"unpack", dir / "cut.qbk", dir / "out"});
  EXPECT_EQ(r.status, 1) << r.output;
}

}  // namespace
}  // namespace orvx
