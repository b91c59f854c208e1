#include "core/presenter/GamePresenter.h"

#include "core/files/GameFile.h"
#include "core/game/GameTexts.h"
#include "core/errors/MessageBoxes.h"
#include "core/files/OptionsFile.h"
#include "core/base/Paths.h"
#include "core/game/Scoring.h"
#include "core/errors/StatusFrame.h"
#include "core/input/Utilities.h"

namespace vb {

TGamePresenter::TCommandScope::TCommandScope(TGamePresenter& presenter) : presenter_(presenter) {
  ++presenter_.commandDepth_;
}

TGamePresenter::TCommandScope::~TCommandScope() {
  if (--presenter_.commandDepth_ > 0) return;
  try {
    presenter_.Publish();
  } catch (...) {
    // Showing the outcome must not undo it; the next command shows it again.
  }
}

TGamePresenter::TGamePresenter(const std::string& programFolder, TRandomPool* pool, TFileDialogs* dialogs)
    : Dictionary(AddPathDelimiter(programFolder) + kDictionariesFolderName + "\\"),
      LastGameFileName(AddPathDelimiter(programFolder) + kGamesFolderName + "\\*.vbg"),
      ProgramFolder(AddPathDelimiter(programFolder)),
      GamesFolder(ProgramFolder + kGamesFolderName + "\\"),
      GameFile(ProgramFolder),
      OptionsFile(ProgramFolder + kOptionsFileName),
      pool_(pool ? pool : &GetRandomPool()),
      commands_(*this, dialogs ? *dialogs : noDialogs_) {
  const TCommonSettings common{State, ColumnsChoice, RowsChoice, Dictionary.DictionaryName};
  GameFile.OnLoad = [common](TStoredTextList& list) { ReadGame(list, common); };
  GameFile.OnSave = [this](TStoredTextList& list) { WriteGame(list, State, Dictionary.DictionaryName); };
  const TWindowOptions options{LastGameFileName, FullScreen};
  OptionsFile.OnLoad = [common, options](TStoredTextList& list) { ReadOptions(list, common, options); };
  OptionsFile.OnSave = [common, options](TStoredTextList& list) { WriteOptions(list, common, options); };

  ResetCounters();
  ClearBoard();
  title_ = TitleText("");
  published_ = ViewModel();
}

// --- Showing ----------------------------------------------------------------

TGameViewModel TGamePresenter::ViewModel() const {
  TGameViewModel model;
  model.Board = State.Board;
  model.Stock = State.Stock;
  model.Labels = labels_;
  model.PutButtonsEnabled = putButtonsEnabled_;
  model.NewStockLettersEnabled = NewStockLettersEnabled();
  model.Title = title_;
  model.BoardVisible = boardVisible_;
  model.Settings = State.Settings;
  model.FullScreen = FullScreen;
  model.ColumnsChoice = ColumnsChoice.Text;
  model.RowsChoice = RowsChoice.Text;
  model.DictionaryName = Dictionary.DictionaryDisplayName();
  model.WordsListName = Dictionary.WordsListName;
  model.FontName = Dictionary.FontName;
  model.Alphabet = Dictionary.Alphabet;
  model.CanUndo = history_.CanUndo();
  model.CanRedo = history_.CanRedo();
  model.CanFinishGame = records_.GameRunning();
  model.Cursor = cursor_;
  model.History = history_.Rows();
  return model;
}

void TGamePresenter::SetView(TGameView* view) {
  view_ = view;
  if (!view_) return;
  ShowCoach();
  published_ = ViewModel();
  publishing_ = true;
  view_->Update(published_, TViewChanges::All());
  publishing_ = false;
}

void TGamePresenter::Publish() {
  if (!view_ || publishing_) return;
  ShowCoach();
  TGameViewModel now = ViewModel();
  const TViewChanges changes = CompareViewModels(published_, now);
  if (!changes.Any()) return;
  published_ = std::move(now);
  publishing_ = true;
  try {
    view_->Update(published_, changes);
  } catch (...) {
    publishing_ = false;
    throw;
  }
  publishing_ = false;
}

void TGamePresenter::SetLabel(TGameLabel label, const std::string& text) { labels_[static_cast<int>(label)] = text; }

void TGamePresenter::SetTitle(const std::string& fileName) {
  TCommandScope command(*this);
  titleFile_ = fileName;
  title_ = TitleText(fileName) + (gameNumber_ ? " - Game " + std::to_string(*gameNumber_) : std::string());
}

void TGamePresenter::ShowScore(std::int32_t possibleScore) {
  TCommandScope command(*this);
  SetLabel(TGameLabel::Score, ScoreText(State.Score, possibleScore));
}

void TGamePresenter::ShowLetterScore(unsigned char letter) {
  TCommandScope command(*this);
  SetLabel(TGameLabel::LetterScore,
           letter == 0 ? std::string() : LetterScoreText(LetterScoreOf(Dictionary, letter)));
}

void TGamePresenter::ShowLetterChanges() {
  TCommandScope command(*this);
  SetLabel(TGameLabel::LetterChanges, LetterChangesText(State.LetterChangesCount));
}

void TGamePresenter::UpdatePutButtons() {
  TCommandScope command(*this);
  putButtonsEnabled_ = State.CanPutWord();
}

// --- Game and board -----------------------------------------------------------

void TGamePresenter::ResetCounters() {
  TCommandScope command(*this);
  Modified = false;
  SetLabel(TGameLabel::WordsInDictionary, "");
  SetLabel(TGameLabel::ValidWord, "");
  State.LetterChangesCount = 0;
  ShowLetterChanges();
  State.Score = 0;
  SetLabel(TGameLabel::Score, "");
  ShowLetterScore(0);
}

void TGamePresenter::ClearBoard() {
  TCommandScope command(*this);
  State.Board.ClearBoard();
  putButtonsEnabled_ = false;
}

void TGamePresenter::ReadBoardSize() {
  TCommandScope command(*this);
  State.Board.ColumnsCount = GetIntFromComboBox(ColumnsChoice, MinBoardSize, MaxBoardSize, DefaultBoardSize);
  State.Board.RowsCount = GetIntFromComboBox(RowsChoice, MinBoardSize, MaxBoardSize, DefaultBoardSize);
}

bool TGamePresenter::ResetGame() {
  TCommandScope command(*this);
  if (!CheckSave()) return false;
  records_.GameEnded(false);
  deal_.reset();
  gameNumber_.reset();
  ResetCounters();
  ReadBoardSize();
  State.StartBoard(State.Board.ColumnsCount, State.Board.RowsCount);
  putButtonsEnabled_ = false;
  ShowLetterChanges();
  ShowScore(0);
  ShowLetterScore(0);
  SetTitle("");
  boardVisible_ = true;
  cursor_ = TKeyboardCursor{};
  coach_.StartGame();
  history_.Clear();
  hintLaidOut_ = false;
  return true;
}

bool TGamePresenter::CheckSave() {
  TCommandScope command(*this);
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
      commands_.SaveGameMenuClick();
    }
  }, __LINE__);
  // A save that was cancelled or failed leaves the game modified: it must not be lost.
  if (saveRequested) mayGoOn = !Modified;
  return mayGoOn;
}

