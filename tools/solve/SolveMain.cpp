// vorbelle-solve: the best moves of a saved game, for dictionary makers and tests.
//   vorbelle-solve [--top N] [--count] DICTIONARY.vbd GAME.vbg
// Reads the dictionary (and its words list beside it) and the game as the game
// does, then prints "moves<TAB>M" with --count, and the N best moves (default
// 10) as "SCORE<TAB>WORD<TAB>column,row=LETTER ...". A missing or unreadable
// file, or a bad command line, prints a message on stderr and exits with 2.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/base/Paths.h"
#include "core/coach/MoveFinder.h"
#include "core/dictionary/Dictionary.h"
#include "core/files/GameFile.h"
#include "core/input/PlainTextInput.h"
#include "platform/portable/PortablePlatform.h"

namespace vb {
namespace {

constexpr int BadInput = 2;

// The build's platform, except that message boxes go to stderr and are answered
// OK at once: the tool never waits for anyone.
class ConsolePlatform : public PortablePlatform {
 public:
  int ShowBox(const std::string& caption, const std::string& text, unsigned) override {
    std::cerr << caption << ": " << text << '\n';
    return 1;
  }
};

struct TOptions {
  std::size_t Top = 10;
  bool Count = false;
  std::string DictionaryPath, GamePath;
};

int Fail(const std::string& message) {
  std::cerr << "vorbelle-solve: " << message << '\n';
  return BadInput;
}

bool ParseCount(const std::string& text, std::size_t& value) {
  if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  value = static_cast<std::size_t>(std::stoul(text));
  return true;
}

bool ParseOptions(int argc, char** argv, TOptions& options, std::string& error) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--count") {
      options.Count = true;
    } else if (argument == "--top") {
      if (i + 1 >= argc || !ParseCount(argv[i + 1], options.Top)) {
        error = "--top needs a number of moves";
        return false;
      }
      ++i;
    } else if (argument.size() > 1 && argument[0] == '-') {
      error = "unknown option " + argument;
      return false;
    } else {
      files.push_back(argument);
    }
  }
  if (files.size() != 2) {
    error = "usage: vorbelle-solve [--top N] [--count] DICTIONARY.vbd GAME.vbg";
    return false;
  }
  options.DictionaryPath = files[0];
  options.GamePath = files[1];
  return true;
}

// The core's paths use backslashes; the portable platform maps them back.
std::string ProgramPathOf(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string PlacementText(const TMove& move) {
  std::string text;
  for (const TPlacedLetter& placed : move) {
    if (!text.empty()) text += ' ';
    text += std::to_string(placed.Column) + "," + std::to_string(placed.Row) + "=" + static_cast<char>(placed.Letter);
  }
  return text;
}

int Run(const TOptions& options) {
  Platform& platform = GetPlatform();
  const std::string dictionaryPath = ProgramPathOf(options.DictionaryPath);
  if (!platform.PathExists(dictionaryPath) || (platform.FileAttributes(dictionaryPath) & 0x10) != 0)
    return Fail("no dictionary file " + options.DictionaryPath);
  TDictionary dictionary(GetPathPart(dictionaryPath));
  if (!dictionary.LoadDictionary(GetNamePart(dictionaryPath)))
    return Fail("the dictionary " + options.DictionaryPath + " cannot be used");
  if (dictionary.WordsListUnread) return Fail("the words list of " + options.DictionaryPath + " cannot be read");

  const std::string gamePath = ProgramPathOf(options.GamePath);
  if (!platform.PathExists(gamePath) || (platform.FileAttributes(gamePath) & 0x10) != 0)
    return Fail("no game file " + options.GamePath);
  TGameState state;
  TPlainTextInput columns("15"), rows("15");
  std::string dictionaryName = dictionary.DictionaryName;
  TStoredTextList gameFile(gamePath);
  gameFile.OnLoad = [&](TStoredTextList& list) {
    ReadGame(list, TCommonSettings{state, columns, rows, dictionaryName});
  };
  if (!gameFile.Load()) return Fail("the game file " + options.GamePath + " cannot be read");

  const TWordGraph graph = TWordGraph::Build(dictionary.WordsList, dictionary.Alphabet);
  const TMoveFinder finder(graph, dictionary);
  std::vector<TMove> moves = finder.AllMoves(state);
  std::string out;
  if (options.Count) out += "moves\t" + std::to_string(moves.size()) + "\n";
  for (std::size_t i = 0; i < moves.size() && i < options.Top; ++i)
    out += std::to_string(moves[i].Score) + "\t" + moves[i].Word + "\t" + PlacementText(moves[i]) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the moves");
}

}  // namespace
}  // namespace vb

int main(int argc, char** argv) {
  vb::ConsolePlatform platform;
  vb::SetPlatform(&platform);
  vb::TOptions options;
  std::string error;
  if (!vb::ParseOptions(argc, argv, options, error)) return vb::Fail(error);
  try {
    return vb::Run(options);
  } catch (const std::exception& e) {
    return vb::Fail(e.what());
  }
}
