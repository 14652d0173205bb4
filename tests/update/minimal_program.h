#pragma once
// The smallest file the program check takes for a program of the 32-bit
// build: an MZ stub pointing at a PE header for i386 with the GUI subsystem.
#include <string>

namespace orvx::test {

inline std::string minimal_gui_program() {
  std::string b(0x200, '\0');
  b[0] = 'M';
  b[1] = 'Z';
  b[60] = static_cast<char>(0x80);
  b.replace(0x80, 4, std::string("PE\0\0", 4));
  b[0x84] = 0x4C;
  b[0x85] = 0x01;
  b[0x84 + 16] = static_cast<char>(224);
  b[0x98 + 68] = 2;
  return b;
}

}  // namespace orvx::test
