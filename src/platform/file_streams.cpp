// The parts of the file streams that do not depend on the system: ownership
// moves. Opening, reading, writing and closing are in the _posix and _win
// files.
#include "platform/file_streams.h"

#include <utility>

namespace orvx::files {

namespace {
constexpr intptr_t kNoHandle = -1;
}  // namespace

FileReader::FileReader(FileReader&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)), size_(other.size_) {}

FileReader& FileReader::operator=(FileReader&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = std::exchange(other.handle_, kNoHandle);
    size_ = other.size_;
  }
  return *this;
}

FileReader::~FileReader() { close(); }

ReplacingFileWriter::ReplacingFileWriter(ReplacingFileWriter&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)),
      temp_path_(std::exchange(other.temp_path_, {})),
      target_path_(std::move(other.target_path_)) {}

ReplacingFileWriter& ReplacingFileWriter::operator=(ReplacingFileWriter&& other) noexcept {
  if (this != &other) {
    discard();
    handle_ = std::exchange(other.handle_, kNoHandle);
    temp_path_ = std::exchange(other.temp_path_, {});
    target_path_ = std::move(other.target_path_);
  }
  return *this;
}

ReplacingFileWriter::~ReplacingFileWriter() { discard(); }

}  // namespace orvx::files
