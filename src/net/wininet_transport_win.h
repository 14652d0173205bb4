#pragma once
// The download component's HTTP stack on Windows: wininet, synchronous,
// used from the worker threads.
#include <windows.h>

#include <memory>

#include "net/http_transport.h"

namespace orvx::net {

// How long a read may wait for the server before the transfer fails. A
// server that stops sending would otherwise hold the worker, and a waiting
// caller, for good.
inline constexpr DWORD kDefaultReceiveTimeoutMs = 30000;

// The transport keeps no state between requests: one instance may serve
// several components fetching at the same time.
std::shared_ptr<HttpTransport> WininetTransport(DWORD receive_timeout_ms = kDefaultReceiveTimeoutMs);

}  // namespace orvx::net
