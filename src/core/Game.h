#pragma once
// The state of one game and the operations the rules, the views and the file
// commands call on it. The main window owns one TGame, turns its events into
// calls here and mirrors the state through TGameView (cells, stock slots, label
// texts, button states, title). Operation names follow the game's own terms.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Board.h"
#include "core/Dictionary.h"
#include "core/GameView.h"
#include "core/PlainTextInput.h"
#include "core/ProgramPaths.h"
#include "core/RandomPool.h"
#include "core/StockLetters.h"
#include "core/StoredTextList.h"

namespace vb {

class TGame {
 public:
  // Folders and files live under `programFolder` (ends with a path delimiter):
  // "VorbelleDictionaries\", "VorbelleGames\" and "Vorbelle.ini". Draws use
  // `pool`, or the program-wide pool when none is given.
  explicit TGame(const std::string& programFolder = GetProgramFolder(), TRandomPool* pool = nullptr);
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

  // --- Connections to the window ------------------------------------------
  // Not owned; nullptr detaches. Receives every notification from now on.
  void SetView(TGameView* view);
  // The board-size combo boxes (not owned). Until set, two plain inputs holding "15" serve.
  void SetBoardSizeInputs(TextInput& columns, TextInput& rows);
  TextInput& ColumnsCountComboBox() { return *columnsInput_; }
  TextInput& RowsCountComboBox() { return *rowsInput_; }
  TRandomPool& RandomPool() { return *pool_; }
  // The attached view, or one that ignores every notification.
  TGameView& View() { return view_ ? *view_ : silentView_; }
  // "Yes" to the save question runs this (the window's "Save game" command); a
  // successful save clears Modified.
  std::function<void()> SaveGameCommand;
  // The choose-letter dialog: the chosen letter, or 0 when cancelled.
  std::function<unsigned char()> ChooseLetter;

  // --- State --------------------------------------------------------------
  TBoard Board;          // ColumnsCount and RowsCount are Board's
  TStockLetters Stock;   // slots 0..6 (the panels StockLetter1Panel .. StockLetter7Panel)
  TDictionary Dictionary;
  std::int32_t Score = 0;
  std::int32_t LetterChangesCount = 0;
  bool Modified = false;

  // Settings that files carry; the window keeps them in step with its check boxes.
  bool AddToWordsList = true;
  bool AllowUnknownWords = true;
  bool FullScreen = false;
  std::string LastGameFileName;  // at start: GamesFolder + "*.vbg"

  const std::string ProgramFolder;
  const std::string GamesFolder;  // "VorbelleGames\" in the program folder
  TStoredTextList GameFile;       // OnLoad ReadGame, OnSave WriteGame
  TStoredTextList OptionsFile;    // "Vorbelle.ini"; OnLoad ReadOptions, OnSave WriteOptions

  // --- What the window shows ----------------------------------------------
  const std::string& Label(TGameLabel label) const { return labels_[static_cast<int>(label)]; }
  bool PutButtonsEnabled() const { return putButtonsEnabled_; }
  bool NewStockLettersEnabled() const { return newStockLettersEnabled_; }
  // The window caption: "Vorbelle", or "Vorbelle - " and the game file.
  const std::string& Title() const { return title_; }
  // False from start-up until the first new game or load.
  bool BoardVisible() const { return boardVisible_; }

  // --- Game state and board -----------------------------------------------
  void ResetCounters();
  void ClearBoard();
  void ClearLooseLetters();
  bool AddLooseLetter(int column, int row) { return Board.AddLooseLetter(column, row); }
  void RemoveLooseLetter(int column, int row) { Board.RemoveLooseLetter(column, row); }
  void MoveLooseLetter(int oldColumn, int oldRow, int newColumn, int newRow) {
    Board.MoveLooseLetter(oldColumn, oldRow, newColumn, newRow);
  }
  void FixLooseLetters();
  bool BoardHasNoFixedLetters(int columns, int rows) const { return Board.BoardHasNoFixedLetters(columns, rows); }
  // ColumnsCount and RowsCount from the combo boxes (10..30, else 15 with a warning).
  void ReadBoardSize();
  void ClearStockLetters() { Stock.Clear(); }
  int FirstEmptyStockPanel() const { return Stock.FirstEmpty(); }
  int LetterIndex(unsigned char letter) const { return Dictionary.LetterIndex(letter); }
  // CheckSave, then an empty board of the combo boxes' size with its letter
  // changes; false (nothing changed) when the player cancelled the save question.
  bool ResetGame();
  // True when the caller may discard the game: unmodified, "No", or "Yes" and
  // the save succeeded. Forwarding frame "TVorbelleForm::CheckSave".
  bool CheckSave();
  void SetTitle(const std::string& fileName);
  // Grants trunc(columns x rows x 0.05) letter changes.
  static std::int32_t LetterChangesFor(int columns, int rows) { return columns * rows / 20; }

  // --- Stock and letter changes -------------------------------------------
  unsigned char DrawLetter();
  void FillStock();
  void ShowLetterChanges();
  // The right-button change of one stock letter (ChooseLetter picks it). True
  // when a change was spent.
  bool ChangeStockLetter(int slot);
  // "New stock letters": discards the loose letters and the stock for seven new
  // letters. True when a change was spent.
  bool NewStockLetters();

  // --- Moving letters (drag and drop, right clicks) ------------------------
  bool CanDropStockLetterOnBoard(int slot, int column, int row) const;
  bool CanMoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow) const;
  bool CanDropBoardLetterOnStock(int column, int row, int slot) const;
  bool CanSwapStockLetters(int sourceSlot, int targetSlot) const;
  // Each returns false and changes nothing when the move is not allowed.
  bool DropStockLetterOnBoard(int slot, int column, int row);
  bool MoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow);
  bool DropBoardLetterOnStock(int column, int row, int slot);
  bool SwapStockLetters(int sourceSlot, int targetSlot);
  // Right click on a loose letter: back to the first empty stock slot.
  bool ReturnLooseLetterToStock(int column, int row);

  // --- Words and scoring ---------------------------------------------------
  // The word the loose letters form with the letters they touch, or "".
  std::string CurrentWord() const;
  void UpdatePutButtons();
  // Commits the current word (read backwards when flipped). True when the
  // letters were fixed and scored.
  bool PutWord(bool flipped);
  std::int32_t PossibleScore() const;
  void ShowScore(std::int32_t possibleScore);
  void ShowLetterScore(unsigned char letter);

 private:
  void SetLabel(TGameLabel label, const std::string& text);
  void SetPutButtonsEnabled(bool enabled);
  void InstallDictionaryHooks();

  TRandomPool* pool_;
  TGameView* view_ = nullptr;
  TGameView silentView_;
  TPlainTextInput defaultColumnsInput_{"15"};
  TPlainTextInput defaultRowsInput_{"15"};
  TextInput* columnsInput_ = &defaultColumnsInput_;
  TextInput* rowsInput_ = &defaultRowsInput_;

  std::array<std::string, GameLabelsCount> labels_;
  bool putButtonsEnabled_ = false;
  bool newStockLettersEnabled_ = false;
  std::string title_;
  bool boardVisible_ = false;
};

}  // namespace vb
