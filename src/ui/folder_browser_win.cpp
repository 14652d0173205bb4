#include "ui/folder_browser_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>

#include "platform/shell_objects_win.h"

namespace orvx::ui {
namespace {

using win::ScopedItemList;

ScopedItemList desktop_item_list() {
  ITEMIDLIST* raw = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &raw))) return nullptr;
  return ScopedItemList(raw);
}

void centre_on(HWND window, HWND owner) {
  RECT own{};
  RECT area{};
  if (!GetWindowRect(window, &own)) return;
  if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int CALLBACK FolderBrowser::on_event(HWND browser, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED) {
    const auto* self = reinterpret_cast<const FolderBrowser*>(data);
    centre_on(browser, GetWindow(browser, GW_OWNER));
    SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(self->status_text_.c_str()));
  }
  return 0;
}

std::optional<std::string> FolderBrowser::execute(HWND owner) const {
  // COM for the time the browser is open.
  const win::ScopedComApartment com;
  const ScopedItemList root = desktop_item_list();
  char display_name[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = display_name;
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
  info.lpfn = &FolderBrowser::on_event;
  info.lParam = reinterpret_cast<LPARAM>(this);
  const ScopedItemList chosen(SHBrowseForFolderA(&info));
  if (!chosen) return std::nullopt;
  char path[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(chosen.get(), path) || path[0] == '\0') return std::nullopt;
  return std::string(path);
}

}  // namespace orvx::ui
