#include "platform/system_check_win.h"

#include <windows.h>

#include <string>

namespace orvx {
namespace {

using GetNativeSystemInfoFn = void(WINAPI*)(LPSYSTEM_INFO);

uint16_t native_processor_architecture() {
  SYSTEM_INFO info{};
  // kernel32 is loaded in every process; the handle needs no release.
  auto native = reinterpret_cast<GetNativeSystemInfoFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetNativeSystemInfo")));
  if (native) {
    native(&info);
  } else {
    GetSystemInfo(&info);
  }
  return info.wProcessorArchitecture;
}

}  // namespace

SystemVersion query_system_version() {
  SystemVersion system;
  system.processor_architecture = native_processor_architecture();

  // The extended record needs NT 4 SP6 or later; older systems only fill the
  // basic one and leave the product type unknown, which matters only for 6.0.
  OSVERSIONINFOEXA ex{};
  ex.dwOSVersionInfoSize = sizeof ex;
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex))) {
    system.product_type = ex.wProductType;
  } else {
    ex.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex))) return system;
  }
  system.platform_id = ex.dwPlatformId;
  system.major = ex.dwMajorVersion;
  system.minor = ex.dwMinorVersion;
  return system;
}

bool confirm_supported_system() {
  if (is_supported_system(query_system_version(), kBuildPointerWidth)) return true;
  const std::string text(kUnsupportedSystemMessage);
  MessageBoxA(nullptr, text.c_str(), "Orvane X", MB_OK);
  return false;
}

}  // namespace orvx
