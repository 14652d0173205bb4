#pragma once
// The update server: where the language catalogue, the language files and
// the update information live. Built in, and replaceable by the key
// `update_server` in section `Settings` of config.qcf (for a mirror, or a
// test server on this machine).
#include <string>
#include <string_view>

namespace orvx::net {

inline constexpr char kBuiltInUpdateServer[] = "http://update.orvane-x.de/orvx";
inline constexpr char kUpdateServerSection[] = "Settings";
inline constexpr char kUpdateServerKey[] = "update_server";

// The base address to use: `configured` when it is an address the download
// component can fetch from (plain http, a host, no blanks or control
// characters), without trailing slashes; otherwise the built-in one.
std::string update_server_base(std::string_view configured);

// `base` followed by `path` (which begins with "/").
std::string update_server_url(std::string_view base, std::string_view path);

}  // namespace orvx::net
