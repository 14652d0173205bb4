#include "profiles/profile_menus.h"

#include "profiles/profile_store.h"

namespace orvx {

std::string escape_menu_text(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

ProfileMenus build_profile_menus(const std::string& data_folder) {
  ProfileMenus menus;
  const std::vector<std::string> names = list_profiles(data_folder);
  menus.select_profile_visible = !names.empty();
  for (size_t i = 0; i < names.size(); ++i) {
    menus.items.push_back({names[i], escape_menu_text(names[i]), "M_" + std::to_string(i)});
  }
  return menus;
}

}  // namespace orvx
