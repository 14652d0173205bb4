#pragma once
// Which Windows the program runs on: NT 4, 2000, XP and Vista workstation
// only, of the program's own pointer width. The program users get is 32-bit;
// a 64-bit build exists only to run the tests under 64-bit Wine.
#include <cstdint>
#include <string_view>

namespace orvx {

// What the system reports about itself, in the numbers of the Windows API.
struct SystemVersion {
  uint16_t processor_architecture = 0;  // of the native system, not of a 32-bit emulation
  uint32_t platform_id = 0;             // 0 Win32s, 1 the 95 family, 2 NT
  uint32_t major = 0;
  uint32_t minor = 0;
  uint8_t product_type = 0;  // 1 workstation, 2 domain controller, 3 server; 0 unknown
};

inline constexpr uint16_t kArchitectureIntel = 0;
inline constexpr uint16_t kArchitectureIa64 = 6;
inline constexpr uint16_t kArchitectureAmd64 = 9;
inline constexpr uint32_t kPlatformWin32s = 0;
inline constexpr uint32_t kPlatformWindows = 1;
inline constexpr uint32_t kPlatformNt = 2;
inline constexpr uint8_t kProductWorkstation = 1;
inline constexpr uint8_t kProductDomainController = 2;
inline constexpr uint8_t kProductServer = 3;

// The pointer width of a program or of a system's native processor.
enum class PointerWidth { kBits32, kBits64 };

inline constexpr PointerWidth kBuildPointerWidth = sizeof(void*) == 8 ? PointerWidth::kBits64 : PointerWidth::kBits32;

// AMD64 and IA64 systems are 64-bit, every other architecture 32-bit.
PointerWidth native_pointer_width(uint16_t processor_architecture);

// A system is supported when its native pointer width is the program's
// (`program`): the desktop's list view then has the program's record layout.
bool is_supported_system(const SystemVersion& system, PointerWidth program);

// Shown before the program ends on an unsupported system. The four line
// breaks are single carriage returns; a message box breaks a line at each.
inline constexpr std::string_view kUnsupportedSystemMessage =
    "This Operatingsystem is doesn't supportet!\r\r\r\rDieses Betriebsystem wird nicht unterstützt!";

}  // namespace orvx
