#pragma once
// When a download counts as complete. Kept apart from the worker so that
// each rule can be checked on its own.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvx::net {

enum class FetchMode { kFile, kString };

// Why a fetch ended in OnError, so that a caller can tell the user what
// failed: the network, the server, the content, or a file on this machine.
enum class FetchFailure {
  kNone,          // the fetch succeeded (or none has ended yet)
  kNoConnection,  // no server answered: unreachable, refused, no HTTP answer, no address
  kServerStatus,  // the server answered with a status other than 2xx
  kIncomplete,    // the body was cut off, too long, unreadable or had no length where one was needed
  kStalled,       // nothing arrived for longer than the stall bound
  kRefused,       // complete, but the caller's check refused the content
  kLocalFile,     // the target file could not be created, written or put in place
  kCancelled,     // CancelFetch, or the component went away
};

// The announced body length: decimal digits only, fitting 32-bit signed.
// Anything else (empty, a sign, blanks, letters, too large) is nullopt and
// ends the fetch as a failure.
std::optional<int32_t> parse_content_length(std::string_view text);

// Only a 2xx status delivers content: an error page (404, 500, a redirect
// that was not followed) is never installed or parsed. No status at all
// (no server answered) is no success either.
bool status_accepted(std::optional<int> status);

// Where a file fetch writes while the body arrives: beside the target, so
// that the finished file replaces the target in one step on the same drive.
std::string partial_file_name(const std::string& target);

struct TransferFacts {
  FetchMode mode = FetchMode::kFile;
  std::optional<int32_t> announced;  // the Content-Length, when there was one
  int32_t received = 0;              // body bytes received
  bool ended_normally = false;       // the body ended; reading did not fail
};

// With an announced length the body must have exactly that many bytes (a
// string fetch needs at least one byte besides). Without one, the server must
// have sent a body and ended it normally: no body at all, or a read that
// failed, means the transfer cannot be trusted.
bool transfer_complete(const TransferFacts& facts);

}  // namespace orvx::net
