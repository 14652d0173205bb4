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
using FileHandler = std::function<void(BackupContainer& Sender, const std::string& FileName)>;
// Position and Total count the bytes of the current file; Position starts
// again at 0 with every file.
using ContainerProgressHandler = std::function<void(BackupContainer& Sender, int32_t Position, int32_t Total)>;
// WriteFile is true on entry; a handler that sets it to false has the record
// decompressed but no file written.
using BeforeWriteHandler =
    std::function<void(BackupContainer& Sender, const std::string& FileName, bool& WriteFile)>;
// FileSize is the number of bytes decompressed.
using AfterWriteHandler =
    std::function<void(BackupContainer& Sender, const std::string& FileName, uint32_t FileSize)>;
using ContainerNotifyHandler = std::function<void(BackupContainer& Sender)>;
// Name is a file's own name, without its folder.
using FileNameFilter = std::function<bool(const std::string& Name)>;

class BackupContainer {
 public:
  // true: records carry the file's folder relative to the packed folder;
  // false: every record's folder part is empty.
  bool StorePaths = true;
  // false: a source file is read while others are denied writing to it;
  // true: it is opened without denying anything.
  bool IgnoreExclusive = false;
  // zlib level 0 to 9; -1 is zlib's default level.
  int32_t CompressionLevel = -1;
  // Files for which this returns true are left out when packing; without
  // it every file is packed.
  FileNameFilter Excluded;

  FileHandler OnCompressingFile;  // before a file is read
  FileHandler OnCompressedFile;   // after its data is compressed, before its record is added
  ContainerProgressHandler OnProgress;     // after every chunk read (packing) or written (unpacking)
  BeforeWriteHandler OnDecompressingFile;  // before a record is unpacked
  AfterWriteHandler OnDecompressedFile;    // after a record is unpacked
  ContainerNotifyHandler OnCompletedAction;         // after a whole container is unpacked

  // Packs every file of Folder (with its subfolders when Recursive) into the
  // new container file TargetFile. A file of 2 GiB or more, or a name or
  // folder part longer than 255 bytes, fails the operation before the
  // container is written. The container is written only when complete; an
  // existing file of that name is deleted first in any case.
  void PackFolder(const std::string& Folder, bool Recursive, const std::string& TargetFile);

  // Unpacks every record of ContainerFile into TargetFolder. Overwrite false
  // skips records whose target file exists; KeepFolders false puts every
  // file directly into TargetFolder. Records are unpacked in order; when one
  // fails, the files before it stay and a file it would have replaced is
  // left as it was.
  void UnpackFile(const std::string& ContainerFile, const std::string& TargetFolder, bool Overwrite,
                  bool KeepFolders);

 private:
  void pack_folder_level(const std::string& folder, const std::string& stored_folder,
                         bool recursive, std::string& image);
  void pack_file(const std::string& path, const std::string& stored_folder, const std::string& name,
                 uint64_t listed_size, std::string& image);
  void unpack_record(backup::ContainerReader& container, const backup::RecordHeader& header,
                     const std::string& target, bool overwrite, bool keep_folders);
};

}  // namespace orvx
