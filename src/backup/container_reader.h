#pragma once
// Reads the records of a container file one after the other, holding no more
// than one record's data at a time. The file is open for the reader's
// lifetime, with others denied writing to it.
#include <cstdint>
#include <optional>
#include <string>

#include "backup/container_format.h"
#include "platform/file_streams.h"

namespace orvx::backup {

class ContainerReader {
 public:
  // Throws ContainerError when the file cannot be opened.
  explicit ContainerReader(const std::string& path);

  // The header of the next record, or nullopt at the end of the container.
  // Throws ContainerError when the container ends inside the header or is
  // too short for the data the header announces.
  std::optional<RecordHeader> next_header();
  // The compressed data of the record whose header was read last.
  std::string read_data(const RecordHeader& header);

 private:
  void read_exact(char* buffer, size_t size);
  [[noreturn]] void cut_off() const;

  std::string path_;
  std::optional<files::FileReader> file_;
  uint64_t position_ = 0;
};

}  // namespace orvx::backup
