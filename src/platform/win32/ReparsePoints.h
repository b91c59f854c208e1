#pragma once
// Symbolic links, junctions and mount points: the installer never goes through
// one while it copies or deletes, so it never reaches a folder that is not its own.
#include <string>

namespace vb {

// The path itself is a link of some kind (the link, not what it points to).
bool IsReparsePoint(const std::string& path);
// The first of `base\a`, `base\a\b`, ... for the names of `relative` that is a
// link; the last name counts only when `includingLast`. Empty when there is none.
// `base` itself is not looked at.
std::string LinkOnTheWay(const std::string& base, const std::string& relative, bool includingLast);

}  // namespace vb
