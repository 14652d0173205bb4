#pragma once
// Move-only owner for wininet handles (session, connection, request).
#include <windows.h>
#include <wininet.h>

#include <memory>
#include <type_traits>

namespace orvx::win {

struct InternetCloser {
  void operator()(HINTERNET h) const noexcept {
    if (h) InternetCloseHandle(h);
  }
};
// A wininet session, connection or request handle.
using ScopedInternet = std::unique_ptr<std::remove_pointer_t<HINTERNET>, InternetCloser>;

}  // namespace orvx::win
