#include "settings/profile_deletion.h"

#include "platform/files.h"
#include "profiles/profile_store.h"

namespace orvx::settings {

bool delete_profile(const std::string& data_folder, std::string_view profile) {
  const std::string file = profile_file_name(data_folder, profile);
  if (!files::attributes_of(file)) return true;  // gone already
  return files::delete_file(file) || !files::attributes_of(file);
}

}  // namespace orvx::settings
