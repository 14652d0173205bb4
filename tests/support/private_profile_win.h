#pragma once
// The platform's own private-profile functions, wrapped for the tests that
// compare our INI engine with them (under Wine, Wine's kernel32 is the
// reference). Buffers are large, so no result is cut short.
#include <string>
#include <vector>

namespace orvx::test::platform_ini {

std::string read_string(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& default_value);
int read_integer(const std::string& path, const std::string& section, const std::string& key, int default_value);
// All section names, or as many as fit into `buffer_size` bytes.
std::vector<std::string> section_names(const std::string& path, unsigned buffer_size = 1 << 20);
bool write_string(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value);
// Makes the platform rewrite the whole file in its own form, without changing
// a value: a scratch section is written and deleted again.
void rewrite(const std::string& path);

}  // namespace orvx::test::platform_ini