bool TGamePresenter::LoadDictionary(std::string name) {
  TCommandScope command(*this);
  SetLabel(TGameLabel::WordsInDictionary, "");
  const bool usable = Dictionary.LoadDictionary(std::move(name));
  coach_.WordsListChanged(usable);
  if (usable) {
    SetLabel(TGameLabel::WordsInDictionary, Dictionary.WordsCountText());
  } else {
    // An unusable dictionary leaves the game without counters and stock letters.
    ResetCounters();
    ClearStockLetters();
  }
  return usable;
}

// --- Settings -------------------------------------------------------------------

void TGamePresenter::SetAddToWordsList(bool on) {
  TCommandScope command(*this);
  State.Settings.AddToWordsList = on;
}

void TGamePresenter::SetAllowUnknownWords(bool on) {
  TCommandScope command(*this);
  State.Settings.AllowUnknownWords = on;
}

void TGamePresenter::SetFullScreen(bool on) {
  TCommandScope command(*this);
  FullScreen = on;
}

void TGamePresenter::SetBoardSizeChoice(const std::string& columns, const std::string& rows) {
  TCommandScope command(*this);
  ColumnsChoice.Text = columns;
  RowsChoice.Text = rows;
}

// --- Stock and letter changes -----------------------------------------------------

void TGamePresenter::ClearStockLetters() {
  TCommandScope command(*this);
  State.Stock.Clear();
}

