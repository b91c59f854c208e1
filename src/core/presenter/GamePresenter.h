#pragma once
// The game presenter: owns the game (a TGameState value), the dictionary and
// the files, and runs every command the window sends. A command changes the
// state only; when the outermost command ends, the presenter builds the view
// model, compares it with what the view last got and tells the view once.
// The window never reads the state in the middle of a command, and nothing here
// calls the window except that one Update. Dialogs reach the player through
// their seams (file dialogs, the letter chooser, message boxes, error dialog).
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/coach/Coach.h"
#include "core/dictionary/Dictionary.h"
#include "core/files/FileDialogSeam.h"
#include "core/presenter/GameCommands.h"
#include "core/game/GameState.h"
#include "core/presenter/GameView.h"
#include "core/presenter/GameViewModel.h"
#include "core/presenter/GameRecords.h"
#include "core/presenter/StatisticsSeam.h"
#include "core/presenter/TurnHistory.h"
#include "core/game/SeededDeal.h"
#include "core/game/KeyboardCursor.h"
#include "core/input/PlainTextInput.h"
#include "core/base/ProgramPaths.h"
#include "core/game/RandomPool.h"
#include "core/store/StoredTextList.h"

namespace vb {

class TGamePresenter {
 public:
  // Folders and files live under `programFolder` (ends with a path delimiter):
  // "VorbelleDictionaries\", "VorbelleGames\" and "Vorbelle.ini". Draws use
  // `pool`, or the program-wide pool when none is given. File dialogs are
  // `dialogs`; without them every file dialog counts as cancelled.
  explicit TGamePresenter(const std::string& programFolder = GetProgramFolder(), TRandomPool* pool = nullptr,
                          TFileDialogs* dialogs = nullptr);
  TGamePresenter(const TGamePresenter&) = delete;
  TGamePresenter& operator=(const TGamePresenter&) = delete;

  // Holds the view's update until the outermost command ends. Every command
  // opens one; code that changes the state directly (tests, start-up) can too.
  class TCommandScope {
   public:
    explicit TCommandScope(TGamePresenter& presenter);
    ~TCommandScope();
    TCommandScope(const TCommandScope&) = delete;
    TCommandScope& operator=(const TCommandScope&) = delete;

   private:
    TGamePresenter& presenter_;
  };

  // --- Connections ---------------------------------------------------------
  // Not owned; nullptr detaches. A new view is sent the whole model at once.
  void SetView(TGameView* view);
  // The choose-letter dialog (not owned); without one a letter change is cancelled.
  void SetLetterChooser(TLetterChooser* chooser) { chooser_ = chooser; }
  TRandomPool& RandomPool() { return *pool_; }
  // Where the stock's letters come from now: the numbered game's deal or the random pool.
  TLetterSource& Letters() { return deal_ ? static_cast<TLetterSource&>(*deal_) : *pool_; }
  TGameCommands& Commands() { return commands_; }

  // --- State ---------------------------------------------------------------
  TGameState State;
  TDictionary Dictionary;
  bool Modified = false;
  bool FullScreen = false;
  std::string LastGameFileName;  // at start: GamesFolder + "*.vbg"
  // The board size the window offers for the next game (its combo boxes).
  TPlainTextInput ColumnsChoice{"15"};
  TPlainTextInput RowsChoice{"15"};

  const std::string ProgramFolder;
  const std::string GamesFolder;  // "VorbelleGames\" in the program folder
  TStoredTextList GameFile;       // read and written by the game file unit
  TStoredTextList OptionsFile;    // "Vorbelle.ini"

  // --- What the window shows ----------------------------------------------
  const std::string& Label(TGameLabel label) const { return labels_[static_cast<int>(label)]; }
  bool PutButtonsEnabled() const { return putButtonsEnabled_; }
  bool NewStockLettersEnabled() const { return State.LetterChangesCount > 0; }
  const std::string& Title() const { return title_; }
  bool BoardVisible() const { return boardVisible_; }
  TGameViewModel ViewModel() const;
  // Tells the view what changed since it was last told (nothing when nothing did).
  void Publish();

  // --- Game and board ------------------------------------------------------
  void ResetCounters();
  void ClearBoard();
  // The board size from the choices (10..30, else 15 with a warning).
  void ReadBoardSize();
  // CheckSave, then an empty board of the chosen size with its letter changes;
  // false (nothing changed) when the player cancelled the save question.
  bool ResetGame();
  // True when the caller may discard the game: unmodified, "No", or "Yes" and
  // the save succeeded. Forwarding frame "TVorbelleForm::CheckSave".
  bool CheckSave();
  void SetTitle(const std::string& fileName);
  // Loads the dictionary and shows what it left: its words count when usable,
  // otherwise no counters and an empty stock.
  bool LoadDictionary(std::string name);

  // --- Settings from the window -------------------------------------------
  void SetAddToWordsList(bool on);
  void SetAllowUnknownWords(bool on);
  void SetFullScreen(bool on);
  void SetBoardSizeChoice(const std::string& columns, const std::string& rows);

  // --- Stock and letter changes -------------------------------------------
  void ClearStockLetters();
  void FillStock();
  // The right-button change of one stock letter (the letter chooser picks it).
  bool ChangeStockLetter(int slot);
  // "New stock letters"; true when a change was spent.
  bool NewStockLetters();

