#pragma once
// Move-only owners for Windows handles. Every handle has exactly one owner;
// a non-owning window view stays a plain HWND.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace orvx::win {

struct HandleCloser {
  void operator()(HANDLE h) const noexcept {
    if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};
// A kernel handle (process, file, mutex, event, thread). Never copied.
using ScopedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

inline ScopedHandle adopt_handle(HANDLE h) { return ScopedHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

struct FindCloser {
  void operator()(HANDLE h) const noexcept {
    if (h && h != INVALID_HANDLE_VALUE) FindClose(h);
  }
};
using ScopedFind = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

struct WindowDestroyer {
  void operator()(HWND h) const noexcept {
    if (h) DestroyWindow(h);
  }
};
using ScopedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct GdiDeleter {
  void operator()(HGDIOBJ h) const noexcept {
    if (h) DeleteObject(h);
  }
};
template <class T>
using ScopedGdi = std::unique_ptr<std::remove_pointer_t<T>, GdiDeleter>;

struct MenuDestroyer {
  void operator()(HMENU h) const noexcept {
    if (h) DestroyMenu(h);
  }
};
using ScopedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

struct LibraryFreer {
  void operator()(HMODULE h) const noexcept {
    if (h) FreeLibrary(h);
  }
};
using ScopedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

struct IconDestroyer {
  void operator()(HICON h) const noexcept {
    if (h) DestroyIcon(h);
  }
};
// An icon made or loaded as a private copy (CreateIconIndirect, LoadImage
// without LR_SHARED). Shared icons are never given to an owner.
using ScopedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

struct MemoryDCDeleter {
  void operator()(HDC h) const noexcept {
    if (h) DeleteDC(h);
  }
};
// A device context made with CreateCompatibleDC.
using ScopedMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDCDeleter>;

// Selects a GDI object into a device context and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A device context obtained with GetDC, released to its window.
class ScopedWindowDC {
 public:
  explicit ScopedWindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ScopedWindowDC(const ScopedWindowDC&) = delete;
  ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
  ~ScopedWindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Memory reserved with VirtualAllocEx in another process; released with
// VirtualFreeEx. The process handle is borrowed and must outlive it.
class ScopedRemoteMemory {
 public:
  ScopedRemoteMemory() = default;
  ScopedRemoteMemory(HANDLE process, void* address) : process_(process), address_(address) {}
  ScopedRemoteMemory(ScopedRemoteMemory&& other) noexcept : process_(other.process_), address_(other.release()) {}
  ScopedRemoteMemory& operator=(ScopedRemoteMemory&& other) noexcept {
    if (this != &other) {
      reset();
      process_ = other.process_;
      address_ = other.release();
    }
    return *this;
  }
  ScopedRemoteMemory(const ScopedRemoteMemory&) = delete;
  ScopedRemoteMemory& operator=(const ScopedRemoteMemory&) = delete;
  ~ScopedRemoteMemory() { reset(); }

  void* get() const { return address_; }
  void reset() noexcept {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    address_ = nullptr;
  }
  // Gives up ownership: the memory stays reserved in the other process.
  void* release() noexcept {
    void* a = address_;
    address_ = nullptr;
    return a;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace orvx::win
