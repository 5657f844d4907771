// A temporary folder for one test, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ql::test {

class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path() + "/" + name.
  std::string operator/(std::string_view name) const;

 private:
  std::string path_;
};

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
// Names in the folder (all entries but "." and ".."), sorted.
std::vector<std::string> ListNames(const std::string& dir);
// Copy of a file of tests/data.
std::string DataFile(std::string_view name);
// Sets the modification time of a file (seconds since 1970).
void SetMTime(const std::string& path, std::int64_t seconds);

}  // namespace ql::test
