#include "support/TempFolder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vb::test {

namespace fs = std::filesystem;

static fs::path NativeOf(const std::string& path) {
#ifdef _WIN32
  return fs::path(path);
#else
  std::string native = path;
  for (char& c : native)
    if (c == '\\') c = '/';
  return fs::path(native);
#endif
}

static std::string ProgramFormOf(const fs::path& path) {
  std::string text = path.string();
  for (char& c : text)
    if (c == '/') c = '\\';
  return text;
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path folder = fs::temp_directory_path() /
                    ("vbtest_" + std::to_string(stamp % 100000000) + "_" + std::to_string(counter++));
  fs::create_directories(folder);
  path_ = ProgramFormOf(folder) + "\\";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::path native = NativeOf(path_);
  // Read-only files left by a test must not stop the clean-up.
  for (auto& entry : fs::recursive_directory_iterator(native, ignored))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(native, ignored);
}

void WriteTextFile(const std::string& path, const std::string& content) {
  std::ofstream out(NativeOf(path), std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out << content;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(NativeOf(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(NativeOf(folder)))
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string SourceFolder() {
  const char* fromEnvironment = std::getenv("VB_SOURCE_DIR");
  std::string folder = fromEnvironment && *fromEnvironment ? fromEnvironment : VB_SOURCE_DIR;
#ifdef _WIN32
  // Under wine the Unix source path is reached through the Z: drive.
  if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
#endif
  return ProgramFormOf(fs::path(folder)) + "\\";
}

}  // namespace vb::test
