#include "lang/save_resource_win.h"

#include <string_view>

#include "platform/files.h"

namespace orvx::lang {

bool save_resource_to_file(const char* type, const char* name, const std::string& path, HMODULE module) {
  if (!module) module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, type);
  if (!found) return false;
  // Resource memory belongs to the module; it needs no freeing.
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data && size != 0) return false;
  return files::write_file_replacing(path, std::string_view(static_cast<const char*>(data), size));
}

}  // namespace orvx::lang
