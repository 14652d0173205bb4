#include "net/wininet_transport_win.h"

#include <windows.h>
#include <wininet.h>

#include "net/scoped_internet_win.h"

namespace orvx::net {
namespace {

constexpr DWORD kHeaderBufferSize = 1024;

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

class WininetResponse : public HttpResponse {
 public:
  WininetResponse(win::ScopedInternet session, win::ScopedInternet connection,
                  win::ScopedInternet request)
      : session_(std::move(session)),
        connection_(std::move(connection)),
        request_(std::move(request)) {}

  ~WininetResponse() override {
    // The request, the connection and the session, in this order.
    request_.reset();
    connection_.reset();
    session_.reset();
  }

  std::optional<std::string> ContentLength() override {
    char buffer[kHeaderBufferSize];
    DWORD size = sizeof buffer;
    DWORD index = 0;
    if (HttpQueryInfoA(request_.get(), HTTP_QUERY_CONTENT_LENGTH, buffer, &size, &index)) {
      return std::string(buffer, size);
    }
    if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) return std::string();
    return std::nullopt;
  }

  std::optional<int> StatusCode() override {
    DWORD status = 0;
    DWORD size = sizeof status;
    DWORD index = 0;
    if (!HttpQueryInfoA(request_.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                        &size, &index)) {
      return std::nullopt;
    }
    return static_cast<int>(status);
  }

  std::optional<size_t> Read(char* buffer, size_t size) override {
    DWORD read = 0;
    if (!InternetReadFile(request_.get(), buffer, static_cast<DWORD>(size), &read)) {
      return std::nullopt;
    }
    return read;
  }

 private:
  win::ScopedInternet session_;
  win::ScopedInternet connection_;
  win::ScopedInternet request_;
};

class Wininet : public HttpTransport {
 public:
  explicit Wininet(DWORD receive_timeout_ms) : receive_timeout_ms_(receive_timeout_ms) {}

  std::unique_ptr<HttpResponse> Send(const HttpRequest& r) override {
    win::ScopedInternet session(
        InternetOpenA(OrNull(r.agent), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return nullptr;
    win::ScopedInternet connection(InternetConnectA(session.get(), r.host.c_str(),
        INTERNET_DEFAULT_HTTP_PORT, OrNull(r.user_name), OrNull(r.password),
        INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return nullptr;
    const char* accept[] = {r.accept_types.c_str(), nullptr};
    DWORD flags = r.reload ? INTERNET_FLAG_RELOAD | INTERNET_FLAG_PRAGMA_NOCACHE : 0;
    win::ScopedInternet request(HttpOpenRequestA(connection.get(), r.verb.c_str(), r.path.c_str(),
        "HTTP/1.0", OrNull(r.referer), r.accept_types.empty() ? nullptr : accept, flags, 0));
    if (!request) return nullptr;
    DWORD timeout = receive_timeout_ms_;
    InternetSetOptionA(request.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);

    // The outcome of sending is not looked at: a request that did not go
    // out has no length and no body, and the download rules decide from there.
    HttpSendRequestA(request.get(), OrNull(r.extra_header),
                     static_cast<DWORD>(r.extra_header.size()),
                     r.body.empty() ? nullptr : const_cast<char*>(r.body.data()),
                     static_cast<DWORD>(r.body.size()));
    return std::make_unique<WininetResponse>(std::move(session), std::move(connection),
                                             std::move(request));
  }

 private:
  DWORD receive_timeout_ms_;
};

}  // namespace

std::shared_ptr<HttpTransport> WininetTransport(DWORD receive_timeout_ms) {
  return std::make_shared<Wininet>(receive_timeout_ms);
}

}  // namespace orvx::net
