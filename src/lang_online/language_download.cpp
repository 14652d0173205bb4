#include "lang_online/language_download.h"

#include <utility>

namespace orvx::lang_online {

bool HttpGetLanguageFetcher::FetchString(const std::string& url) {
  if (get_file_.Fetching()) return false;
  get_file_.URL = url;
  get_file_.CheckFile = nullptr;
  get_file_.FetchString();
  return get_file_.Fetching();
}

bool HttpGetLanguageFetcher::FetchFile(const std::string& url, const std::string& file_name,
                                       net::FileCheck check) {
  if (get_file_.Fetching()) return false;
  get_file_.URL = url;
  get_file_.FileName = file_name;
  get_file_.CheckFile = std::move(check);
  get_file_.FetchFile();
  return get_file_.Fetching();
}

void connect_language_section(net::THTTPGet& get_file, LanguageSection& section) {
  get_file.Agent = kCatalogueAgent;
  get_file.Referer = kCatalogueReferer;
  get_file.AcceptTypes = "*/*";
  get_file.BinaryData = false;
  get_file.UseCache = false;
  get_file.OnProgress = [&section](net::THTTPGet&, int32_t total, int32_t readed) {
    section.Progress(total, readed);
  };
  get_file.OnDoneString = [&section](net::THTTPGet&, const std::string& body) {
    section.StringDone(body);
  };
  get_file.OnDoneFile = [&section](net::THTTPGet&, const std::string&, int32_t) {
    section.FileDone();
  };
  get_file.OnError = [&section](net::THTTPGet& sender) { section.Error(sender.LastFailure()); };
}

}  // namespace orvx::lang_online
