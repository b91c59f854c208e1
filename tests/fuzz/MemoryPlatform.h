#pragma once
// The native platform with an in-memory file system and silent message boxes,
// so fuzz targets never touch the disk or block on a question.
#include <map>
#include <string>

#include "platform/portable/PortablePlatform.h"

namespace vb::fuzz {

class MemoryPlatform : public PortablePlatform {
 public:
  std::map<std::string, std::string> Files;
  int Boxes = 0;

  int ShowBox(const std::string&, const std::string&, unsigned) override {
    ++Boxes;
    return 1;
  }
  bool PathExists(const std::string& path) override { return Files.count(path) > 0; }
  std::uint32_t FileAttributes(const std::string& path) override { return Files.count(path) ? 0x80u : 0xFFFFFFFFu; }
  bool ReadFileBytes(const std::string& path, std::string& content) override {
    auto found = Files.find(path);
    if (found == Files.end()) return false;
    content = found->second;
    return true;
  }
  bool WriteFileBytes(const std::string& path, const std::string& content) override {
    Files[path] = content;
    return true;
  }
  bool AppendFileBytes(const std::string& path, const std::string& content) override {
    Files[path] += content;
    return true;
  }
  bool FileByteSize(const std::string& path, std::uint64_t& size) override {
    auto found = Files.find(path);
    if (found == Files.end()) return false;
    size = found->second.size();
    return true;
  }
  bool MoveFileOver(const std::string& from, const std::string& to) override {
    auto found = Files.find(from);
    if (found == Files.end()) return false;
    Files[to] = found->second;
    Files.erase(found);
    return true;
  }
  bool RemoveFile(const std::string& path) override { return Files.erase(path) > 0; }
  bool ChangeFileAttributes(const std::string&, std::uint32_t) override { return true; }
};

}  // namespace vb::fuzz
