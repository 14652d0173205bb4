#include "profiles/profile_menus.h"

#include "profiles/profile_store.h"

namespace orvx {

std::string EscapeMenuText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

ProfileMenus BuildProfileMenus(const std::string& data_folder) {
  ProfileMenus menus;
  const std::vector<std::string> names = ListProfiles(data_folder);
  menus.select_profile_visible = !names.empty();
  for (size_t i = 0; i < names.size(); ++i) {
    menus.items.push_back({names[i], EscapeMenuText(names[i]), "M_" + std::to_string(i)});
  }
  return menus;
}

}  // namespace orvx
