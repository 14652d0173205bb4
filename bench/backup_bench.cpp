// Packs and unpacks a 20 MB folder of mixed files (text, profiles,
// incompressible data) with BackupContainer, and has python3's zlib module do
// the same work in the same run: the same files read in 1024-byte pieces, one
// zlib stream per file at the same level, window bits and memory level, the
// container built in memory and written through a temporary file; unpacking
// inflates 1024 bytes at a time into a temporary file per record that then
// replaces the target. Python's time is measured inside python, so its
// interpreter start-up is not counted. Rounds alternate between the two;
// prints the best round of each, wall-clock and processor time (the latter
// is steadier on a busy machine), and the ratios ours / python3 (the aim is
// at most 1.2 each way).
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "backup/backup_container.h"
#include "platform/files.h"
#include "side_by_side.h"

namespace {

using orvx::BackupContainer;
namespace files = orvx::files;
using bench::remove_tree;
using bench::time_of;
using bench::Timing;

constexpr int kRounds = 5;
constexpr int kLevel = -1;

// Pseudo-random but repeatable content of the three kinds.
struct Generator {
  uint64_t state = 0x2545F4914F6CDD1Dull;
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<uint32_t>(state >> 16);
  }
  std::string text(size_t size) {
    static const char* const kWords[] = {"Symbol ",      "Desktop ", "Papierkorb ",    "Arbeitsplatz ",
                                         "Verknüpfung ", "Profil ",  "Einstellungen ", "und ",
                                         "der ",         "die ",     "das ",           "\r\n"};
    std::string out;
    while (out.size() < size) out += kWords[next() % 12];
    out.resize(size);
    return out;
  }
  std::string profile(int icons) {
    std::string out;
    for (int i = 0; i < icons; ++i) {
      out += "[Verknüpfung " + std::to_string(next() % 100000) + "]\r\nX=" + std::to_string(next() % 1920) +
             "\r\nY=" + std::to_string(next() % 1080) + "\r\n";
    }
    out += "[ORV Info]\r\nCount=" + std::to_string(icons) + "\r\nScreen=1920x1080\r\nMonitors=1\r\n";
    return out;
  }
  std::string noise(size_t size) {
    std::string out(size, '\0');
    for (char& c : out) c = static_cast<char>(next());
    return out;
  }
};

struct Mix {
  uint64_t text = 0, profiles = 0, noise = 0;
  int files = 0;
};

Mix make_folder(const std::string& folder) {
  files::create_folder(folder);
  Generator g;
  Mix mix;
  auto put = [&](const std::string& name, const std::string& content, uint64_t& kind) {
    files::write_file(folder + name, content);
    kind += content.size();
    ++mix.files;
  };
  for (int i = 0; i < 60; ++i) put("text" + std::to_string(i) + ".txt", g.text(100000), mix.text);
  while (mix.profiles < 6000000) {
    put("ORV - " + std::to_string(mix.files) + ".qpf", g.profile(400 + g.next() % 800), mix.profiles);
  }
  for (int i = 0; i < 8; ++i) put("noise" + std::to_string(i) + ".bin", g.noise(1000000), mix.noise);
  put("config.qcf", "[Settings]\r\nstd_profil=Arbeit\r\n", mix.text);
  put("empty.qpf", "", mix.text);
  return mix;
}

// Runs python3's side (bench/zlib_peer.py) with the given arguments.
Timing python_timing(const std::string& arguments) {
  return bench::python_timing("python3 '" ORVX_BENCH_DIR "/zlib_peer.py' " + arguments);
}

}  // namespace

int main() {
  const std::string work = files::temp_folder() + "orvx-backup-bench-" + std::to_string(getpid()) + "/";
  files::create_folder(work);
  const std::string source = work + "data/";
  const Mix mix = make_folder(source);

  // Rounds alternate between the two, so that a busy moment on a shared
  // machine does not favour one side.
  Timing pack_ours, unpack_ours, pack_python, unpack_python;
  files::create_folder(work + "out-python");
  for (int round = 0; round < kRounds; ++round) {
    BackupContainer zip;
    zip.compression_level = kLevel;
    pack_ours.keep_best(time_of([&] { zip.pack_folder(source, false, work + "ours.qbk"); }));
    pack_python.keep_best(python_timing("pack '" + source + "' '" + work + "python.qbk' " + std::to_string(kLevel)));

    remove_tree(work + "out-ours");
    unpack_ours.keep_best(time_of([&] { zip.unpack_file(work + "ours.qbk", work + "out-ours", true, true); }));
    unpack_python.keep_best(python_timing("unpack '" + work + "ours.qbk' '" + work + "out-python'"));
  }
  bool same_container = files::read_file(work + "ours.qbk") == files::read_file(work + "python.qbk");
  bool same_files = true;
  for (const auto& entry : files::list_folder(source, "*")) {
    if (entry.attributes & files::kDirectory) continue;
    auto original = files::read_file(source + entry.name);
    same_files = same_files && original == files::read_file(work + "out-ours/" + entry.name) &&
                 original == files::read_file(work + "out-python/" + entry.name);
  }
  uint64_t total = mix.text + mix.profiles + mix.noise;
  uint64_t packed = files::file_size(work + "ours.qbk").value_or(0);
  std::printf(
      "backup container: %.1f MB in %d files (text %.1f MB, profiles %.1f MB, "
      "incompressible %.1f MB), level %d\n",
      total / 1e6, mix.files, mix.text / 1e6, mix.profiles / 1e6, mix.noise / 1e6, kLevel);
  std::printf(
      "container %.1f MB; python3 packed the same bytes: %s; both unpacked every file "
      "intact: %s\n",
      packed / 1e6, same_container ? "yes" : "NO", same_files ? "yes" : "NO");
  bench::print_ratios({{"pack", pack_ours, pack_python}, {"unpack", unpack_ours, unpack_python}}, kRounds);
  remove_tree(work);
  return pack_python.wall < 1e9 && unpack_python.wall < 1e9 && same_container && same_files ? 0 : 1;
}
