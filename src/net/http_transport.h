#pragma once
// The seam between the download component and an HTTP stack. On Windows it
// is wininet; the native tests script it. One Send is one request on port 80
// in HTTP/1.0; the transport adds nothing the request does not ask for.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace orvx::net {

struct HttpRequest {
  std::string agent;  // user-agent name of the session; empty: none
  std::string host;
  std::string user_name;  // handed to the connection; empty: none
  std::string password;
  std::string verb;          // "GET" or "POST"
  std::string path;          // the object, beginning with "/"
  std::string referer;       // empty: no Referer header
  std::string accept_types;  // the Accept header's value; empty: none
  bool reload = true;        // demand a fresh copy, bypassing every cache, and store none
  // The longest wait for the server, in milliseconds: for the connection,
  // the answer and every piece of the body. A wait that takes longer fails
  // the call and counts as timed out (HttpResponse::TimedOut).
  uint32_t stall_timeout_ms = 30000;
  std::string extra_header;  // one header line without CR LF, or empty
  std::string body;          // sent after the head; empty for GET
};

// The server's answer to one request, read on the worker thread only.
class HttpResponse {
 public:
  virtual ~HttpResponse() = default;
  // The Content-Length response header as text, nullopt when there is none
  // (also when the request never reached a server). A value too long for a
  // 1024-byte buffer comes back as an empty text, which no length accepts.
  virtual std::optional<std::string> content_length() = 0;
  // The status code of the response, nullopt when there was none (the
  // request never reached a server, or the answer was no HTTP response).
  virtual std::optional<int> status_code() = 0;
  // Reads the next body bytes into `buffer`: their count, 0 at the end of
  // the body, nullopt when reading failed. It returns as soon as some bytes
  // have arrived, without waiting for `size` of them, so that a server that
  // sends slowly still lets the caller look up between the pieces.
  virtual std::optional<size_t> read(char* buffer, size_t size) = 0;
  // True when sending, or the last Read, failed because the server sent
  // nothing for longer than the request's stall_timeout_ms.
  virtual bool timed_out() = 0;
};

class HttpTransport {
 public:
  virtual ~HttpTransport() = default;
  // Opens the session, the connection and the request and sends it. Returns
  // nullptr only when the request could not even be prepared. Whether it
  // went out is not reported: a request that failed to go out answers with
  // no length and no body. Called on worker threads, possibly several at a
  // time for different components.
  virtual std::unique_ptr<HttpResponse> send(const HttpRequest& request) = 0;
};

}  // namespace orvx::net
