#include "backup/backup_container.h"

#include <optional>

#include "backup/container_error.h"
#include "backup/container_format.h"
#include "backup/container_reader.h"
#include "backup/record_path.h"
#include "backup/zlib_codec.h"
#include "platform/file_streams.h"
#include "platform/files.h"

namespace orvx {

using backup::ContainerError;
using backup::kChunkSize;
using backup::kMaxFileSize;
using backup::kMaxPartLength;

namespace {

[[noreturn]] void fail_with_system_error(const std::string& what) {
  throw ContainerError(what + ": " + files::describe_last_error());
}

}  // namespace

void BackupContainer::pack_folder(const std::string& folder, bool recursive, const std::string& target_file) {
  // Deleted first, so that the target is never packed into itself and does
  // not exist afterwards when packing fails.
  if (files::file_exists(target_file)) files::delete_file(target_file);
  // A missing folder would otherwise give an empty container that looks
  // like a backup of nothing.
  if (!folder.empty() && !files::folder_exists(folder)) {
    throw ContainerError("the folder " + folder + " to be packed does not exist");
  }

  // The whole container is built in memory: it holds a few small settings
  // and profile files.
  std::string image;
  pack_folder_level(files::with_separator(folder), "", recursive, image);
  // Written complete or not at all.
  if (!files::write_file_replacing(target_file, image)) {
    fail_with_system_error("cannot write the container " + target_file);
  }
}

void BackupContainer::pack_folder_level(const std::string& folder, const std::string& stored_folder, bool recursive,
                                        std::string& image) {
  // In the order the file system lists the entries; a subfolder is packed
  // at once, before the entries after it.
  for (const files::FolderEntry& entry : files::list_folder(folder, "*")) {
    if (entry.name == "." || entry.name == "..") continue;
    if (entry.attributes & files::kDirectory) {
      if (recursive) {
        pack_folder_level(folder + entry.name + files::kSeparator,
                          stored_folder + entry.name + backup::kStoredSeparator, true, image);
      }
      continue;
    }
    if (excluded && excluded(entry.name)) continue;
    pack_file(folder + entry.name, stored_folder, entry.name, entry.size, image);
  }
}

void BackupContainer::pack_file(const std::string& path, const std::string& stored_folder, const std::string& name,
                                uint64_t listed_size, std::string& image) {
  const std::string folder_part = store_paths ? stored_folder : std::string();
  if (name.size() > kMaxPartLength) {
    throw ContainerError("cannot pack " + path + ": a backup holds names of at most 255 bytes");
  }
  if (folder_part.size() > kMaxPartLength) {
    throw ContainerError("cannot pack " + path + ": a backup holds relative folder paths of at most 255 bytes");
  }
  const std::string too_large = "cannot pack " + path + ": a backup holds files below 2 GiB only";
  if (listed_size > kMaxFileSize) throw ContainerError(too_large);

  std::optional<files::FileReader> file =
      files::FileReader::open(path, ignore_exclusive ? files::Sharing::kDenyNone : files::Sharing::kDenyWrite);
  if (!file) fail_with_system_error("cannot open " + path);
  if (file->size() > kMaxFileSize) throw ContainerError(too_large);
  const auto total = static_cast<int32_t>(file->size());

  if (on_compressing_file) on_compressing_file(*this, path);

  backup::Deflater deflater(compression_level, path);
  std::string compressed;
  uint64_t done = 0;
  char chunk[kChunkSize];
  for (;;) {
    std::optional<size_t> got = file->read(chunk, sizeof chunk);
    if (!got) fail_with_system_error("cannot read " + path);
    // The record holds what was read, even if the file grew meanwhile.
    done += *got;
    if (done > kMaxFileSize) throw ContainerError(too_large);
    deflater.add({chunk, *got}, compressed);
    if (on_progress) on_progress(*this, static_cast<int32_t>(done), total);
    if (*got == 0) break;
  }
  // An empty file has no zlib data at all, not even a header.
  if (done > 0)
    deflater.finish(compressed);
  else
    compressed.clear();

  if (on_compressed_file) on_compressed_file(*this, path);
  backup::append_record(image, folder_part, name, static_cast<uint32_t>(done), compressed);
}

void BackupContainer::unpack_file(const std::string& container_file, const std::string& target_folder, bool overwrite,
                                  bool keep_folders) {
  backup::ContainerReader container(container_file);
  const std::string target = files::with_separator(target_folder);
  while (std::optional<backup::RecordHeader> header = container.next_header()) {
    unpack_record(container, *header, target, overwrite, keep_folders);
  }
  if (on_completed_action) on_completed_action(*this);
}

void BackupContainer::unpack_record(backup::ContainerReader& container, const backup::RecordHeader& header,
                                    const std::string& target, bool overwrite, bool keep_folders) {
  // Checked before anything of the record reaches the disk.
  const std::string local_folder = backup::local_folder_part(header.folder_part);
  backup::check_file_name(header.name);
  if (header.size > kMaxFileSize) {
    throw ContainerError("the record of " + header.name + " announces a size of 2 GiB or more, which no backup holds");
  }
  const std::string data = container.read_data(header);

  // The record's folder is created even when its files go straight into the
  // target folder.
  files::create_folders(target + local_folder);
  const std::string folder = keep_folders ? target + local_folder : target;
  if (!folder.empty() && !files::folder_exists(folder)) {
    throw ContainerError("cannot create the folder " + folder);
  }
  const std::string path = folder + header.name;
  if (!overwrite && files::file_exists(path)) return;  // its data is consumed all the same

  bool write_file = true;
  if (on_decompressing_file) on_decompressing_file(*this, path, write_file);

  std::optional<files::ReplacingFileWriter> out;
  if (write_file) {
    std::optional<uint32_t> attributes = files::attributes_of(path);
    if (files::file_exists(path) && attributes && (*attributes & files::kReadOnly)) {
      throw ContainerError("cannot replace the read-only file " + path);
    }
    out = files::ReplacingFileWriter::create(path);
    if (!out) fail_with_system_error("cannot create " + path);
  }

  // A record without data is an empty file.
  std::optional<backup::Inflater> inflater;
  if (!data.empty()) inflater.emplace(data, path);
  uint64_t written = 0;
  char chunk[kChunkSize];
  for (;;) {
    size_t got = inflater ? inflater->read(chunk, sizeof chunk) : 0;
    written += got;
    if (written > kMaxFileSize) {
      throw ContainerError(path + ": the record decompresses to 2 GiB or more, which no backup holds");
    }
    if (out) {
      if (!out->write({chunk, got})) fail_with_system_error("cannot write " + path);
      if (on_progress) {
        on_progress(*this, static_cast<int32_t>(written), static_cast<int32_t>(header.size));
      }
    }
    if (got == 0) break;
  }
  // Only a completely unpacked record replaces the file.
  if (out && !out->commit()) fail_with_system_error("cannot write " + path);
  if (on_decompressed_file) on_decompressed_file(*this, path, static_cast<uint32_t>(written));
}

}  // namespace orvx
