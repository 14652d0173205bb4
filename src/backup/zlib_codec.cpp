#include "backup/zlib_codec.h"

#include <zlib.h>

#include <utility>

#include "backup/container_error.h"

namespace orvx::backup {

namespace {

constexpr int kWindowBits = 15;
constexpr int kMemoryLevel = 8;
constexpr size_t kOutputPiece = 16 * 1024;

[[noreturn]] void fail(const std::string& file, const char* call, int result, const z_stream& stream) {
  std::string text = file + ": zlib's " + call + " returned " + zlib_result_name(result);
  if (stream.msg) text += std::string(" (") + stream.msg + ")";
  throw ContainerError(text);
}

}  // namespace

std::string zlib_result_name(int result) {
  switch (result) {
    case Z_OK:
      return "Z_OK";
    case Z_STREAM_END:
      return "Z_STREAM_END";
    case Z_NEED_DICT:
      return "Z_NEED_DICT";
    case Z_ERRNO:
      return "Z_ERRNO";
    case Z_STREAM_ERROR:
      return "Z_STREAM_ERROR";
    case Z_DATA_ERROR:
      return "Z_DATA_ERROR";
    case Z_MEM_ERROR:
      return "Z_MEM_ERROR";
    case Z_BUF_ERROR:
      return "Z_BUF_ERROR";
    case Z_VERSION_ERROR:
      return "Z_VERSION_ERROR";
  }
  return "zlib result " + std::to_string(result);
}

Deflater::Deflater(int level, std::string file) : stream_(std::make_unique<z_stream>()), file_(std::move(file)) {
  int result = deflateInit2(stream_.get(), level, Z_DEFLATED, kWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY);
  // A failed init leaves nothing to end, and the destructor does not run.
  if (result != Z_OK) fail(file_, "deflateInit2", result, *stream_);
}

Deflater::~Deflater() {
  if (stream_) deflateEnd(stream_.get());
}

void Deflater::add(std::string_view data, std::string& out) {
  stream_->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream_->avail_in = static_cast<uInt>(data.size());
  run(Z_NO_FLUSH, out);
}

void Deflater::finish(std::string& out) {
  stream_->next_in = nullptr;
  stream_->avail_in = 0;
  run(Z_FINISH, out);
}

void Deflater::run(int flush, std::string& out) {
  unsigned char piece[kOutputPiece];
  for (;;) {
    stream_->next_out = piece;
    stream_->avail_out = sizeof piece;
    int result = deflate(stream_.get(), flush);
    out.append(reinterpret_cast<const char*>(piece), sizeof piece - stream_->avail_out);
    if (result == Z_STREAM_END) return;
    if (result != Z_OK && result != Z_BUF_ERROR) fail(file_, "deflate", result, *stream_);
    // Without Z_FINISH, deflate is done once it has taken all input and has
    // room left over; with Z_FINISH it goes on until Z_STREAM_END.
    if (flush != Z_FINISH && stream_->avail_in == 0 && stream_->avail_out != 0) return;
  }
}

Inflater::Inflater(std::string_view compressed, std::string file)
    : stream_(std::make_unique<z_stream>()), file_(std::move(file)) {
  stream_->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream_->avail_in = static_cast<uInt>(compressed.size());
  int result = inflateInit2(stream_.get(), kWindowBits);
  if (result != Z_OK) fail(file_, "inflateInit2", result, *stream_);
}

Inflater::~Inflater() {
  if (stream_) inflateEnd(stream_.get());
}

size_t Inflater::read(char* buffer, size_t size) {
  if (ended_ || size == 0) return 0;
  stream_->next_out = reinterpret_cast<Bytef*>(buffer);
  stream_->avail_out = static_cast<uInt>(size);
  while (stream_->avail_out != 0) {
    int result = inflate(stream_.get(), Z_NO_FLUSH);
    if (result == Z_STREAM_END) {
      ended_ = true;
      if (stream_->avail_in != 0) {
        throw ContainerError(file_ + ": the compressed data goes on after its zlib stream ends");
      }
      break;
    }
    if (result == Z_BUF_ERROR && stream_->avail_in == 0) {
      throw ContainerError(file_ + ": the compressed data ends before its zlib stream does");
    }
    if (result != Z_OK) fail(file_, "inflate", result, *stream_);
  }
  return size - stream_->avail_out;
}

}  // namespace orvx::backup
