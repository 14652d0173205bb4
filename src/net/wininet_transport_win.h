#pragma once
// The download component's HTTP stack on Windows: wininet, synchronous,
// used from the worker threads.
#include <memory>

#include "net/http_transport.h"

namespace orvx::net {

// One shared instance serves every component; it keeps no state between
// requests, so concurrent fetches on different components do not meet.
std::shared_ptr<HttpTransport> WininetTransport();

}  // namespace orvx::net
