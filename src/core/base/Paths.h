#pragma once
// Path and name arithmetic on 8-bit texts; the delimiter is the backslash and a
// drive is a letter and a colon. Existence and attribute tests go to the platform.
#include <cstdint>
#include <string>

namespace vb {

std::string AddPathDelimiter(const std::string& path);
bool IsDriveName(const std::string& text);
// Up to and including the last backslash or colon; empty for a drive name.
std::string GetPathPart(const std::string& path);
// After the last backslash or colon; a drive name yields itself.
std::string GetNamePart(const std::string& path);
// From the last "." of the name, or empty.
std::string GetExtension(const std::string& path);
bool IsLinkFileName(const std::string& path);
// True when the text contains one of the characters < > | " * ?
bool HasInvalidNameCharacter(const std::string& text);
// True for a name that can only mean a file directly inside the folder it is
// joined to: not empty, not "." or "..", no delimiter, drive colon, wildcard,
// character Windows refuses in names or control character (DEL included), no trailing dot or
// blank (Windows drops them, so the name would mean another file), and no device
// name such as CON or LPT1, with or without an extension. Names read from files
// (dictionaries, words lists) must pass it before they are used.
bool IsPlainFileName(const std::string& name);

bool PathExists(const std::string& path);
// Attributes, with 0 in place of the failure value.
std::uint32_t GetAttributesOrZero(const std::string& path);
// Makes a read-only file normal; failures are ignored.
void ClearReadOnly(const std::string& path);

// Case-insensitive equality of two 8-bit texts (ASCII letters only).
bool SameTextAscii(const std::string& a, const std::string& b);

}  // namespace vb
