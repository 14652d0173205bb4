#include "settings/profile_deletion.h"

#include "platform/files.h"
#include "profiles/profile_store.h"

namespace orvx::settings {

void delete_profile(const std::string& data_folder, std::string_view profile) {
  const std::string file = ProfileFileName(data_folder, profile);
  if (files::file_exists(file)) files::delete_file(file);
}

}  // namespace orvx::settings
