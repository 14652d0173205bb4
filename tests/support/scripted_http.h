#pragma once
// An HTTP stack stand-in for native tests of the download component. Each
// path gets a scripted reply; a path without one behaves like a server that
// cannot be reached (no length, no body). Every request is recorded.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "harness/deadline.h"
#include "net/http_transport.h"

namespace orvx::test {

// A point where a reply stops until the test opens it, so that a test can
// act while a worker is known to be in the middle of a read.
class Gate {
 public:
  // Worker side: marks the gate reached and waits until it is opened.
  void pass();
  void open();
  // True once a worker waits at (or went through) the gate, within `timeout`.
  bool wait_reached(std::chrono::milliseconds timeout = harness::kDefaultDeadline);

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool reached_ = false;
  bool open_ = false;
};

struct ScriptedReply {
  // A reply announcing `length` (the header's text) and sending `pieces`.
  static ScriptedReply length(std::string length, std::vector<std::string> pieces = {});
  // A reply without Content-Length.
  static ScriptedReply no_length(std::vector<std::string> pieces = {});
  // The same reply with another status code.
  ScriptedReply with_status(int code) const;
  // A request that cannot even be opened.
  static ScriptedReply not_openable();
  // A server that took the request and sent nothing back within the stall
  // bound.
  static ScriptedReply no_answer_in_time();
  // The same reply, but reading fails after the pieces instead of ending.
  ScriptedReply failing_at_end() const;
  // The same reply, but after the pieces the server sends nothing more
  // within the stall bound: the next read times out.
  ScriptedReply stalls_at_end() const;
  // The same reply, stopping at `gate` before the piece `piece`.
  ScriptedReply hold_before(size_t piece, std::shared_ptr<Gate> gate) const;

  std::optional<std::string> content_length;  // the header's text; nullopt: none
  std::optional<int> status;                  // 200 for Length and NoLength; nullopt: no server answered
  // What the reads return, in order. A piece larger than the reader's
  // buffer comes in several reads.
  std::vector<std::string> pieces;
  bool read_fails_at_end = false;  // after the pieces, reading fails instead of ending
  bool times_out = false;          // that failure, or the missing answer, is a timeout
  bool unprepared = false;         // the request cannot even be opened
  std::shared_ptr<Gate> gate;      // when set, passed before the piece gate_piece
  size_t gate_piece = 0;
};

class ScriptedHttp : public net::HttpTransport {
 public:
  void reply(const std::string& path, ScriptedReply reply);

  std::unique_ptr<net::HttpResponse> send(const net::HttpRequest& request) override;

  std::vector<net::HttpRequest> requests() const;
  // The buffer sizes the reads asked for, over all replies.
  std::vector<size_t> read_sizes() const;
  // Replies handed out and replies released again (their handles closed).
  int opened() const;
  int released() const;

 private:
  friend class ScriptedResponse;
  mutable std::mutex mutex_;
  std::map<std::string, ScriptedReply> replies_;
  std::vector<net::HttpRequest> requests_;
  std::vector<size_t> read_sizes_;
  int opened_ = 0;
  int released_ = 0;
};

// The body of `size` bytes the tests use: a repeating pattern, so that
// every offset has a known byte.
std::string pattern_body(size_t size);

}  // namespace orvx::test
