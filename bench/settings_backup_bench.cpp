// The settings export and import over a data folder of 500 profiles of 1000
// icons each and config.qcf, against python3 doing the same work in the same
// run at the same zlib level: the export packs the folder's files (not its
// subfolders, leaving out leftovers of interrupted writes) in 1024-byte
// pieces into a temporary file beside the backup and moves it into place; the
// import reads and inflates every record into a file beside its target
// first, keeps a copy of every file it replaces, then replaces them one by
// one. Python times itself, without its start-up. Rounds alternate; prints
// the best round of each side, wall-clock and processor time, and the ratios
// ours / python3 (the aim is at most 1.2 each way).
#include <unistd.h>

#include <cstdio>
#include <string>

#include "lang/translator.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "settings_backup/settings_export.h"
#include "settings_backup/settings_import.h"
#include "side_by_side.h"

namespace {

namespace files = orvx::files;
namespace sb = orvx::settings_backup;
using bench::Timing;

constexpr int kRounds = 5;
constexpr int kProfiles = 500;
constexpr int kIcons = 1000;

class Quiet final : public orvx::Prompts {
 public:
  std::string last;
  void show_message(const std::string& text) override { last = text; }
  bool confirm_information(const std::string&) override { return true; }
  void show_error(const std::string& text) override { last = text; }
  bool ask_yes_no(const std::string&) override { return false; }
  std::optional<std::string> ask_text(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

class NoStrip final : public sb::BackupStatus {
 public:
  void started() override {}
  void file(const std::string&) override {}
  void progress(int32_t, int32_t) override {}
  void work_ended(bool) override {}
  void closed() override {}
};

// A profile as the program writes it: a section per icon with its place.
std::string profile(int number) {
  std::string out;
  uint32_t x = 2166136261u ^ static_cast<uint32_t>(number);
  for (int i = 0; i < kIcons; ++i) {
    x = x * 1103515245u + 12345u;
    out += "[Verknüpfung " + std::to_string(i) + " - Profil " + std::to_string(number) +
           "]\r\nX=" + std::to_string((x >> 8) % 1920) + "\r\nY=" + std::to_string((x >> 20) % 1080) + "\r\n";
  }
  out += "[ORV Info]\r\nCount=" + std::to_string(kIcons) + "\r\nScreen=1920x1080\r\nMonitors=1\r\n";
  return out;
}

bool same_files(const std::string& a, const std::string& b) {
  for (const auto& entry : files::list_folder(a, "*")) {
    if (entry.attributes & files::kDirectory) continue;
    if (files::read_file(a + entry.name) != files::read_file(b + entry.name)) return false;
  }
  return files::list_folder(a, "*").size() == files::list_folder(b, "*").size();
}

}  // namespace

int main() {
  const std::string work = files::temp_folder() + "orvx-settings-bench-" + std::to_string(getpid()) + "/";
  const std::string data = work + "data/", ours = work + "ours/", theirs = work + "python/";
  for (const std::string& f : {work, data, ours, theirs}) files::create_folder(f);
  uint64_t total = 0;
  for (int i = 0; i < kProfiles; ++i) {
    const std::string content = profile(i);
    files::write_file(data + "ORV - Profil " + std::to_string(i) + ".qpf", content);
    total += content.size();
  }
  files::write_file(data + "config.qcf", "[Settings]\r\nstd_profil=Profil 0\r\n");
  // python3's side is bench/zlib_peer.py.
  auto python = [&](const char* mode, const std::string& folder, const std::string& backup) {
    return bench::python_timing("python3 '" ORVX_BENCH_DIR "/zlib_peer.py' " + std::string(mode) + " '" + folder +
                                "' '" + backup + "'");
  };

  orvx::WindowRegistry windows;
  orvx::lang::Translator lang(windows);
  Quiet prompts;
  NoStrip strip;
  const files::LocalTime moment{2024, 12, 9, 14, 5, 33};
  Timing export_ours, export_python, import_ours, import_python;
  bool all_fine = true;
  std::string our_backup;
  for (int round = 0; round < kRounds; ++round) {
    export_ours.keep_best(bench::time_of([&] {
      sb::ExportResult r = sb::export_settings(data, work, moment, strip, prompts, lang);
      all_fine = all_fine && r.created;
      our_backup = r.path;
    }));
    export_python.keep_best(python("export", data, work + "python.qbk"));

    // Both import our backup over a full copy of the data folder, as a user
    // restores over the same profiles.
    for (const std::string& target : {ours, theirs}) {
      for (const auto& entry : files::list_folder(data, "*")) {
        if (!(entry.attributes & files::kDirectory)) {
          files::write_file(target + entry.name, "changed since");
        }
      }
    }
    import_ours.keep_best(bench::time_of(
        [&] { all_fine = sb::import_settings(our_backup, ours, strip, prompts, lang).reread_settings && all_fine; }));
    import_python.keep_best(python("import", theirs, our_backup));
  }
  const bool same_backup = files::read_file(our_backup) == files::read_file(work + "python.qbk");
  const bool restored = same_files(data, ours) && same_files(data, theirs);
  std::printf("settings backup: %d profiles of %d icons, %.1f MB, zlib level -1\n", kProfiles, kIcons, total / 1e6);
  std::printf(
      "backup %.1f MB; python3 packed the same bytes: %s; both imports restored every "
      "file: %s\n",
      files::file_size(our_backup).value_or(0) / 1e6, same_backup ? "yes" : "NO", restored ? "yes" : "NO");
  bench::print_ratios({{"export", export_ours, export_python}, {"import", import_ours, import_python}}, kRounds);
  bench::remove_tree(work);
  return all_fine && same_backup && restored && export_python.wall < 1e9 && import_python.wall < 1e9 ? 0 : 1;
}
