#pragma once
// Shortcut files written through the shell's link object, and the choice of the
// link extension for a target.
#include <cstdint>
#include <string>

namespace vb {

// The contents of one shortcut. Texts left empty are written as empty strings.
class TLinkFile {
 public:
  std::string ReferencePath;  // the file the link points to
  std::string WorkingPath;    // working folder of the started program
  std::string Arguments;
  std::string Description;  // shown as the link's tool tip
  std::string IconPath;
  std::int32_t IconIndex = 0;
  std::uint16_t HotKey = 0;       // virtual key in the low byte, modifiers in the high byte
  std::int32_t ShowCommand = 0;  // 1 normal, 7 minimised without activation

  TLinkFile() { Clear(); }
  void Clear();
  // Writes the link file; an existing one is kept unless `overwrite`. A failure
  // is left in GlobalFunStat and resets the object.
  void Save(const std::string& linkPath, bool overwrite);
};

// The file a shortcut points to, as stored in it; false when the file is no
// shortcut the shell can read.
bool ReadLinkTarget(const std::string& linkPath, std::string& target);

// True for MS-DOS programs and batch files (the shell reports them as plain "MZ").
bool IsDosProgram(const std::string& path);
// ".pif" for MS-DOS programs, ".lnk" for everything else.
std::string GetLinkExtension(const std::string& path);

// A link to `reference`; its working folder is the reference's folder when
// `workingFromReference`, and it starts minimised when `minimised`.
void CopyFileAsLink(const std::string& reference, const std::string& linkPath, bool overwrite, bool minimised,
                    bool workingFromReference, const std::string& arguments);
// A link that starts `reference` in its own folder with the given arguments.
void CopyFileAsLinkWithParam(const std::string& reference, const std::string& linkPath,
                             const std::string& arguments, bool overwrite);

}  // namespace vb
