#pragma once
// Making a folder link for tests: a symbolic link where the system allows one,
// and under wine a link of the host's file system, which wine reports as a
// reparse point as Windows does.
#include <string>

namespace vb::test {

// Makes `link` (a path that does not exist yet) a link to the folder `target`.
// False when neither kind of link can be made or it is not seen as a link.
bool MakeFolderLink(const std::string& link, const std::string& target);

}  // namespace vb::test
