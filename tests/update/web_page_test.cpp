// Which addresses of the update information's page the shell may open.
#include <gtest/gtest.h>

#include <string>

#include "update/web_page.h"

namespace orvx::update {
namespace {

TEST(IsWebPageAddress, Table) {
  const struct {
    std::string address;
    bool web_page;
  } cases[] = {
      {"http://updates.orvane-x.de/news.html", true},
      {"https://updates.orvane-x.de/news.html", true},
      {"HTTP://UPDATES.ORVANE-X.DE/", true},
      {"hTtPs://h", true},
      {"http://h:8080/a?b=c&d=e#f", true},
      // Programs and files on this machine or a share.
      {"C:\\WINDOWS\\system32\\calc.exe", false},
      {"calc.exe", false},
      {"\\\\server\\share\\setup.exe", false},
      {"file:///C:/WINDOWS/system32/calc.exe", false},
      {"file://server/share/setup.exe", false},
      // Other schemes and handlers.
      {"ftp://updates.orvane-x.de/", false},
      {"javascript:alert(1)", false},
      {"mailto:info@orvane-x.de", false},
      {"shell:startup", false},
      // Not quite http.
      {"http:\\\\server\\share\\x.exe", false},
      {"http:/h/x", false},
      {"http://", false},
      {"https://", false},
      {"http:///x", false},
      {"http://\\\\server\\share", false},
      {"http://h/x\\y", false},
      {" http://h/", false},
      {"http://h/a b", false},
      {"http://h/\r\nx", false},
      {std::string("http://h/\0x", 10), false},
      {"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_web_page_address(c.address), c.web_page) << c.address;
  }
}

}  // namespace
}  // namespace orvx::update
