#include "lang_online/language_file_check.h"

#include <optional>

#include "ini/ini_file.h"
#include "ini/ini_syntax.h"
#include "platform/files.h"

namespace orvx::lang_online {
namespace {

// Language files are small; a larger download is no language file.
constexpr uint64_t kMaxLanguageFileSize = 1024 * 1024;

}  // namespace

bool is_language_file_for(std::string_view content, std::string_view name) {
  if (content.size() > kMaxLanguageFileSize) return false;
  if (content.find('\0') != std::string_view::npos) return false;
  std::optional<std::string> lang = ini::in_memory::find_value(content, "INFOS", "lang");
  return lang && !lang->empty() && ini::syntax::names_equal(*lang, name);
}

bool language_file_is_for(const std::string& path, std::string_view name) {
  std::optional<uint64_t> size = files::file_size(path);
  if (!size || *size > kMaxLanguageFileSize) return false;
  std::optional<std::string> content = files::read_file(path);
  return content && is_language_file_for(*content, name);
}

}  // namespace orvx::lang_online
