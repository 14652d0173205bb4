#include "autostart/autostart_link_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>

#include "platform/files.h"

namespace orvx::autostart {
namespace {

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, ComRelease>;

struct ItemListFree {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

std::wstring widen(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length) - 1);
  return wide;
}

std::string link_path_of(const std::string& name) { return autostart_link_path(get_startup_folder(), name); }

}  // namespace

std::string get_startup_folder() {
  ITEMIDLIST* raw = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_STARTUP, &raw)) || !raw) return {};
  std::unique_ptr<ITEMIDLIST, ItemListFree> list(raw);
  char path[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(list.get(), path)) return {};
  std::string folder = path;
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

bool autostart_link_exists(const std::string& name) {
  const std::string path = link_path_of(name);
  return !path.empty() && files::file_exists(path);
}

void create_autostart_link(const std::string& target, const std::string& name) {
  const std::string path = link_path_of(name);
  if (path.empty() || files::file_exists(path)) return;
  create_shell_link(target, path, kAutostartDescription);
}

void delete_autostart_link(const std::string& name) {
  const std::string path = link_path_of(name);
  if (!path.empty() && files::file_exists(path)) files::delete_file(path);
}

bool create_shell_link(const std::string& target, const std::string& link_path, const std::string& description) {
  IShellLinkA* raw_link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&raw_link))) ||
      !raw_link) {
    return false;
  }
  ComPtr<IShellLinkA> link(raw_link);
  link->SetPath(target.c_str());
  link->SetDescription(description.c_str());
  link->SetArguments(kAutostartArguments);
  IPersistFile* raw_file = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&raw_file))) || !raw_file) return false;
  ComPtr<IPersistFile> file(raw_file);
  return SUCCEEDED(file->Save(widen(link_path).c_str(), TRUE));
}

}  // namespace orvx::autostart
