#pragma once
// Helpers for the container tests: folder trees written from and read into a
// map, containers built and taken apart byte by byte without the code under
// test.
#include <zlib.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/files.h"

namespace orvx::test {

// Relative paths use "/" in tests; the helpers turn it into the platform's
// separator. A path ending in "/" stands for a folder.
class Tree : public std::map<std::string, std::string> {
 public:
  using std::map<std::string, std::string>::map;
};

inline std::string escaped(const std::string& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      out += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
    }
  }
  return out;
}

// Long contents are shown by size and checksum in test failures.
inline void PrintTo(const Tree& tree, std::ostream* os) {
  *os << "{";
  for (const auto& [path, content] : tree) {
    *os << "\n  \"" << escaped(path) << "\": ";
    if (content.size() <= 40) {
      *os << "\"" << escaped(content) << "\"";
    } else {
      *os << content.size() << " bytes, adler32 " << std::hex
          << adler32(1, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())) << std::dec;
    }
  }
  *os << "\n}";
}

inline std::string local_path(std::string relative) {
  for (char& c : relative) {
    if (c == '/') c = files::kSeparator;
  }
  return relative;
}

inline void write_tree(const std::string& root, const Tree& tree) {
  for (const auto& [relative, content] : tree) {
    std::string path = root + local_path(relative);
    if (!relative.empty() && relative.back() == '/') {
      if (!files::create_folders(path)) throw std::runtime_error("cannot create " + path);
      continue;
    }
    if (!files::create_folders(files::folder_of(path)) || !files::write_file(path, content)) {
      throw std::runtime_error("cannot write " + path);
    }
  }
}

// Every file with its content and every folder (as "name/") below `root`.
inline Tree read_tree(const std::string& root, const std::string& relative = "") {
  Tree tree;
  for (const auto& entry : files::list_folder(root + local_path(relative), "*")) {
    if (entry.name == "." || entry.name == "..") continue;
    std::string child = relative + entry.name;
    if (entry.attributes & files::kDirectory) {
      tree[child + "/"] = "";
      tree.merge(read_tree(root, child + "/"));
    } else {
      tree[child] = files::read_file(root + local_path(child)).value_or("<unreadable>");
    }
  }
  return tree;
}

inline std::string le32(uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>(v >> 24)};
}

inline std::string zlib_compress(const std::string& content, int level = Z_DEFAULT_COMPRESSION) {
  uLongf size = compressBound(static_cast<uLong>(content.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(content.data()),
                static_cast<uLong>(content.size()), level) != Z_OK) {
    throw std::runtime_error("compress2 failed");
  }
  out.resize(size);
  return out;
}

// One record as the container stores it.
inline std::string record(const std::string& folder_part, const std::string& name, uint32_t size,
                          const std::string& compressed) {
  return std::string(1, static_cast<char>(folder_part.size())) + folder_part +
         std::string(1, static_cast<char>(name.size())) + name + le32(size) +
         le32(static_cast<uint32_t>(compressed.size())) + compressed;
}

// A record holding `content`; an empty content gets no zlib data.
inline std::string file_record(const std::string& folder_part, const std::string& name, const std::string& content) {
  return record(folder_part, name, static_cast<uint32_t>(content.size()),
                content.empty() ? std::string() : zlib_compress(content));
}

struct ParsedRecord {
  std::string folder_part;
  std::string name;
  uint32_t size = 0;
  std::string compressed;
  bool operator<(const ParsedRecord& o) const { return folder_part + '\n' + name < o.folder_part + '\n' + o.name; }
};

// Takes a container apart; throws when it does not divide into records.
inline std::vector<ParsedRecord> parse_container(const std::string& bytes) {
  std::vector<ParsedRecord> out;
  size_t pos = 0;
  auto take = [&](size_t n) {
    if (pos + n > bytes.size()) throw std::runtime_error("container ends inside a record");
    std::string part = bytes.substr(pos, n);
    pos += n;
    return part;
  };
  auto length = [&] { return static_cast<unsigned char>(take(1)[0]); };
  auto number = [&] {
    std::string b = take(4);
    return uint32_t(uint8_t(b[0])) | uint32_t(uint8_t(b[1])) << 8 | uint32_t(uint8_t(b[2])) << 16 |
           uint32_t(uint8_t(b[3])) << 24;
  };
  while (pos < bytes.size()) {
    ParsedRecord r;
    r.folder_part = take(length());
    r.name = take(length());
    r.size = number();
    r.compressed = take(number());
    out.push_back(std::move(r));
  }
  return out;
}

inline std::string zlib_uncompress(const std::string& compressed, uint32_t size) {
  std::string out(size, '\0');
  uLongf got = size;
  if (uncompress(reinterpret_cast<Bytef*>(out.data()), &got, reinterpret_cast<const Bytef*>(compressed.data()),
                 static_cast<uLong>(compressed.size())) != Z_OK ||
      got != size) {
    throw std::runtime_error("not a zlib stream of the announced size");
  }
  return out;
}

// Text that compresses well, and bytes that do not compress at all.
inline std::string text_of(size_t size, uint32_t seed = 1) {
  static const char* const kWords[] = {"Desktop ",    "Symbol ",    "Profil ", "Arbeitsplatz ",
                                       "Papierkorb ", "1280x1024 ", "Größe ",  "\r\n"};
  std::string out;
  uint32_t x = seed;
  while (out.size() < size) {
    x = x * 1103515245u + 12345u;
    out += kWords[(x >> 16) % 8];
  }
  out.resize(size);
  return out;
}

inline std::string noise_of(size_t size, uint32_t seed = 7) {
  std::string out(size, '\0');
  uint64_t x = seed * 0x9E3779B97F4A7C15ull + 1;
  for (char& c : out) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    c = static_cast<char>(x >> 24);
  }
  return out;
}

}  // namespace orvx::test
