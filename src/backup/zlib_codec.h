#pragma once
// One zlib stream (RFC 1950: header, deflate data, Adler-32 trailer) per file:
// compressed with method deflate, a 32 KiB window (window bits 15), memory
// level 8 and the default strategy; decompressed with window bits 15, so the
// header and the trailer must be present.
//
// Errors reported by zlib throw ContainerError with a text that names the
// file concerned and zlib's result, e.g. "Z_DATA_ERROR (incorrect header
// check)".
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

struct z_stream_s;

namespace orvx::backup {

// The name of a zlib result code, e.g. "Z_DATA_ERROR"; unknown codes as numbers.
std::string zlib_result_name(int result);

class Deflater {
 public:
  // level: 0 to 9, or -1 for zlib's default. Other levels are refused by
  // zlib. `file` names the file being compressed in error messages.
  Deflater(int level, std::string file);
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;
  ~Deflater();

  // Compresses `data`, appending whatever output is ready to `out`.
  void add(std::string_view data, std::string& out);
  // Ends the stream, appending the rest of it to `out`.
  void finish(std::string& out);

 private:
  void run(int flush, std::string& out);
  std::unique_ptr<z_stream_s> stream_;
  std::string file_;
};

// Decompresses one zlib stream that is held in memory, piece by piece.
class Inflater {
 public:
  // `compressed` must stay alive while the inflater is used. `file` names
  // the file being unpacked in error messages.
  Inflater(std::string_view compressed, std::string file);
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  ~Inflater();

  // Fills `buffer` with up to `size` decompressed bytes and returns how many;
  // fewer than `size` only when the stream has ended, 0 after that. Throws
  // when the data is damaged, ends before the stream does, or goes on after
  // the stream's end.
  size_t read(char* buffer, size_t size);

 private:
  std::unique_ptr<z_stream_s> stream_;
  std::string file_;
  bool ended_ = false;
};

}  // namespace orvx::backup
