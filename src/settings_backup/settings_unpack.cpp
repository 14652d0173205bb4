#include "settings_backup/settings_unpack.h"

#include <cctype>
#include <map>
#include <optional>
#include <vector>

#include "backup/container_error.h"
#include "backup/container_format.h"
#include "backup/container_reader.h"
#include "backup/record_path.h"
#include "backup/zlib_codec.h"
#include "platform/file_streams.h"
#include "platform/files.h"
#include "platform/replacing_temp.h"

namespace orvx::settings_backup {

using backup::ContainerError;

namespace {

[[noreturn]] void fail_with_system_error(const std::string& what) {
  throw ContainerError(what + ": " + files::describe_last_error());
}

// Windows file names ignore case: "Config.qcf" and "config.qcf" are one file.
std::string key_of(const std::string& name) {
  std::string key = name;
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

void check_record(const backup::RecordHeader& header, const std::string& target) {
  if (!header.folder_part.empty()) {
    throw ContainerError("the backup holds " + header.folder_part + header.name +
                         ", a file in a folder; a backup of the settings holds only the files of "
                         "the data folder itself");
  }
  backup::check_file_name(header.name);
  if (files::is_replacing_temp_name(header.name)) {
    throw ContainerError("the backup holds " + header.name +
                         ", a leftover of an interrupted write, which no backup holds");
  }
  if (header.size > backup::kMaxFileSize) {
    throw ContainerError("the record of " + header.name + " announces a size of 2 GiB or more, which no backup holds");
  }
  if (files::folder_exists(target)) {
    throw ContainerError("cannot replace the folder " + target + " with a file of the backup");
  }
  std::optional<uint32_t> attributes = files::attributes_of(target);
  if (attributes && (*attributes & files::kReadOnly)) {
    throw ContainerError("cannot replace the read-only file " + target);
  }
}

// Inflates the record's data into `staged`, complete or not at all.
void inflate_into(const std::string& data, const backup::RecordHeader& header, const std::string& target,
                  const std::string& staged, BackupStatus& status) {
  status.file(target);
  std::optional<files::ReplacingFileWriter> out = files::ReplacingFileWriter::create(staged);
  if (!out) fail_with_system_error("cannot create a file beside " + target);
  // A record without data is an empty file.
  std::optional<backup::Inflater> inflater;
  if (!data.empty()) inflater.emplace(data, target);
  uint64_t written = 0;
  char chunk[backup::kChunkSize];
  for (;;) {
    size_t got = inflater ? inflater->read(chunk, sizeof chunk) : 0;
    written += got;
    if (written > backup::kMaxFileSize) {
      throw ContainerError(target + ": the record decompresses to 2 GiB or more, which no backup holds");
    }
    if (!out->write({chunk, got})) fail_with_system_error("cannot write beside " + target);
    status.progress(static_cast<int32_t>(written), static_cast<int32_t>(header.size));
    if (got == 0) break;
  }
  if (!out->commit()) fail_with_system_error("cannot write beside " + target);
}

// The files of one import, staged beside their targets. Whatever is not
// committed is undone when it goes out of scope: replaced files get their
// old content back, and every temporary file is deleted.
class Staging {
 public:
  explicit Staging(std::string folder) : folder_(std::move(folder)) {}
  Staging(const Staging&) = delete;
  Staging& operator=(const Staging&) = delete;
  ~Staging() {
    if (!committed_) undo();
    for (const File& f : files_) {
      if (files::file_exists(f.staged)) files::delete_file(f.staged);
      if (!f.kept.empty() && files::file_exists(f.kept)) files::delete_file(f.kept);
    }
  }

  // The staging file for `target`; a second record of the same name gets the
  // same one and replaces what the first put there.
  const std::string& staged_for(const std::string& target) {
    auto [it, added] = index_.try_emplace(key_of(files::name_of(target)), files_.size());
    if (added) {
      const std::string n = std::to_string(files_.size());
      files_.push_back({target, files::replacing_temp_name(folder_, "import-" + n),
                        files::replacing_temp_name(folder_, "keep-" + n), false});
    }
    return files_[it->second].staged;
  }

  // Keeps a copy of every file to be replaced, then replaces them one by one.
  void commit() {
    for (File& f : files_) {
      if (!files::file_exists(f.target)) {
        f.kept.clear();
        continue;
      }
      std::optional<std::string> old = files::read_file(f.target);
      if (!old) fail_with_system_error("cannot read " + f.target);
      if (!files::write_file(f.kept, *old)) fail_with_system_error("cannot copy " + f.target);
    }
    for (File& f : files_) {
      if (!files::replace_file(f.staged, f.target)) fail_with_system_error("cannot replace " + f.target);
      f.replaced = true;
    }
    committed_ = true;
  }

 private:
  struct File {
    std::string target;
    std::string staged;  // the backup's content, complete
    std::string kept;    // a copy of the file it replaces; empty when there was none
    bool replaced;
  };

  void undo() noexcept {
    for (auto f = files_.rbegin(); f != files_.rend(); ++f) {
      if (!f->replaced) continue;
      if (f->kept.empty())
        files::delete_file(f->target);
      else
        files::replace_file(f->kept, f->target);
    }
  }

  std::string folder_;
  std::vector<File> files_;
  std::map<std::string, size_t> index_;
  bool committed_ = false;
};

}  // namespace

void unpack_settings(const std::string& backup_file, const std::string& data_folder, BackupStatus& status) {
  if (!files::folder_exists(data_folder)) {
    throw ContainerError("the data folder " + data_folder + " does not exist");
  }
  const std::string folder = files::with_separator(data_folder);
  Staging staging(folder);
  {
    // Closed before the files are replaced: the backup itself may lie in
    // the data folder.
    backup::ContainerReader container(backup_file);
    while (std::optional<backup::RecordHeader> header = container.next_header()) {
      const std::string target = folder + header->name;
      check_record(*header, target);
      const std::string data = container.read_data(*header);
      inflate_into(data, *header, target, staging.staged_for(target), status);
    }
  }
  staging.commit();
}

}  // namespace orvx::settings_backup
