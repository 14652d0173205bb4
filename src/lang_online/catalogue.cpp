#include "lang_online/catalogue.h"

#include "platform/split_text.h"

namespace orvx::lang_online {
namespace {

bool blank_or_control(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<std::string> split_catalogue(std::string_view body) {
  while (!body.empty() && blank_or_control(body.front())) body.remove_prefix(1);
  while (!body.empty() && blank_or_control(body.back())) body.remove_suffix(1);
  if (body.empty()) return {};
  return split_text(body, ",");
}

}  // namespace orvx::lang_online
