#include "backup/container_reader.h"

#include <algorithm>

#include "backup/container_error.h"
#include "platform/files.h"

namespace orvx::backup {

ContainerReader::ContainerReader(const std::string& path)
    : path_(path), file_(files::FileReader::open(path, files::Sharing::kDenyWrite)) {
  if (!file_) {
    throw ContainerError("cannot open the container " + path + ": " + files::describe_last_error());
  }
}

std::optional<RecordHeader> ContainerReader::next_header() {
  unsigned char length = 0;
  std::optional<size_t> got = file_->read(reinterpret_cast<char*>(&length), 1);
  if (!got) {
    throw ContainerError("cannot read the container " + path_ + ": " + files::describe_last_error());
  }
  if (*got == 0) return std::nullopt;
  ++position_;

  RecordHeader header;
  header.folder_part.resize(length);
  read_exact(header.folder_part.data(), length);
  read_exact(reinterpret_cast<char*>(&length), 1);
  header.name.resize(length);
  read_exact(header.name.data(), length);
  unsigned char sizes[8];
  read_exact(reinterpret_cast<char*>(sizes), sizeof sizes);
  header.size = get_le32(sizes);
  header.compressed_size = get_le32(sizes + 4);
  // Checked before anything is reserved for the data: the announced size
  // comes from the file and may be anything.
  if (header.compressed_size > file_->size() - std::min(position_, file_->size())) cut_off();
  return header;
}

std::string ContainerReader::read_data(const RecordHeader& header) {
  std::string data(header.compressed_size, '\0');
  read_exact(data.data(), data.size());
  return data;
}

void ContainerReader::read_exact(char* buffer, size_t size) {
  while (size > 0) {
    std::optional<size_t> got = file_->read(buffer, size);
    if (!got) {
      throw ContainerError("cannot read the container " + path_ + ": " + files::describe_last_error());
    }
    if (*got == 0) cut_off();
    buffer += *got;
    size -= *got;
    position_ += *got;
  }
}

void ContainerReader::cut_off() const {
  throw ContainerError("the container " + path_ + " ends inside a record: it is cut off or damaged");
}

}  // namespace orvx::backup
