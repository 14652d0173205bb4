#include "lang_online/language_download.h"

#include <utility>

namespace orvx::lang_online {

bool HttpGetLanguageFetcher::fetch_string(const std::string& url) {
  if (language_download_.fetching()) return false;
  language_download_.url = url;
  language_download_.check_file = nullptr;
  language_download_.fetch_string();
  return language_download_.fetching();
}

bool HttpGetLanguageFetcher::fetch_file(const std::string& url, const std::string& file_name, net::FileCheck check) {
  if (language_download_.fetching()) return false;
  language_download_.url = url;
  language_download_.file_name = file_name;
  language_download_.check_file = std::move(check);
  language_download_.fetch_file();
  return language_download_.fetching();
}

void connect_language_section(net::HttpDownload& get_file, LanguageSection& section) {
  get_file.agent = kCatalogueAgent;
  get_file.referer = kCatalogueReferer;
  get_file.accept_types = "*/*";
  get_file.binary_data = false;
  get_file.use_cache = false;
  get_file.on_progress = [&section](net::HttpDownload&, int32_t total, int32_t readed) {
    section.progress(total, readed);
  };
  get_file.on_text_done = [&section](net::HttpDownload&, const std::string& body) { section.string_done(body); };
  get_file.on_file_done = [&section](net::HttpDownload&, const std::string&, int32_t) { section.file_done(); };
  get_file.on_error = [&section](net::HttpDownload& sender) { section.error(sender.last_failure()); };
}

}  // namespace orvx::lang_online
