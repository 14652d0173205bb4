#pragma once
// Owners for what the shell and COM hand out: item lists (freed through the
// shell's allocator, which on the oldest systems is not yet the COM task
// allocator) and a COM apartment for as long as an object lives (the
// program's own apartment, when there is one, is merely counted once more).
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace orvx::win {

struct ItemListFreer {
  void operator()(ITEMIDLIST* list) const noexcept {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
      allocator->Free(list);
      allocator->Release();
    }
  }
};
using ScopedItemList = std::unique_ptr<ITEMIDLIST, ItemListFreer>;

class ScopedComApartment {
 public:
  ScopedComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ScopedComApartment(const ScopedComApartment&) = delete;
  ScopedComApartment& operator=(const ScopedComApartment&) = delete;
  ~ScopedComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

}  // namespace orvx::win
