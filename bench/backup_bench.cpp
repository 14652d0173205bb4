// Packs and unpacks a 20 MB folder of mixed files (text, profiles,
// incompressible data) with TJvZlibMultiple, and has python3's zlib module do
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
#include <sstream>
#include <string>

#include "backup/zlib_multiple.h"
#include "platform/files.h"
#include "side_by_side.h"

namespace {

using orvx::TJvZlibMultiple;
namespace files = orvx::files;
using bench::remove_tree;
using bench::time_of;
using bench::Timing;

constexpr int kRounds = 5;
constexpr int kLevel = -1;

const char kPythonPeer[] = R"PY(
import os, struct, sys, time, zlib
mode, source, container, target, level = sys.argv[1:6]
level = int(level)
CHUNK = 1024

def pack():
    image = bytearray()
    for name in os.listdir(source):
        path = os.path.join(source, name)
        if not os.path.isfile(path):
            continue
        stream = zlib.compressobj(level, zlib.DEFLATED, 15, 8, zlib.Z_DEFAULT_STRATEGY)
        parts, size = [], 0
        with open(path, "rb") as f:
            while True:
                chunk = f.read(CHUNK)
                size += len(chunk)
                parts.append(stream.compress(chunk))
                if not chunk:
                    break
        data = b"".join(parts) + stream.flush() if size else b""
        raw = os.fsencode(name)
        image += bytes([0, len(raw)]) + raw + struct.pack("<II", size, len(data)) + data
    temp = container + ".tmp"
    with open(temp, "wb") as f:
        f.write(image)
        f.flush()
        os.fsync(f.fileno())
    os.replace(temp, container)

def unpack():
    with open(container, "rb") as f:
        while True:
            length = f.read(1)
            if not length:
                break
            folder = f.read(length[0])
            name = f.read(f.read(1)[0])
            size, csize = struct.unpack("<II", f.read(8))
            data = f.read(csize)
            path = os.path.join(target, os.fsdecode(name))
            temp = os.path.join(target, ".peer-tmp")
            with open(temp, "wb") as out:
                if data:
                    stream = zlib.decompressobj(15)
                    pending = data
                    while True:
                        chunk = stream.decompress(pending, CHUNK)
                        pending = stream.unconsumed_tail
                        out.write(chunk)
                        if not chunk:
                            break
            os.replace(temp, path)

if mode == "unpack":
    for name in os.listdir(target):
        os.remove(os.path.join(target, name))
start, start_cpu = time.perf_counter(), time.process_time()
pack() if mode == "pack" else unpack()
print(time.perf_counter() - start, time.process_time() - start_cpu)
)PY";

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
    static const char* const kWords[] = {"Symbol ", "Desktop ", "Papierkorb ", "Arbeitsplatz ",
                                         "Verknüpfung ", "Profil ", "Einstellungen ", "und ",
                                         "der ", "die ", "das ", "\r\n"};
    std::string out;
    while (out.size() < size) out += kWords[next() % 12];
    out.resize(size);
    return out;
  }
  std::string profile(int icons) {
    std::string out;
    for (int i = 0; i < icons; ++i) {
      out += "[Verknüpfung " + std::to_string(next() % 100000) + "]\r\nX=" +
             std::to_string(next() % 1920) + "\r\nY=" + std::to_string(next() % 1080) + "\r\n";
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

Timing python_timing(const std::string& script, const std::string& mode, const std::string& source,
                     const std::string& container, const std::string& target) {
  std::ostringstream command;
  command << "python3 '" << script << "' " << mode << " '" << source << "' '" << container << "' '"
          << target << "' " << kLevel;
  return bench::python_timing(command.str());
}

}  // namespace

int main() {
  const std::string work = files::temp_folder() + "orvx-backup-bench-" + std::to_string(getpid()) + "/";
  files::create_folder(work);
  const std::string source = work + "data/";
  const Mix mix = make_folder(source);
  const std::string script = work + "peer.py";
  files::write_file(script, kPythonPeer);

  // Rounds alternate between the two, so that a busy moment on a shared
  // machine does not favour one side.
  Timing pack_ours, unpack_ours, pack_python, unpack_python;
  files::create_folder(work + "out-python");
  for (int round = 0; round < kRounds; ++round) {
    TJvZlibMultiple zip;
    zip.CompressionLevel = kLevel;
    pack_ours.keep_best(time_of([&] { zip.PackFolder(source, false, work + "ours.qbk"); }));
    pack_python.keep_best(python_timing(script, "pack", source, work + "python.qbk", ""));

    remove_tree(work + "out-ours");
    unpack_ours.keep_best(
        time_of([&] { zip.UnpackFile(work + "ours.qbk", work + "out-ours", true, true); }));
    unpack_python.keep_best(
        python_timing(script, "unpack", "", work + "ours.qbk", work + "out-python"));
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
  std::printf("backup container: %.1f MB in %d files (text %.1f MB, profiles %.1f MB, "
              "incompressible %.1f MB), level %d\n",
              total / 1e6, mix.files, mix.text / 1e6, mix.profiles / 1e6, mix.noise / 1e6, kLevel);
  std::printf("container %.1f MB; python3 packed the same bytes: %s; both unpacked every file "
              "intact: %s\n",
              packed / 1e6, same_container ? "yes" : "NO", same_files ? "yes" : "NO");
  std::printf("%-8s %-6s %10s %14s %8s\n", "", "time", "ours", "python3 zlib", "ratio");
  auto row = [](const char* what, const char* kind, double ours, double python) {
    std::printf("%-8s %-6s %8.3f s %12.3f s %8.2f\n", what, kind, ours, python, ours / python);
  };
  row("pack", "wall", pack_ours.wall, pack_python.wall);
  row("pack", "cpu", pack_ours.cpu, pack_python.cpu);
  row("unpack", "wall", unpack_ours.wall, unpack_python.wall);
  row("unpack", "cpu", unpack_ours.cpu, unpack_python.cpu);
  std::printf("(ratio = ours / python3, aim at most 1.2; python3 timed inside the interpreter, "
              "without its start-up; best of %d alternating rounds)\n",
              kRounds);
  remove_tree(work);
  return pack_python.wall < 1e9 && unpack_python.wall < 1e9 && same_container && same_files ? 0 : 1;
}
