#pragma once
// The test HTTP server (tests/net/http_server.py) as a Windows test finds
// it: the loopback address it listens on, the one where nothing answers,
// and its "www" folder, whose files it serves under "/www/".
#include <optional>
#include <string>

namespace orvx::test {

struct HttpTestServer {
  std::string address;          // where the test server listens on port 80
  std::string refused_address;  // where nothing answers on port 80
};

// A file of the server's state folder (the request log, the address file).
std::string http_server_state_file(const std::string& name);

// Nullopt when the server is not running.
std::optional<HttpTestServer> find_http_test_server();

// The folder whose file "a/b.txt" the server sends for "/www/a/b.txt";
// ends with a separator. A test puts its files into a folder of its own
// below it and removes them afterwards (WwwFolder).
std::string http_server_www_folder();

// A fresh folder below the server's "www" folder for one test, removed with
// its contents when the object goes. `url()` is the address it is served
// at, without a trailing slash: an update server base for the program.
class WwwFolder {
 public:
  WwwFolder(const HttpTestServer& server, const std::string& name);
  WwwFolder(const WwwFolder&) = delete;
  WwwFolder& operator=(const WwwFolder&) = delete;
  ~WwwFolder();
  const std::string& path() const { return path_; }  // ends with a separator
  const std::string& url() const { return url_; }
  // Writes `bytes` to `relative` below the folder (folders are made).
  void put(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
  std::string url_;
};

}  // namespace orvx::test
