#include "support/scripted_http.h"

#include <algorithm>
#include <cstring>

namespace orvx::test {

void Gate::pass() {
  std::unique_lock lock(mutex_);
  reached_ = true;
  changed_.notify_all();
  changed_.wait(lock, [&] { return open_; });
}

void Gate::open() {
  std::lock_guard lock(mutex_);
  open_ = true;
  changed_.notify_all();
}

bool Gate::wait_reached(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return reached_; });
}

ScriptedReply ScriptedReply::length(std::string length, std::vector<std::string> pieces) {
  ScriptedReply reply;
  reply.content_length = std::move(length);
  reply.status = 200;
  reply.pieces = std::move(pieces);
  return reply;
}

ScriptedReply ScriptedReply::no_length(std::vector<std::string> pieces) {
  ScriptedReply reply;
  reply.pieces = std::move(pieces);
  reply.status = 200;
  return reply;
}

ScriptedReply ScriptedReply::with_status(int code) const {
  ScriptedReply reply = *this;
  reply.status = code;
  return reply;
}

ScriptedReply ScriptedReply::not_openable() {
  ScriptedReply reply;
  reply.unprepared = true;
  return reply;
}

ScriptedReply ScriptedReply::no_answer_in_time() {
  ScriptedReply reply;
  reply.times_out = true;
  return reply;
}

ScriptedReply ScriptedReply::stalls_at_end() const {
  ScriptedReply reply = failing_at_end();
  reply.times_out = true;
  return reply;
}

ScriptedReply ScriptedReply::failing_at_end() const {
  ScriptedReply reply = *this;
  reply.read_fails_at_end = true;
  return reply;
}

ScriptedReply ScriptedReply::hold_before(size_t piece, std::shared_ptr<Gate> gate) const {
  ScriptedReply reply = *this;
  reply.gate = std::move(gate);
  reply.gate_piece = piece;
  return reply;
}

class ScriptedResponse : public net::HttpResponse {
 public:
  ScriptedResponse(ScriptedHttp& owner, ScriptedReply reply) : owner_(owner), reply_(std::move(reply)) {}
  ~ScriptedResponse() override {
    std::lock_guard lock(owner_.mutex_);
    ++owner_.released_;
  }

  std::optional<std::string> content_length() override { return reply_.content_length; }
  std::optional<int> status_code() override { return reply_.status; }
  bool timed_out() override { return timed_out_; }

  std::optional<size_t> read(char* buffer, size_t size) override {
    {
      std::lock_guard lock(owner_.mutex_);
      owner_.read_sizes_.push_back(size);
    }
    if (reply_.gate && piece_ == reply_.gate_piece && offset_ == 0) {
      std::shared_ptr<Gate> gate = std::move(reply_.gate);
      gate->pass();
    }
    if (piece_ == reply_.pieces.size()) {
      if (reply_.read_fails_at_end) {
        timed_out_ = reply_.times_out;
        return std::nullopt;
      }
      return 0;
    }
    const std::string& piece = reply_.pieces[piece_];
    size_t count = std::min(size, piece.size() - offset_);
    std::memcpy(buffer, piece.data() + offset_, count);
    offset_ += count;
    if (offset_ == piece.size()) {
      ++piece_;
      offset_ = 0;
    }
    return count;
  }

 private:
  ScriptedHttp& owner_;
  ScriptedReply reply_;
  bool timed_out_ = reply_.times_out && !reply_.status;  // the answer did not come in time
  size_t piece_ = 0;
  size_t offset_ = 0;
};

void ScriptedHttp::reply(const std::string& path, ScriptedReply reply) {
  std::lock_guard lock(mutex_);
  replies_[path] = std::move(reply);
}

std::unique_ptr<net::HttpResponse> ScriptedHttp::send(const net::HttpRequest& request) {
  ScriptedReply reply;
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    auto it = replies_.find(request.path);
    if (it != replies_.end()) reply = it->second;
    if (reply.unprepared) return nullptr;
    ++opened_;
  }
  return std::make_unique<ScriptedResponse>(*this, std::move(reply));
}

std::vector<net::HttpRequest> ScriptedHttp::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::vector<size_t> ScriptedHttp::read_sizes() const {
  std::lock_guard lock(mutex_);
  return read_sizes_;
}

int ScriptedHttp::opened() const {
  std::lock_guard lock(mutex_);
  return opened_;
}

int ScriptedHttp::released() const {
  std::lock_guard lock(mutex_);
  return released_;
}

std::string pattern_body(size_t size) {
  static const char kPattern[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_\r\n";
  constexpr size_t kLength = sizeof kPattern - 1;
  std::string body(size, '\0');
  for (size_t i = 0; i < size; ++i) body[i] = kPattern[i % kLength];
  return body;
}

}  // namespace orvx::test
