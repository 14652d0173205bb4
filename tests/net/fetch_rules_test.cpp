// The transport-independent rules of a download: the address split, the
// announced length, and when a transfer counts as complete.
#include <gtest/gtest.h>

#include "net/fetch_rules.h"
#include "net/http_address.h"

namespace orvx::net {
namespace {

struct AddressCase {
  const char* url;
  bool valid;
  const char* host;
  const char* path;
};

TEST(SplitHttpAddress, HostAndPath) {
  const AddressCase cases[] = {
      {"http://example.org/update.inf", true, "example.org", "/update.inf"},
      {"HTTP://Example.org/Files/Lang/english.qlf", true, "Example.org", "/Files/Lang/english.qlf"},
      {"hTtP://h/", true, "h", "/"},
      {"example.org/lang.dat", true, "example.org", "/lang.dat"},
      {"http://example.org/a b/c?x=1", true, "example.org", "/a b/c?x=1"},
      // No path after the host, or no host at all: nothing to fetch.
      {"http://example.org", false, "", ""},
      {"example.org", false, "", ""},
      {"http:///path", false, "", ""},
      {"/path", false, "", ""},
      {"", false, "", ""},
      // The scheme is removed once; a port stays part of the host name,
      // which then cannot be reached.
      {"http://http://h/x", true, "http:", "//h/x"},
      {"http://h:8080/x", true, "h:8080", "/x"},
  };
  for (const AddressCase& c : cases) {
    SCOPED_TRACE(c.url);
    std::optional<HttpAddress> address = split_http_address(c.url);
    ASSERT_EQ(address.has_value(), c.valid);
    if (!c.valid) continue;
    EXPECT_EQ(address->host, c.host);
    EXPECT_EQ(address->path, c.path);
  }
}

TEST(ParseContentLength, DecimalThatFits32BitSigned) {
  const std::pair<const char*, std::optional<int32_t>> cases[] = {
      {"0", 0},
      {"1000", 1000},
      {"007", 7},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"-1", std::nullopt},
      {"+5", std::nullopt},
      {" 12", std::nullopt},
      {"12 ", std::nullopt},
      {"0x10", std::nullopt},
      {"1e3", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parse_content_length(text), expected);
  }
}

TEST(TransferComplete, Rules) {
  constexpr FetchMode kFile = FetchMode::kFile;
  constexpr FetchMode kString = FetchMode::kString;
  struct Case {
    const char* what;
    TransferFacts facts;
    bool complete;
  };
  const Case cases[] = {
      {"file, length met", {kFile, 1000, 1000, true}, true},
      {"file, length met, read failed after it", {kFile, 1000, 1000, false}, true},
      {"file, body shorter", {kFile, 1000, 600, true}, false},
      {"file, body longer", {kFile, 1000, 1500, true}, false},
      {"file, length 0, empty body", {kFile, 0, 0, true}, true},
      {"file, no length, body ended normally", {kFile, std::nullopt, 600, true}, true},
      {"file, no length, read failed", {kFile, std::nullopt, 600, false}, false},
      {"file, no length, no body", {kFile, std::nullopt, 0, true}, false},
      {"string, no length, body", {kString, std::nullopt, 5, true}, true},
      {"string, no length, read failed", {kString, std::nullopt, 5, false}, false},
      {"string, no length, no body", {kString, std::nullopt, 0, true}, false},
      {"string, length met", {kString, 5, 5, true}, true},
      {"string, body shorter than announced", {kString, 1000, 600, true}, false},
      {"string, length 0, empty body", {kString, 0, 0, true}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(transfer_complete(c.facts), c.complete);
  }
}

TEST(StatusAccepted, OnlyTwoHundreds) {
  const std::pair<std::optional<int>, bool> cases[] = {
      {200, true},  {204, true},  {299, true},  {std::nullopt, false}, {0, false},    {199, false},
      {300, false}, {304, false}, {404, false}, {500, false},          {-200, false},
  };
  for (const auto& [status, accepted] : cases) {
    SCOPED_TRACE(status.value_or(-1));
    EXPECT_EQ(status_accepted(status), accepted);
  }
}

}  // namespace
}  // namespace orvx::net
