#include "core/Game.h"

#include "core/GameFile.h"
#include "core/GameTexts.h"
#include "core/MessageBoxes.h"
#include "core/OptionsFile.h"
#include "core/Paths.h"
#include "core/StatusFrame.h"
#include "core/Utilities.h"

namespace vb {

TGame::TGame(const std::string& programFolder, TRandomPool* pool)
    : Dictionary(AddPathDelimiter(programFolder) + "VorbelleDictionaries\\"),
      ProgramFolder(AddPathDelimiter(programFolder)),
      GamesFolder(ProgramFolder + "VorbelleGames\\"),
      GameFile(ProgramFolder),
      OptionsFile(ProgramFolder + "Vorbelle.ini"),
      pool_(pool ? pool : &GetRandomPool()) {
  Board.CellChanged = [this](int column, int row) { View().CellChanged(column, row); };
  Stock.SlotChanged = [this](int slot) { View().StockSlotChanged(slot); };
  InstallDictionaryHooks();
  GameFile.OnLoad = [this](TStoredTextList& list) { ReadGame(*this, list); };
  GameFile.OnSave = [this](TStoredTextList& list) { WriteGame(*this, list); };
  OptionsFile.OnLoad = [this](TStoredTextList& list) { ReadOptions(*this, list); };
  OptionsFile.OnSave = [this](TStoredTextList& list) { WriteOptions(*this, list); };

  ResetCounters();
  ClearBoard();
  title_ = TitleText("");
  LastGameFileName = GamesFolder + "*.vbg";
}

void TGame::InstallDictionaryHooks() {
  TDictionaryHooks& hooks = Dictionary.Hooks;
  hooks.FontChanged = [this](const std::string& fontName) { View().FontChanged(fontName); };
  hooks.LettersChanged = [this](const std::string& fontName, const TAlphabet& alphabet) {
    View().LettersChanged(fontName, alphabet);
  };
  hooks.NamesChanged = [this] { View().DictionaryNamesChanged(); };
  hooks.WordsCountChanged = [this](const std::string& text) { SetLabel(TGameLabel::WordsInDictionary, text); };
  // An unusable dictionary leaves the game without counters and stock letters.
  hooks.Unusable = [this] {
    ResetCounters();
    ClearStockLetters();
  };
}

void TGame::SetView(TGameView* view) { view_ = view; }

void TGame::SetBoardSizeInputs(TextInput& columns, TextInput& rows) {
  columnsInput_ = &columns;
  rowsInput_ = &rows;
}

void TGame::SetLabel(TGameLabel label, const std::string& text) {
  labels_[static_cast<int>(label)] = text;
  View().LabelChanged(label);
}

void TGame::SetPutButtonsEnabled(bool enabled) {
  putButtonsEnabled_ = enabled;
  View().PutButtonsChanged();
}

void TGame::SetTitle(const std::string& fileName) {
  title_ = TitleText(fileName);
  View().TitleChanged();
}

void TGame::ResetCounters() {
  Modified = false;
  SetLabel(TGameLabel::WordsInDictionary, "");
  SetLabel(TGameLabel::ValidWord, "");
  LetterChangesCount = 0;
  ShowLetterChanges();
  Score = 0;
  SetLabel(TGameLabel::Score, "");
  ShowLetterScore(0);
}

void TGame::ClearBoard() {
  Board.ClearBoard();
  ClearLooseLetters();
}

void TGame::ClearLooseLetters() {
  Board.ClearLooseLetters();
  SetPutButtonsEnabled(false);
}

void TGame::FixLooseLetters() {
  Board.FixLooseLetters();
  SetPutButtonsEnabled(false);
}

void TGame::ReadBoardSize() {
  Board.ColumnsCount = GetIntFromComboBox(ColumnsCountComboBox(), MinBoardSize, MaxBoardSize, DefaultBoardSize);
  Board.RowsCount = GetIntFromComboBox(RowsCountComboBox(), MinBoardSize, MaxBoardSize, DefaultBoardSize);
}

bool TGame::ResetGame() {
  if (!CheckSave()) return false;
  ResetCounters();
  ReadBoardSize();
  View().ComputeCellSize();
  ClearBoard();
  LetterChangesCount = LetterChangesFor(Board.ColumnsCount, Board.RowsCount);
  ShowLetterChanges();
  Score = 0;
  ShowScore(0);
  ShowLetterScore(0);
  SetTitle("");
  View().BoardChanged();
  boardVisible_ = true;
  View().BoardShown();
  return true;
}

bool TGame::CheckSave() {
  bool mayGoOn = true;
  bool saveRequested = false;
  StatusFrame frame(VB_HERE, "TVorbelleForm::CheckSave");
  frame.Run([&] {
    if (!Modified) return;
    const int answer = AskYesNoCancel("The game has been modified. Save it?");
    if (answer == AnswerCancel) {
      mayGoOn = false;
    } else if (answer == AnswerYes) {
      saveRequested = true;
      if (SaveGameCommand) SaveGameCommand();
    }
  }, __LINE__);
  // A save that was cancelled or failed leaves the game modified: it must not be lost.
  if (saveRequested) mayGoOn = !Modified;
  return mayGoOn;
}

void TGame::ShowLetterChanges() {
  newStockLettersEnabled_ = LetterChangesCount > 0;
  View().NewStockLettersButtonChanged();
  SetLabel(TGameLabel::LetterChanges, LetterChangesText(LetterChangesCount));
}

}  // namespace vb
