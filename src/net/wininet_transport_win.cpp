#include "net/wininet_transport_win.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <chrono>

#include "net/scoped_internet_win.h"

namespace orvx::net {
namespace {

constexpr DWORD kHeaderBufferSize = 1024;

const char* or_null(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

using Clock = std::chrono::steady_clock;

// Whether a call that failed with `error` after waiting since `start` ran
// into the stall timeout. The error alone does not tell on every wininet:
// one reports the socket's timeout, or an aborted connection, instead of
// its own timeout code. A call that waited the whole timeout did time out.
bool waited_out(DWORD error, Clock::time_point start, DWORD timeout_ms) {
  if (error == ERROR_INTERNET_TIMEOUT || error == WSAETIMEDOUT) return true;
  return Clock::now() - start >= std::chrono::milliseconds(timeout_ms);
}

class WininetResponse : public HttpResponse {
 public:
  WininetResponse(win::ScopedInternet session, win::ScopedInternet connection, win::ScopedInternet request,
                  DWORD timeout_ms, bool send_timed_out)
      : session_(std::move(session)),
        connection_(std::move(connection)),
        request_(std::move(request)),
        timeout_ms_(timeout_ms),
        timed_out_(send_timed_out) {}

  ~WininetResponse() override {
    // The request, the connection and the session, in this order.
    request_.reset();
    connection_.reset();
    session_.reset();
  }

  std::optional<std::string> content_length() override {
    char buffer[kHeaderBufferSize];
    DWORD size = sizeof buffer;
    DWORD index = 0;
    if (HttpQueryInfoA(request_.get(), HTTP_QUERY_CONTENT_LENGTH, buffer, &size, &index)) {
      return std::string(buffer, size);
    }
    if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) return std::string();
    return std::nullopt;
  }

  std::optional<int> status_code() override {
    DWORD status = 0;
    DWORD size = sizeof status;
    DWORD index = 0;
    // A request that never got an answer may report the status 0.
    if (!HttpQueryInfoA(request_.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, &index) ||
        status == 0) {
      return std::nullopt;
    }
    return static_cast<int>(status);
  }

  std::optional<size_t> read(char* buffer, size_t size) override {
    // A plain InternetReadFile waits until the whole buffer is full: a
    // server that sends a byte now and then would keep it, and the worker
    // with it, for as long as it likes. Asking what has arrived first waits
    // only for the next piece (at most the receive timeout), and the read
    // then takes just that.
    const Clock::time_point start = Clock::now();
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request_.get(), &available, 0, 0)) return failed(start);
    if (available == 0) return 0;  // the end of the body
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(size, available));
    if (!InternetReadFile(request_.get(), buffer, wanted, &read)) return failed(start);
    timed_out_ = false;
    return read;
  }

  bool timed_out() override { return timed_out_; }

 private:
  std::optional<size_t> failed(Clock::time_point start) {
    timed_out_ = waited_out(GetLastError(), start, timeout_ms_);
    return std::nullopt;
  }

  win::ScopedInternet session_;
  win::ScopedInternet connection_;
  win::ScopedInternet request_;
  DWORD timeout_ms_;
  bool timed_out_;
};

// Every wait of the session and its requests ends after `timeout_ms`.
void set_timeouts(HINTERNET handle, DWORD timeout_ms) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                       INTERNET_OPTION_DATA_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
    InternetSetOptionA(handle, option, &timeout_ms, sizeof timeout_ms);
  }
}

class Wininet : public HttpTransport {
 public:
  std::unique_ptr<HttpResponse> send(const HttpRequest& r) override {
    win::ScopedInternet session(InternetOpenA(or_null(r.agent), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return nullptr;
    set_timeouts(session.get(), r.stall_timeout_ms);
    win::ScopedInternet connection(InternetConnectA(session.get(), r.host.c_str(), INTERNET_DEFAULT_HTTP_PORT,
                                                    or_null(r.user_name), or_null(r.password), INTERNET_SERVICE_HTTP, 0,
                                                    0));
    if (!connection) return nullptr;
    const char* accept[] = {r.accept_types.c_str(), nullptr};
    // A fresh copy from the server, and none kept in the system's Internet
    // cache either.
    DWORD flags = r.reload ? INTERNET_FLAG_RELOAD | INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_CACHE_WRITE : 0;
    win::ScopedInternet request(HttpOpenRequestA(connection.get(), r.verb.c_str(), r.path.c_str(), "HTTP/1.0",
                                                 or_null(r.referer), r.accept_types.empty() ? nullptr : accept, flags,
                                                 0));
    if (!request) return nullptr;
    set_timeouts(request.get(), r.stall_timeout_ms);

    // A request that did not go out has no length and no body, and the
    // download rules decide from there; only a timeout is noted, so that a
    // server that never answered counts as stalled.
    const Clock::time_point start = Clock::now();
    const BOOL sent = HttpSendRequestA(
        request.get(), or_null(r.extra_header), static_cast<DWORD>(r.extra_header.size()),
        r.body.empty() ? nullptr : const_cast<char*>(r.body.data()), static_cast<DWORD>(r.body.size()));
    const bool timed_out = !sent && waited_out(GetLastError(), start, r.stall_timeout_ms);
    return std::make_unique<WininetResponse>(std::move(session), std::move(connection), std::move(request),
                                             r.stall_timeout_ms, timed_out);
  }
};

}  // namespace

std::shared_ptr<HttpTransport> wininet_transport() { return std::make_shared<Wininet>(); }

}  // namespace orvx::net
