#include "support/private_profile_win.h"

#include <windows.h>

namespace orvx::test::platform_ini {

std::string read_string(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& default_value) {
  std::vector<char> buffer(1 << 18);
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(), buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path.c_str());
  return std::string(buffer.data(), n);
}

int read_integer(const std::string& path, const std::string& section, const std::string& key, int default_value) {
  return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), default_value, path.c_str()));
}

std::vector<std::string> section_names(const std::string& path, unsigned buffer_size) {
  std::vector<char> buffer(buffer_size + 2, '\0');
  DWORD n = GetPrivateProfileSectionNamesA(buffer.data(), buffer_size, path.c_str());
  std::vector<std::string> names;
  for (DWORD i = 0; i < n;) {
    std::string name(buffer.data() + i);
    if (name.empty()) break;
    i += static_cast<DWORD>(name.size()) + 1;
    names.push_back(std::move(name));
  }
  return names;
}

bool write_string(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

void rewrite(const std::string& path) {
  const char* scratch = "orvx scratch section";
  WritePrivateProfileStringA(scratch, "k", "1", path.c_str());
  WritePrivateProfileStringA(scratch, nullptr, nullptr, path.c_str());
}

}  // namespace orvx::test::platform_ini
