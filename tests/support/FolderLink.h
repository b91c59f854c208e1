#pragma once
// Making a folder link for tests: a symbolic link where the system allows one,
// and under wine a link of the host's file system, which wine reports as a
// reparse point as Windows does.
#include <string>

namespace vb::test {

// Makes `link` (a path that does not exist yet) a link to the folder `target`
// for the scope's life, and removes the link itself (never what it points to)
// at its end, before the test's folder is cleaned up.
class ScopedFolderLink {
 public:
  ScopedFolderLink(const std::string& link, const std::string& target);
  ~ScopedFolderLink();
  ScopedFolderLink(const ScopedFolderLink&) = delete;
  ScopedFolderLink& operator=(const ScopedFolderLink&) = delete;
  // False when neither kind of link can be made or it is not seen as a link.
  bool Made() const { return made_; }

 private:
  std::string link_;
  bool made_;
};

}  // namespace vb::test
