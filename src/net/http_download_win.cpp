// The component as the program uses it: wininet, and events delivered
// through the creating thread's window messages.
#include "net/http_download.h"
#include "net/message_window_link_win.h"
#include "net/wininet_transport_win.h"

namespace orvx::net {

HttpDownload::HttpDownload() : HttpDownload(wininet_transport(), std::make_unique<MessageWindowLink>()) {}

}  // namespace orvx::net
