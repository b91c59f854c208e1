#pragma once
// The help file "Help.hlp": plain text of topics, each keyed by a help context
// number. A line "@topic <context> <title>" opens a topic; the lines up to the
// next such line are its text. Lines before the first topic and lines starting
// with ";" are comments. Example:
//
//   ; Vorbelle help
//   @topic 100 How to play
//   Drag letters from the stock onto the board...
//
// Lines of a paragraph are joined for display, and so are the lines of a list
// item ("- " or "1. " with indented continuation lines); other indented lines
// (examples, tables) are shown as written.
#include <string>
#include <vector>

namespace vb {

// The help contexts the program asks for.
inline constexpr int kErrorDialogHelpContext = 0;
inline constexpr int kMainWindowHelpContext = 100;

struct THelpTopic {
  int Context = 0;
  std::string Title;
  std::string Text;  // reflowed lines joined by CR LF, outer blank lines removed
};

class THelpFile {
 public:
  // Replaces the topics by those of an 8-bit text (CR, LF or CR LF lines).
  void Parse(const std::string& text);
  // Reads the file; false when it is missing or cannot be read (topics emptied).
  bool Load(const std::string& path);

  const std::vector<THelpTopic>& Topics() const { return topics_; }
  // Index of the first topic with that context; -1 when there is none.
  int IndexOf(int context) const;

 private:
  std::vector<THelpTopic> topics_;
};

// Program folder + "Help.hlp".
std::string HelpFilePath();

}  // namespace vb
