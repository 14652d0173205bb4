#pragma once
// The download component's HTTP stack on Windows: wininet, synchronous,
// used from the worker threads.
#include <windows.h>

#include <memory>

#include "net/http_transport.h"

namespace orvx::net {

// The transport keeps no state between requests: one instance may serve
// several components fetching at the same time. Each request's waits for
// the server (connecting, the answer, every piece of the body) end after
// its stall_timeout_ms.
std::shared_ptr<HttpTransport> wininet_transport();

}  // namespace orvx::net
