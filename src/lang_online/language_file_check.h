#pragma once
// Whether a downloaded file is the language file it was fetched as. Anything
// else (an error page, another language, binary data) is never installed: it
// would be listed as a language that can never be loaded.
#include <string>
#include <string_view>

namespace orvx::lang_online {

// True when `content` is 8-bit text without NUL bytes that has an INFOS
// section whose `lang` equals `name` without regard to case.
bool is_language_file_for(std::string_view content, std::string_view name);

// The same for a file; false when it cannot be read.
bool language_file_is_for(const std::string& path, std::string_view name);

}  // namespace orvx::lang_online
