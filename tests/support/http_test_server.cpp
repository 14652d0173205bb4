#include "support/http_test_server.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/files.h"
#include "support/paths.h"

namespace orvx::test {

std::string http_server_state_file(const std::string& name) { return binary_dir() + "/http-server/" + name; }

std::optional<HttpTestServer> find_http_test_server() {
  std::optional<std::string> text = files::read_file(http_server_state_file("address"));
  if (!text) return std::nullopt;
  size_t end = text->find('\n');
  if (end == std::string::npos) return std::nullopt;
  size_t second = text->find('\n', end + 1);
  if (second == std::string::npos) return std::nullopt;
  return HttpTestServer{text->substr(0, end), text->substr(end + 1, second - end - 1)};
}

std::string http_server_www_folder() { return http_server_state_file("www") + "/"; }

WwwFolder::WwwFolder(const HttpTestServer& server, const std::string& name)
    : path_(http_server_www_folder() + name + "/"), url_("http://" + server.address + "/www/" + name) {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  std::filesystem::create_directories(path_, ec);
  if (ec) throw std::runtime_error("cannot make " + path_);
}

WwwFolder::~WwwFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WwwFolder::put(const std::string& relative, const std::string& bytes) const {
  std::filesystem::path target = std::filesystem::path(path_) / relative;
  std::error_code ec;
  std::filesystem::create_directories(target.parent_path(), ec);
  if (!files::write_file(target.string(), bytes)) throw std::runtime_error("cannot write " + target.string());
}

}  // namespace orvx::test
