#pragma once
// Ties the settings dialog's download component get_file to the Language
// section: the component's fixed settings, its four events forwarded to the
// section, and the fetches the section asks for.
#include "lang_online/language_section.h"
#include "net/http_download.h"

namespace orvx::lang_online {

class HttpGetLanguageFetcher : public LanguageFetcher {
 public:
  explicit HttpGetLanguageFetcher(net::HttpDownload& get_file) : language_download_(get_file) {}

  bool fetch_string(const std::string& url) override;
  bool fetch_file(const std::string& url, const std::string& file_name, net::FileCheck check) override;

 private:
  net::HttpDownload& language_download_;
};

// Sets get_file's fixed settings (Agent "ORVX_LANG", Referer "ORVX", "*/*",
// no cache) and forwards its events to `section`. Both must
// live as long as each other.
void connect_language_section(net::HttpDownload& get_file, LanguageSection& section);

}  // namespace orvx::lang_online
