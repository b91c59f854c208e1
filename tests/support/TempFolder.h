#pragma once
// A fresh folder for one test, removed with everything in it afterwards. Its
// path is in the program's form (backslash delimiters) on both builds.
#include <string>
#include <vector>

namespace vb::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder, ending with a backslash.
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Whole-file helpers for test setup (program-form paths).
void WriteTextFile(const std::string& path, const std::string& content);
std::string ReadTextFile(const std::string& path);
// The names (without folder) of the files in a folder, sorted.
std::vector<std::string> FileNamesIn(const std::string& folder);
// The source tree (for the shipped data), in program form, ending with a backslash.
std::string SourceFolder();

}  // namespace vb::test
