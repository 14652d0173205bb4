#pragma once
// Files read and written piece by piece, for data handled in chunks. Whole
// files are read and written with the functions of files.h.
//
// Both classes own an open file and are move-only. Failures are reported by
// the return value; files::describe_last_error() says why right after.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvx::files {

// What other programs may do with a file while it is open for reading.
// Natively there are no share modes; both open the file the same way.
enum class Sharing {
  kDenyWrite,  // others may read it, nobody may write to it
  kDenyNone,   // others may read, write and delete it
};

class FileReader {
 public:
  // Opens an existing file for reading. nullopt when it cannot be opened.
  static std::optional<FileReader> open(const std::string& path, Sharing sharing);

  FileReader(FileReader&& other) noexcept;
  FileReader& operator=(FileReader&& other) noexcept;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  ~FileReader();

  // Reads up to `size` bytes into `buffer`: the number of bytes read, 0 at
  // the end of the file, nullopt on a read error.
  std::optional<size_t> read(char* buffer, size_t size);
  // The size of the file when it was opened.
  uint64_t size() const { return size_; }

 private:
  FileReader(intptr_t handle, uint64_t size) : handle_(handle), size_(size) {}
  void close() noexcept;

  intptr_t handle_;
  uint64_t size_;
};

// Writes the new content of a file into a temporary file beside it and puts
// it in place only on commit(). Until then an existing file of that name is
// untouched; a writer dropped without commit() deletes its temporary file, so
// a failure half-way leaves the old file as it was.
class ReplacingFileWriter {
 public:
  // Creates the temporary file in the folder of `path`. nullopt on failure.
  static std::optional<ReplacingFileWriter> create(const std::string& path);

  ReplacingFileWriter(ReplacingFileWriter&& other) noexcept;
  ReplacingFileWriter& operator=(ReplacingFileWriter&& other) noexcept;
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;
  ~ReplacingFileWriter();

  bool write(std::string_view data);
  // Closes the temporary file and moves it over the target, replacing a file
  // of that name. False (and the temporary file removed) on failure.
  bool commit();

 private:
  ReplacingFileWriter(intptr_t handle, std::string temp_path, std::string target_path)
      : handle_(handle), temp_path_(std::move(temp_path)), target_path_(std::move(target_path)) {}
  void discard() noexcept;

  intptr_t handle_;
  std::string temp_path_;
  std::string target_path_;
};

}  // namespace orvx::files
