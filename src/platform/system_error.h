#pragma once
// An error of the operating system, raised where the program cannot go on:
// the system's error code and its text as the system words it.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace orvx {

class SystemError : public std::runtime_error {
 public:
  SystemError(uint32_t code, std::string text);

  uint32_t code() const noexcept { return code_; }
  const std::string& text() const noexcept { return text_; }

 private:
  uint32_t code_;
  std::string text_;
};

}  // namespace orvx
