#pragma once
// The Work-menu commands and the start-up and close steps that need no window:
// new game, load dictionary, load last game, load game, save game, analyze
// words list. Each command is a reporting status frame named after its menu
// handler and shows its failures under its own failure text.
#include <cstdint>
#include <optional>
#include <string>

#include "core/files/FileDialogSeam.h"
#include "core/presenter/GameNumberSeam.h"

namespace vb {

class TGamePresenter;

// True when the path's extension is ".vbg", letter case ignored.
bool IsGameExtension(const std::string& path);

class TGameCommands {
 public:
  // Part of the presenter, which runs "Save game" when the save question is
  // answered Yes. Neither is owned.
  TGameCommands(TGamePresenter& game, TFileDialogs& dialogs);
  TGameCommands(const TGameCommands&) = delete;
  TGameCommands& operator=(const TGameCommands&) = delete;

  TFileDialog OpenDialog;
  TFileDialog SaveDialog;
  TFileDialog LoadDictionaryOpenDialog;

  // Start-up: the dictionaries and games folders (failures ignored), then the
  // options file; both game dialogs take LastGameFileName as their file name.
  // Forwarding frame: a failure is left in the global record.
  void PrepareFilesAndOptions();

  void NewGameMenuClick();
  // A new game whose stock is dealt from this game number (see TSeededDeal).
  void NewNumberedGame(std::uint32_t number);
  // "New numbered game...": asks for the number (today's suggested) through the seam.
  void NewNumberedGameMenuClick();
  // The game-number dialog (not owned); without one the command does nothing.
  void SetGameNumberAsker(TGameNumberAsker* asker) { numberAsker_ = asker; }
  void LoadDictionaryMenuClick();
  void LoadLastGameMenuClick();
  void LoadGameMenuClick();
  // True when the game file was written.
  bool SaveGameMenuClick();
  void AnalyzeWordsListMenuClick();

  // Forwarding frame "TVorbelleForm::LoadGameFrom". True when the game and its
  // dictionary were loaded; a path without the ".vbg" extension does nothing.
  bool LoadGameFrom(const std::string& path);
  // Writes the words list when words were added, then the game file (asking
  // before overwriting). True when the game file was written.
  bool SaveGameTo(const std::string& path);

  // Closing the window: true when it may close; the options are then written.
  bool FormCloseQuery();

 private:
  // False only when the player cancelled the save question (nothing changed).
  // A given dictionary name replaces the current one after the reset.
  bool NewGame(const std::string* dictionaryName, std::optional<std::uint32_t> number = std::nullopt);
  void RunNewGameCommand(const std::string* dictionaryName, std::optional<std::uint32_t> number = std::nullopt);
  bool LoadCurrentDictionary();

  TGamePresenter& game_;
  TFileDialogs& dialogs_;
  TGameNumberAsker* numberAsker_ = nullptr;
};

}  // namespace vb
