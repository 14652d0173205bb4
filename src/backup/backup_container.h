#pragma once
// BackupContainer packs every file of a folder into one container file, each
// file compressed on its own as a zlib stream, and unpacks such containers
// (the layout is described in container_format.h). An instance serves one
// operation; everything runs on the calling thread, the events included.
// Failures throw backup::ContainerError; an exception thrown by an event
// handler ends the operation and reaches the caller unchanged.
#include <cstdint>
#include <functional>
#include <string>

namespace orvx {

namespace backup {
class ContainerReader;
struct RecordHeader;
}  // namespace backup

class BackupContainer;

// FileName is the full path of the file concerned.
using FileHandler = std::function<void(BackupContainer& sender, const std::string& file_name)>;
// Position and Total count the bytes of the current file; Position starts
// again at 0 with every file.
using ContainerProgressHandler = std::function<void(BackupContainer& sender, int32_t position, int32_t total)>;
// WriteFile is true on entry; a handler that sets it to false has the record
// decompressed but no file written.
using BeforeWriteHandler = std::function<void(BackupContainer& sender, const std::string& file_name, bool& write_file)>;
// FileSize is the number of bytes decompressed.
using AfterWriteHandler =
    std::function<void(BackupContainer& sender, const std::string& file_name, uint32_t file_size)>;
using ContainerNotifyHandler = std::function<void(BackupContainer& sender)>;
// Name is a file's own name, without its folder.
using FileNameFilter = std::function<bool(const std::string& name)>;

class BackupContainer {
 public:
  // true: records carry the file's folder relative to the packed folder;
  // false: every record's folder part is empty.
  bool store_paths = true;
  // false: a source file is read while others are denied writing to it;
  // true: it is opened without denying anything.
  bool ignore_exclusive = false;
  // zlib level 0 to 9; -1 is zlib's default level.
  int32_t compression_level = -1;
  // Files for which this returns true are left out when packing; without
  // it every file is packed.
  FileNameFilter excluded;

  FileHandler on_compressing_file;             // before a file is read
  FileHandler on_compressed_file;              // after its data is compressed, before its record is added
  ContainerProgressHandler on_progress;        // after every chunk read (packing) or written (unpacking)
  BeforeWriteHandler on_decompressing_file;    // before a record is unpacked
  AfterWriteHandler on_decompressed_file;      // after a record is unpacked
  ContainerNotifyHandler on_completed_action;  // after a whole container is unpacked

  // Packs every file of Folder (with its subfolders when Recursive) into the
  // new container file TargetFile. A file of 2 GiB or more, or a name or
  // folder part longer than 255 bytes, fails the operation before the
  // container is written. The container is written only when complete; an
  // existing file of that name is deleted first in any case.
  void pack_folder(const std::string& folder, bool recursive, const std::string& target_file);

  // Unpacks every record of ContainerFile into TargetFolder. Overwrite false
  // skips records whose target file exists; KeepFolders false puts every
  // file directly into TargetFolder. Records are unpacked in order; when one
  // fails, the files before it stay and a file it would have replaced is
  // left as it was.
  void unpack_file(const std::string& container_file, const std::string& target_folder, bool overwrite,
                   bool keep_folders);

 private:
  void pack_folder_level(const std::string& folder, const std::string& stored_folder, bool recursive,
                         std::string& image);
  void pack_file(const std::string& path, const std::string& stored_folder, const std::string& name,
                 uint64_t listed_size, std::string& image);
  void unpack_record(backup::ContainerReader& container, const backup::RecordHeader& header, const std::string& target,
                     bool overwrite, bool keep_folders);
};

}  // namespace orvx