  // --- Moving letters (drag and drop, right clicks) ------------------------
  bool CanDropStockLetterOnBoard(int slot, int c, int r) const { return State.CanDropStockLetterOnBoard(slot, c, r); }
  bool CanMoveBoardLetter(int c, int r, int toC, int toR) const { return State.CanMoveBoardLetter(c, r, toC, toR); }
  bool CanDropBoardLetterOnStock(int c, int r, int slot) const { return State.CanDropBoardLetterOnStock(c, r, slot); }
  bool CanSwapStockLetters(int from, int to) const { return State.CanSwapStockLetters(from, to); }
  bool DropStockLetterOnBoard(int slot, int column, int row);
  bool MoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow);
  bool DropBoardLetterOnStock(int column, int row, int slot);
  bool SwapStockLetters(int sourceSlot, int targetSlot);
  bool ReturnLooseLetterToStock(int column, int row);

  // --- Keyboard play ---------------------------------------------------------
  // The cursor goes on a cell in play (a click on an empty cell, Enter on the board).
  bool StartKeyboard(int column, int row);
  void MoveKeyboardCursor(int columns, int rows);
  void ToggleTypingDirection();
  // A typed letter from the stock onto the cursor's cell; false (the window
  // beeps) when the stock has no such letter or the cell cannot take it.
  bool TypeLetter(unsigned char letter);
  bool BackspaceTyped();
  // Escape: every loose letter back to the stock, and the cursor goes away.
  void StopKeyboard();
  const TKeyboardCursor& KeyboardCursor() const { return cursor_; }

  // --- Words and scoring ---------------------------------------------------
  std::string CurrentWord() const { return State.CurrentWord(); }
  // Commits the current word (read backwards when flipped). True when the
  // letters were fixed and scored.
  bool PutWord(bool flipped);
  std::int32_t PossibleScore() const { return State.PossibleScore(Dictionary); }
  void ShowScore(std::int32_t possibleScore);
  // The letter under the mouse (0: none).
  void ShowLetterScore(unsigned char letter);
  void ShowLetterChanges();
  // The put buttons follow the loose letters.
  void UpdatePutButtons();

  // --- Undo, redo and the move history ---------------------------------------
  // Undo brings back the game exactly as it was before the last turn (put,
  // new stock, letter change), the words list and its labels included; redo
  // applies the same turn again, with the same drawn letters. The check boxes
  // are settings and stay as they are. A new game or a load starts a new history.
  bool Undo();
  bool Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  const TTurnHistory& History() const { return history_; }

  // --- Numbered games and records ---------------------------------------------
  // After ResetGame: the stock of this game is dealt from the number's seeded
  // deal (its dictionary and board size are the game's), and the title shows it.
  void StartNumberedGame(std::uint32_t number);
  const std::optional<std::uint32_t>& GameNumber() const { return gameNumber_; }
  // Today's number (YYYYMMDD by the platform's clock), the numbered game's suggestion.
  std::uint32_t TodaysNumber() const;
  // The records file is read once, at start.
  void LoadRecords() { records_.Load(); }
  // A new or loaded game from now on counts in the records.
  void RecordGameStarted();
  // "Finish game": the game counts as finished (also when no move and no letter change is left).
  bool FinishGame();
  bool CanFinishGame() const { return records_.GameRunning(); }
  // The game is leaving (the program closes): it counts as not finished.
  void RecordGameLeft() { records_.GameEnded(false); }
  const TGameRecords& GameRecords() const { return records_; }
  // The Statistics window (not owned); without one the command does nothing.
  void SetStatisticsViewer(TStatisticsViewer* viewer) { statistics_ = viewer; }
  // Shows the records, the current dictionary and board size first, and this game's turns.
  void ShowStatistics();
  // This game's puts that are done (not undone): points and best possible points.
  std::vector<TTurnPoints> ThisGamePoints() const;

  // --- Coach -----------------------------------------------------------------
  // Lays out the next hint as loose letters (the best move first); says so when
  // there is none or the words list is still being prepared. True when laid out.
  bool Hint();
  // Called on the coach's building thread when a word graph is ready; the
  // window posts itself a message and then calls CoachGraphReady.
  void SetCoachGraphReadyHandler(std::function<void()> handler) { coach_.SetGraphReadyHandler(std::move(handler)); }
  // The new graph's counts reach the panel.
  void CoachGraphReady();
  const TCoach& Coach() const { return coach_; }
  TCoach& Coach() { return coach_; }

 private:
  void SetLabel(TGameLabel label, const std::string& text);
  // The coach panel follows the position (a game is on the board) or is empty.
  void ShowCoach();
  TTurnSide Side() const;
  void RestoreSide(const TTurnSide& side);
  void RecordTurn(TTurn turn);
  // When no move and no letter change are left the game is over by itself.
  void FinishWhenNothingIsLeft();
  // After a move: the put buttons and the possible score follow the loose letters.
  void AfterMove();

  TRandomPool* pool_;
  TCoach coach_{Dictionary};
  TTurnHistory history_;
  TKeyboardCursor cursor_;
  TGameRecords records_{ProgramFolder + kRecordsFileName};
  std::optional<TSeededDeal> deal_;
  TStatisticsViewer* statistics_ = nullptr;
  std::optional<std::uint32_t> gameNumber_;
  std::string titleFile_;  // the file name the title shows
  bool hintLaidOut_ = false;  // the loose letters came from a hint
  TNoFileDialogs noDialogs_;
  TGameCommands commands_;
  TGameView* view_ = nullptr;
  TLetterChooser* chooser_ = nullptr;
  TGameViewModel published_;
  int commandDepth_ = 0;
  bool publishing_ = false;

  std::array<std::string, GameLabelsCount> labels_;
  bool putButtonsEnabled_ = false;
  std::string title_;
  bool boardVisible_ = false;
};

}  // namespace vb
