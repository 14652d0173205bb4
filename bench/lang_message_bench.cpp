// get_message reads the language file at every call. This prints what one
// lookup costs next to the bare read of the file (the floor for any lookup
// that reads the file afresh) and next to parsing the whole file first.
#include <chrono>
#include <cstdio>
#include <string>

#include "ini/ini_file.h"
#include "lang/translator.h"
#include "lang/named_components.h"
#include "platform/files.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double microseconds_per_call(int calls, F&& f) {
  const auto start = Clock::now();
  for (int i = 0; i < calls; ++i) f();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
}

std::string english_file() {
  std::string here = __FILE__;
  return here.substr(0, here.rfind('/')) + "/../resources/English.qlf";
}

}  // namespace

int main() {
  using namespace orvx;
  const std::string path = english_file();
  const auto bytes = files::read_file(path);
  if (!bytes) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  WindowRegistry windows;
  lang::Translator translator(windows);
  translator.load_language(path);

  constexpr int kCalls = 20000;
  size_t sink = 0;
  std::printf("get_message on the shipped English file (%zu bytes), %d calls each\n", bytes->size(), kCalls);
  std::printf("%-10s %12s %12s %12s %14s %14s\n", "id", "read us", "lookup us", "parse us", "lookup/read",
              "parse/lookup");
  for (const char* id : {"MSDLG_0", "MSDLG_11", "List_5"}) {
    // Interleaved rounds, so that all three see the same machine load.
    double read = 0, lookup = 0, parse = 0;
    for (int round = 0; round < 5; ++round) {
      read += microseconds_per_call(kCalls / 5, [&] { sink += files::read_file(path)->size(); });
      lookup += microseconds_per_call(kCalls / 5, [&] { sink += translator.get_message("x", id).size(); });
      parse += microseconds_per_call(
          kCalls / 5, [&] { sink += ini::IniText::load(path).value(lang::kMessageSection, id).value_or("").size(); });
    }
    read /= 5, lookup /= 5, parse /= 5;
    std::printf("%-10s %12.2f %12.2f %12.2f %13.2fx %13.2fx\n", id, read, lookup, parse, lookup / read, parse / lookup);
  }
  return sink == 0 ? 1 : 0;
}
