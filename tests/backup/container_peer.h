#pragma once
// The independent reader and writer of the container layout (container.py,
// run with python3 and its zlib module), for the interoperation tests.
#include <sys/wait.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/paths.h"

namespace orvx::test {

struct PeerResult {
  int status = -1;
  std::string output;  // stdout and stderr
};

// Runs container.py with the given arguments (each quoted for the shell).
inline PeerResult run_peer(const std::vector<std::string>& args) {
  auto quoted = [](const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  std::string command = "python3 " + quoted(test::source_dir() + "/tests/backup/container.py");
  for (const auto& a : args) command += " " + quoted(a);
  command += " 2>&1";
  PeerResult result;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) result.output.append(buffer, n);
  int status = pclose(pipe.release());
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace orvx::test
