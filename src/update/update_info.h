#pragma once
// The update information file (update.inf on the server, update.dat in the
// temporary folder): section [Orvane] with version, UP_INFOS and DL_Url.
#include <string>
#include <string_view>

namespace orvx::update {

struct UpdateInfo {
  std::string version;         // "0" when missing
  bool version_given = false;  // the file names a version (an error page does not)
  std::string up_infos;        // the information page; the server's base URL when missing
  std::string dl_url;          // the new program file; "ERROR" when missing
};

inline constexpr char kUpdateInfoSection[] = "Orvane";

// Reads the file's bytes; anything that is no such INI file (an error page)
// gives the defaults.
UpdateInfo parse_update_info(std::string_view text, std::string_view server_base);
// The same for a file; a missing or absurdly large file gives the defaults.
UpdateInfo read_update_info(const std::string& path, std::string_view server_base);

}  // namespace orvx::update
