#pragma once
#include <stdexcept>
#include <string>

namespace orvx::backup {

// Any failure of packing or unpacking a backup container: a source file that
// cannot be read, a damaged or cut-off container, a record that would write
// outside the target folder, a target file that cannot be written. The text
// names the file concerned and the cause.
class ContainerError : public std::runtime_error {
 public:
  explicit ContainerError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace orvx::backup
