#include "update/web_page.h"

namespace orvx::update {
namespace {

bool starts_with_no_case(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool is_web_page_address(std::string_view address) {
  for (unsigned char c : address) {
    if (c <= ' ' || c == 0x7F || c == '\\') return false;
  }
  std::string_view rest;
  if (starts_with_no_case(address, "http://")) {
    rest = address.substr(7);
  } else if (starts_with_no_case(address, "https://")) {
    rest = address.substr(8);
  } else {
    return false;
  }
  return !rest.empty() && rest.front() != '/';
}

}  // namespace orvx::update
