#include "lang_online/language_download.h"

#include <utility>

namespace orvx::lang_online {

bool HttpGetLanguageFetcher::FetchString(const std::string& url) {
  if (language_download_.Fetching()) return false;
  language_download_.URL = url;
  language_download_.CheckFile = nullptr;
  language_download_.FetchString();
  return language_download_.Fetching();
}

bool HttpGetLanguageFetcher::FetchFile(const std::string& url, const std::string& file_name,
                                       net::FileCheck check) {
  if (language_download_.Fetching()) return false;
  language_download_.URL = url;
  language_download_.FileName = file_name;
  language_download_.CheckFile = std::move(check);
  language_download_.FetchFile();
  return language_download_.Fetching();
}

void connect_language_section(net::HttpDownload& get_file, LanguageSection& section) {
  get_file.Agent = kCatalogueAgent;
  get_file.Referer = kCatalogueReferer;
  get_file.AcceptTypes = "*/*";
  get_file.BinaryData = false;
  get_file.UseCache = false;
  get_file.OnProgress = [&section](net::HttpDownload&, int32_t total, int32_t readed) {
    section.Progress(total, readed);
  };
  get_file.on_text_done = [&section](net::HttpDownload&, const std::string& body) {
    section.StringDone(body);
  };
  get_file.on_file_done = [&section](net::HttpDownload&, const std::string&, int32_t) {
    section.FileDone();
  };
  get_file.OnError = [&section](net::HttpDownload& sender) { section.Error(sender.LastFailure()); };
}

}  // namespace orvx::lang_online
