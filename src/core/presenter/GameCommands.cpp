#include "core/presenter/GameCommands.h"

#include "core/presenter/GamePresenter.h"
#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/errors/StatusFrame.h"
#include "core/store/StoredTextList.h"
#include "core/dictionary/WordsListAnalysis.h"

namespace vb {

namespace {

const char* const kGameExtension = ".vbg";

TFileDialog GameDialog(const std::string& title, const std::string& fileName) {
  // A name typed without extension still becomes a game that "Load game" opens.
  return {title, "Vorbelle game (*.vbg)|*.vbg", fileName, "vbg"};
}

}  // namespace

bool IsGameExtension(const std::string& path) { return SameTextAscii(GetExtension(path), kGameExtension); }

TGameCommands::TGameCommands(TGamePresenter& game, TFileDialogs& dialogs)
    : OpenDialog(GameDialog("Load game", game.LastGameFileName)),
      SaveDialog(GameDialog("Save game", game.LastGameFileName)),
      LoadDictionaryOpenDialog{"Load dictionary", "Vorbelle dictionary (*.vbd)|*.vbd",
                               game.Dictionary.DictionaryPath(game.Dictionary.DictionaryName), "vbd"},
      game_(game),
      dialogs_(dialogs) {}

void TGameCommands::PrepareFilesAndOptions() {
  TGamePresenter::TCommandScope command(game_);
  StatusFrame frame(VB_HERE, "TVorbelleForm::PrepareFilesAndOptions");
  frame.Run([&] {
    // Both usually exist already; later file operations report their own errors.
    GetPlatform().CreateFolder(game_.Dictionary.DictionariesFolder);
    GetPlatform().CreateFolder(game_.GamesFolder);
    game_.OptionsFile.Load();
    game_.LoadRecords();
    OpenDialog.FileName = game_.LastGameFileName;
    SaveDialog.FileName = game_.LastGameFileName;
  }, __LINE__);
}

bool TGameCommands::LoadCurrentDictionary() {
  // A copy: loading empties DictionaryName before it reads the name it was given.
  const std::string name = game_.Dictionary.DictionaryName;
  return game_.LoadDictionary(name);
}

bool TGameCommands::NewGame(const std::string* dictionaryName, std::optional<std::uint32_t> number) {
  if (!game_.ResetGame()) return false;
  // A newly chosen dictionary only takes over once the old game is settled: a
  // game saved at the save question keeps the name of its own dictionary.
  if (dictionaryName) game_.Dictionary.DictionaryName = *dictionaryName;
  if (!LoadCurrentDictionary()) return true;
  if (number) game_.StartNumberedGame(*number);
  game_.ClearStockLetters();
  game_.FillStock();
  // Drawing the stock marks the game modified; a fresh game is not.
  game_.Modified = false;
  game_.RecordGameStarted();
  return true;
}

void TGameCommands::NewGameMenuClick() { RunNewGameCommand(nullptr); }
void TGameCommands::NewNumberedGame(std::uint32_t number) { RunNewGameCommand(nullptr, number); }

void TGameCommands::NewNumberedGameMenuClick() {
  if (!numberAsker_) return;
  const std::optional<std::uint32_t> number = numberAsker_->AskGameNumber(game_.TodaysNumber());
  if (number) NewNumberedGame(*number);
}

void TGameCommands::RunNewGameCommand(const std::string* dictionaryName, std::optional<std::uint32_t> number) {
  TGamePresenter::TCommandScope command(game_);
  StatusFrame frame(VB_HERE, "TVorbelleForm::NewGameMenuClick", "Failed to create new puzzle.");
  frame.Run([&] {
    NewGame(dictionaryName, number);
    frame.Adopt();
  }, __LINE__);
}

void TGameCommands::LoadDictionaryMenuClick() {
  TGamePresenter::TCommandScope command(game_);
  StatusFrame frame(VB_HERE, "TVorbelleForm::LoadDictionaryMenuClick", "Failed to load dictionary.");
  frame.Run([&] {
    LoadDictionaryOpenDialog.FileName = game_.Dictionary.DictionaryPath(game_.Dictionary.DictionaryName);
    if (!dialogs_.ExecuteOpen(LoadDictionaryOpenDialog)) return;
    // A dictionary is always looked for in the dictionaries folder.
    const std::string chosen = GetNamePart(LoadDictionaryOpenDialog.FileName);
    RunNewGameCommand(&chosen);
  }, __LINE__);
}

void TGameCommands::LoadLastGameMenuClick() {
  TGamePresenter::TCommandScope command(game_);
  StatusFrame frame(VB_HERE, "TVorbelleForm::LoadLastGameMenuClick", "Failed to load last game.");
  frame.Run([&] {
    LoadGameFrom(game_.LastGameFileName);
    if (frame.Adopt()) return;
    OpenDialog.FileName = game_.LastGameFileName;
  }, __LINE__);
}

void TGameCommands::LoadGameMenuClick() {
  TGamePresenter::TCommandScope command(game_);
  StatusFrame frame(VB_HERE, "TVorbelleForm::LoadGameMenuClick", "Failed to load game.");
  frame.Run([&] {
    if (!dialogs_.ExecuteOpen(OpenDialog)) return;
    LoadGameFrom(OpenDialog.FileName);
    frame.Adopt();
  }, __LINE__);
}

bool TGameCommands::SaveGameMenuClick() {
  TGamePresenter::TCommandScope command(game_);
  bool saved = false;
  StatusFrame frame(VB_HERE, "TVorbelleForm::SaveGameMenuClick", "Failed to save game.");
  frame.Run([&] {
    if (!dialogs_.ExecuteSave(SaveDialog)) return;
    saved = SaveGameTo(SaveDialog.FileName);
  }, __LINE__);
  return saved;
}

void TGameCommands::AnalyzeWordsListMenuClick() {
  TGamePresenter::TCommandScope command(game_);
  AnalyzeWordsList(game_.Dictionary);
}

bool TGameCommands::LoadGameFrom(const std::string& path) {
  TGamePresenter::TCommandScope command(game_);
  bool loaded = false;
  StatusFrame frame(VB_HERE, "TVorbelleForm::LoadGameFrom");
  frame.Run([&] {
    if (!IsGameExtension(path)) return;
    if (!PathExists(path)) return frame.Raise(__LINE__, "There is no such file", path);
    // Only a cancelled save question stops the load. A board size the player
    // typed wrongly was already answered with a warning and the default size,
    // and the file sets its own size anyway.
    if (!game_.ResetGame()) return;
    // The stored list reports its own read failures.
    if (!game_.GameFile.LoadFrom(path)) return;
    game_.ShowLetterChanges();
    // An unusable dictionary has warned and reset the counters; the board of
    // the file stays, the title and the last game do not change.
    if (!LoadCurrentDictionary()) return;
    game_.Modified = false;
    game_.UpdatePutButtons();
    game_.ShowScore(game_.PossibleScore());
    game_.ShowLetterScore(0);
    game_.LastGameFileName = path;
    game_.SetTitle(path);
    SaveDialog.FileName = path;
    game_.RecordGameStarted();
    loaded = true;
  }, __LINE__);
  return loaded;
}

bool TGameCommands::SaveGameTo(const std::string& path) {
  TGamePresenter::TCommandScope command(game_);
  // The question comes first: a No must leave the words list unwritten too.
  if (!TStoredTextList::MayOverwrite(path)) return false;
  game_.Dictionary.SaveDictionary();
  if (!game_.GameFile.SaveAs(path, false)) return false;
  game_.LastGameFileName = path;
  game_.Modified = false;
  return true;
}

bool TGameCommands::FormCloseQuery() {
  TGamePresenter::TCommandScope command(game_);
  if (!game_.CheckSave()) return false;
  game_.RecordGameLeft();
  game_.OptionsFile.Save(false);
  return true;
}

}  // namespace vb