void TGamePresenter::FillStock() {
  TCommandScope command(*this);
  Modified = true;
  State.FillStock(Dictionary, Letters());
}

bool TGamePresenter::ChangeStockLetter(int slot) {
  TCommandScope command(*this);
  if (!State.CanChangeStockLetter(slot)) return false;
  const unsigned char letter = chooser_ ? chooser_->ChooseLetter() : 0;
  TTurn turn;
  turn.Kind = TTurnKind::LetterChange;
  turn.From = State.Stock.Letter(slot);
  turn.To = letter;
  turn.Before = Side();
  if (!State.ChangeStockLetter(slot, letter)) return false;
  Modified = true;
  ShowLetterChanges();
  RecordTurn(std::move(turn));
  return true;
}

bool TGamePresenter::NewStockLetters() {
  TCommandScope command(*this);
  TTurn turn;
  turn.Kind = TTurnKind::NewStock;
  turn.Before = Side();
  if (!State.NewStockLetters(Dictionary, Letters())) return false;
  Modified = true;
  putButtonsEnabled_ = false;
  ShowLetterChanges();
  ShowScore(0);
  RecordTurn(std::move(turn));
  return true;
}

// --- Moving letters -----------------------------------------------------------------

void TGamePresenter::AfterMove() {
  UpdatePutButtons();
  ShowScore(PossibleScore());
}

bool TGamePresenter::DropStockLetterOnBoard(int slot, int column, int row) {
  TCommandScope command(*this);
  if (!State.DropStockLetterOnBoard(slot, column, row)) return false;
  Modified = true;
  AfterMove();
  return true;
}

bool TGamePresenter::MoveBoardLetter(int fromColumn, int fromRow, int toColumn, int toRow) {
  TCommandScope command(*this);
  if (!State.MoveBoardLetter(fromColumn, fromRow, toColumn, toRow)) return false;
  Modified = true;
  UpdatePutButtons();
  return true;
}

bool TGamePresenter::DropBoardLetterOnStock(int column, int row, int slot) {
  TCommandScope command(*this);
  if (!State.DropBoardLetterOnStock(column, row, slot)) return false;
  AfterMove();
  return true;
}

bool TGamePresenter::SwapStockLetters(int sourceSlot, int targetSlot) {
  TCommandScope command(*this);
  return State.SwapStockLetters(sourceSlot, targetSlot);
}

bool TGamePresenter::ReturnLooseLetterToStock(int column, int row) {
  TCommandScope command(*this);
  if (!State.ReturnLooseLetterToStock(column, row)) return false;
  Modified = true;
  AfterMove();
  return true;
}

// --- Words ----------------------------------------------------------------------------

bool TGamePresenter::PutWord(bool flipped) {
  TCommandScope command(*this);
  // The best move is judged against the list as it was before this put; only
  // a game that is shown has a coach panel to tell.
  if (view_) coach_.BeforePut(State);
  TTurn turn;
  turn.Before = Side();
  const std::int32_t scoreBefore = State.Score;
  std::string word;
  const TPutOutcome outcome = State.PutWord(flipped, Dictionary, Letters(), word);
  if (outcome == TPutOutcome::NoWord) return false;
  SetLabel(TGameLabel::ValidWord, ValidWordText(word, outcome == TPutOutcome::PutKnown));
  if (outcome == TPutOutcome::Refused) return false;
  cursor_.Typed.clear();
  coach_.AfterPut(State.Score - scoreBefore);
  if (outcome == TPutOutcome::PutUnknown && State.Settings.AddToWordsList) {
    const std::size_t count = Dictionary.WordsList.Count();
    Dictionary.AddWord(word);
    if (Dictionary.WordsList.Count() != count) turn.AddedWord = word;
    SetLabel(TGameLabel::WordsInDictionary, Dictionary.WordsCountText());
    coach_.WordsListChanged(true);
  }
  Modified = true;
  putButtonsEnabled_ = false;
  ShowScore(0);
  ShowLetterScore(0);
  turn.Kind = TTurnKind::Put;
  turn.Word = word;
  turn.Points = State.Score - scoreBefore;
  turn.Best = coach_.BestScoreBeforePut();
  turn.HintUsed = hintLaidOut_;
  records_.WordPut(word, turn.Points, turn.Best, turn.HintUsed);
  RecordTurn(std::move(turn));
  return true;
}

}  // namespace vb
