#pragma once
#include <string>

namespace orvx::test {

// The source tree and the build tree, as the test program sees them (under
// Wine these are Z: paths).
std::string source_dir();
std::string binary_dir();

// A fresh, empty folder for one test, ending with a separator; removed with
// its contents when the object goes.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

}  // namespace orvx::test
