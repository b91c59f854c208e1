#include "app/VorbelleForm.h"

#include "app/ChooseLetterForm.h"
#include "core/ProgramIdentity.h"
#include "app/FileDialogs.h"
#include "app/HelpViewer.h"
#include "app/VorbelleFormLayout.h"
#include "app/WindowLayout.h"
#include "core/HelpFile.h"
#include "core/StatusFrame.h"
#include "platform/win32/ModalOwner.h"
#include "ui/Application.h"

namespace vb {

namespace {
std::vector<std::string> BoardSizeItems() {
  std::vector<std::string> items;
  for (int size = MinBoardSize; size <= MaxBoardSize; ++size) items.push_back(std::to_string(size));
  return items;
}

TFileDialogs& DialogsOrSystem(TFileDialogs* given, std::unique_ptr<TFileDialogs>& own) {
  if (given) return *given;
  own = std::make_unique<TWin32FileDialogs>(FindModalOwner);
  return *own;
}

bool IsKey(WORD key, char letter) { return key == static_cast<WORD>(letter); }
}  // namespace

TVorbelleForm::TVorbelleForm(const std::string& programFolder, TRandomPool* pool, TFileDialogs* dialogs)
    : game_(programFolder, pool),
      commands_(game_, DialogsOrSystem(dialogs, ownDialogs_), this),
      boardView_(game_.Board) {}

TVorbelleForm::~TVorbelleForm() {
  // The game outlives the controls it talks to only as long as it stays silent.
  game_.SetView(nullptr);
  game_.ChooseLetter = nullptr;
}

bool TVorbelleForm::Create() {
  if (created_) return true;
  if (!CreateForm(kProgramName, layout::ClientWidth, layout::ClientHeight, ui::FormBorder::Single)) return false;
  created_ = true;
  SetFormFont(layout::FormFontName, layout::FormFontHeight);

  CreateCommandRow();
  CreateSettings();
  CreateStockAndWord();
  CreateBoard();
  BuildWorkMenu();
  ConnectDragAndDrop();

  OnKeyDown = [this](WORD key, ShiftState shift) { FormKeyDown(key, shift); };
  OnCloseQuery = [this] { return FormCloseQuery(); };

  game_.SetBoardSizeInputs(ColumnsCountComboBox, RowsCountComboBox);
  game_.SetView(this);
  ShowGameState();
  return true;
}

void TVorbelleForm::CreateCommandRow() {
  ui::PanelStyle lowered;
  lowered.Inner = ui::Bevel::Lowered;
  MenuPanel.Create(*this, layout::MenuPanel, "", lowered);
  WorkButton.Create(MenuPanel, layout::WorkButton, "&Work");
  HelpButton.Create(MenuPanel, layout::HelpButton, "&Help");
  AboutButton.Create(MenuPanel, layout::AboutButton, "&About");
  HideButton.Create(MenuPanel, layout::HideButton, "Hide");
  CloseButton.Create(MenuPanel, layout::CloseButton, "Close");
  FullScreenCheckBox.Create(MenuPanel, layout::FullScreenCheckBox, "&Full screen");
  SetHint(WorkButton, texts::WorkHint);
  SetHint(HideButton, texts::HideHint);
  SetHint(CloseButton, texts::CloseHint);
  SetHint(FullScreenCheckBox, texts::FullScreenHint);
  WorkButton.OnClick = [this] { WorkButtonClick(); };
  HelpButton.OnClick = [this] { HelpButtonClick(); };
  AboutButton.OnClick = [this] { AboutButtonClick(); };
  HideButton.OnClick = [this] { HideButtonClick(); };
  CloseButton.OnClick = [this] { CloseButtonClick(); };
  FullScreenCheckBox.OnClick = [this] { FullScreenCheckBoxClick(); };
}

void TVorbelleForm::CreateSettings() {
  MainPanel.Create(*this, layout::MainPanel);
  ColumnsCountLabel.Create(MainPanel, layout::ColumnsCountLabel.Left, layout::ColumnsCountLabel.Top, "Columns");
  // Fixed lists of every board size, all shown at once: the player picks a size, never types one.
  const int allSizes = MaxBoardSize - MinBoardSize + 1;
  ColumnsCountComboBox.Create(MainPanel, layout::ColumnsCountComboBox.Left, layout::ColumnsCountComboBox.Top,
                              layout::ColumnsCountComboBox.Width, BoardSizeItems(), false, allSizes);
  RowsCountLabel.Create(MainPanel, layout::RowsCountLabel.Left, layout::RowsCountLabel.Top, "Rows");
  RowsCountComboBox.Create(MainPanel, layout::RowsCountComboBox.Left, layout::RowsCountComboBox.Top,
                           layout::RowsCountComboBox.Width, BoardSizeItems(), false, allSizes);
  ColumnsCountComboBox.SetText(std::to_string(DefaultBoardSize));
  RowsCountComboBox.SetText(std::to_string(DefaultBoardSize));
  DictionaryLabel.Create(MainPanel, layout::DictionaryLabel.Left, layout::DictionaryLabel.Top, "Dictionary");
  DictionaryEdit.Create(MainPanel, layout::DictionaryEdit);
  WordsListLabel.Create(MainPanel, layout::WordsListLabel.Left, layout::WordsListLabel.Top, "Words list");
  WordsListEdit.Create(MainPanel, layout::WordsListEdit);
  WordsInDictionaryLabel.Create(MainPanel, layout::WordsInDictionaryLabel.Left, layout::WordsInDictionaryLabel.Top,
                                "");
  AddToWordsListCheckBox.Create(MainPanel, layout::AddToWordsListCheckBox,
                                "Automatically add unknown words to words list", true);
  SetHint(AddToWordsListCheckBox, texts::AddToWordsListHint);
  AddToWordsListCheckBox.OnClick = [this] { game_.AddToWordsList = AddToWordsListCheckBox.Checked(); };
}

void TVorbelleForm::CreateStockAndWord() {
  LettersPanel.Create(*this, layout::LettersPanel);
  StockLettersGroupBox.Create(LettersPanel, layout::StockLettersGroupBox, "Stock letters");
  stockLetterFont_ =
      ui::CreateFontByHeight(layout::StockLetterFontName, layout::StockLetterFontHeight, ui::FontBold);
  for (int slot = 0; slot < StockSize; ++slot) {
    ui::Panel& panel = StockLetterPanels[slot];
    panel.Create(StockLettersGroupBox,
                 {layout::StockLetterFirstLeft + slot * layout::StockLetterStep, layout::StockLetterTop,
                  layout::StockLetterSize, layout::StockLetterSize});
    panel.SetFont(stockLetterFont_.get());
    panel.OnMouseDown = [this, slot](const ui::MouseEvent& event) { StockLetterPanelMouseDown(slot, event); };
    panel.OnMouseMove = [this, slot](const ui::MouseEvent&) { StockLetterPanelMouseMove(slot); };
  }
  DragTipLabel.CreateWrapped(StockLettersGroupBox, layout::DragTipLabel, texts::DragTip);
  NewStockLettersButton.Create(StockLettersGroupBox, layout::NewStockLettersButton, "New stock letters", false);
  NewStockLettersButton.OnClick = [this] { NewStockLettersButtonClick(); };
  LetterChangesLabel.Create(StockLettersGroupBox, layout::LetterChangesLabel.Left, layout::LetterChangesLabel.Top,
                            "");
  LetterScoreLabel.Create(StockLettersGroupBox, layout::LetterScoreLabel.Left, layout::LetterScoreLabel.Top, "");

  WordGroupBox.Create(LettersPanel, layout::WordGroupBox, "Word");
  PutWordButton.Create(WordGroupBox, layout::PutWordButton, "&Put word on board", false);
  PutFlippedWordButton.Create(WordGroupBox, layout::PutFlippedWordButton, "Put flipped word", false);
  SetHint(PutWordButton, texts::PutWordHint);
  SetHint(PutFlippedWordButton, texts::PutFlippedWordHint);
  PutWordButton.OnClick = [this] { PutWordButtonClick(); };
  PutFlippedWordButton.OnClick = [this] { PutFlippedWordButtonClick(); };
  AcceptWordTipLabel.CreateWrapped(WordGroupBox, layout::AcceptWordTipLabel, texts::AcceptWordTip);
  AllowUnknownWordsCheckBox.Create(WordGroupBox, layout::AllowUnknownWordsCheckBox, "Allow unknown words", true);
  AllowUnknownWordsCheckBox.OnClick = [this] { game_.AllowUnknownWords = AllowUnknownWordsCheckBox.Checked(); };
  ValidWordLabel.Create(WordGroupBox, layout::ValidWordLabel.Left, layout::ValidWordLabel.Top, "");
  ScoreLabel.Create(WordGroupBox, layout::ScoreLabel.Left, layout::ScoreLabel.Top, "");
}

void TVorbelleForm::CreateBoard() {
  BoardGroupBox.Create(*this, layout::BoardGroupBox, "Board");
  BoardGroupBox.OnMouseMove = [this](const ui::MouseEvent& event) { BoardGroupBoxMouseMove(event); };
  BoardPaintBox.Create(BoardGroupBox, layout::BoardPaintBox, false);
  BoardPaintBox.OnPaint = [this](HDC dc) { boardView_.PaintBoard(dc); };
  BoardPaintBox.OnMouseDown = [this](const ui::MouseEvent& event) { BoardPaintBoxMouseDown(event); };
  BoardPaintBox.OnMouseMove = [this](const ui::MouseEvent& event) { BoardPaintBoxMouseMove(event); };
  ComputeCellSize();
}

void TVorbelleForm::BuildWorkMenu() {
  workMenu_.AddItem("New game", "Ctrl+N", [this] { NewGameMenuClick(); });
  workMenu_.AddItem("Load dictionary", "D", [this] { LoadDictionaryMenuClick(); });
  workMenu_.AddSeparator();
  workMenu_.AddItem("Load last game", "Ctrl+Z", [this] { LoadLastGameMenuClick(); });
  workMenu_.AddItem("Load game", "L", [this] { LoadGameMenuClick(); });
  workMenu_.AddItem("Save game", "S", [this] { SaveGameMenuClick(); });
  workMenu_.AddSeparator();
  workMenu_.AddItem("Analyze words list", "", [this] { AnalyzeWordsListMenuClick(); });
}

void TVorbelleForm::ShowGameState() {
  for (int label = 0; label < GameLabelsCount; ++label) LabelChanged(static_cast<TGameLabel>(label));
  for (int slot = 0; slot < StockSize; ++slot) StockSlotChanged(slot);
  PutButtonsChanged();
  NewStockLettersButtonChanged();
  TitleChanged();
  AddToWordsListCheckBox.SetChecked(game_.AddToWordsList);
  AllowUnknownWordsCheckBox.SetChecked(game_.AllowUnknownWords);
  FullScreenCheckBox.SetChecked(game_.FullScreen);
  BoardPaintBox.SetVisible(game_.BoardVisible());
}

void TVorbelleForm::SetChooseLetterForm(TChooseLetterForm* form) {
  chooseLetterForm_ = form;
  if (!form) {
    game_.ChooseLetter = nullptr;
    return;
  }
  game_.ChooseLetter = [this] { return chooseLetterForm_ ? chooseLetterForm_->ChooseLetter(Handle()) : 0; };
}

void TVorbelleForm::BeforeRun() {
  StatusFrame frame(VB_HERE, "TVorbelleForm::BeforeRun", "Failed to prepare the main window.");
  frame.Run([&] {
    commands_.PrepareFilesAndOptions();
    if (frame.Adopt()) return;
    ApplyWindowLayout();
    if (chooseLetterForm_) chooseLetterForm_->BuildLetterPanels();
  }, __LINE__);
}

// --- Commands -------------------------------------------------------------

void TVorbelleForm::NewGameMenuClick() { commands_.NewGameMenuClick(); }
void TVorbelleForm::LoadDictionaryMenuClick() { commands_.LoadDictionaryMenuClick(); }
void TVorbelleForm::LoadLastGameMenuClick() { commands_.LoadLastGameMenuClick(); }
void TVorbelleForm::LoadGameMenuClick() { commands_.LoadGameMenuClick(); }
void TVorbelleForm::SaveGameMenuClick() { commands_.SaveGameMenuClick(); }
void TVorbelleForm::AnalyzeWordsListMenuClick() { commands_.AnalyzeWordsListMenuClick(); }
void TVorbelleForm::PutWordButtonClick() { game_.PutWord(false); }
void TVorbelleForm::PutFlippedWordButtonClick() { game_.PutWord(true); }
void TVorbelleForm::NewStockLettersButtonClick() { game_.NewStockLetters(); }

void TVorbelleForm::WorkButtonClick() {
  // The menu opens below the button, its left edges aligned.
  const RECT bounds = WorkButton.DeviceBounds();
  POINT corner{bounds.left, bounds.bottom};
  ::ClientToScreen(MenuPanel.Handle(), &corner);
  workMenu_.Popup(Handle(), corner.x, corner.y);
}

void TVorbelleForm::HelpButtonClick() {
  if (OnShowHelp) {
    OnShowHelp(kMainWindowHelpContext);
  } else {
    ShowHelpTopic(kMainWindowHelpContext, Handle());
  }
}

void TVorbelleForm::AboutButtonClick() {
  if (OnShowAbout) OnShowAbout();
}

void TVorbelleForm::HideButtonClick() { ui::Application::Minimize(); }

void TVorbelleForm::CloseButtonClick() { Close(); }

void TVorbelleForm::FullScreenCheckBoxClick() {
  game_.FullScreen = FullScreenCheckBox.Checked();
  ApplyWindowLayout();
}

void TVorbelleForm::FormKeyDown(WORD key, ShiftState shift) {
  const bool onlyCtrl = IsOnlyShiftElement(shift, CtrlKey);
  if (key == VK_SPACE) {
    HideButton.Click();
  } else if (IsKey(key, 'D')) {
    LoadDictionaryMenuClick();
  } else if (IsKey(key, 'L')) {
    LoadGameMenuClick();
  } else if (IsKey(key, 'S')) {
    SaveGameMenuClick();
  } else if (IsKey(key, 'N') && onlyCtrl) {
    NewGameMenuClick();
  } else if (IsKey(key, 'Z') && onlyCtrl) {
    LoadLastGameMenuClick();
  }
}

bool TVorbelleForm::FormCloseQuery() { return commands_.FormCloseQuery(); }

// --- Layout and texts -----------------------------------------------------

void TVorbelleForm::ApplyWindowLayout() {
  if (!Handle()) return;
  RECT workArea{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  if (FullScreenCheckBox.Checked()) {
    SetBorder(ui::FormBorder::None);
    // The whole screen, as a maximised window without border covers it.
    if (::IsWindowVisible(Handle())) ::ShowWindow(Handle(), SW_MAXIMIZE);
    ::SetWindowPos(Handle(), nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    if (::IsZoomed(Handle())) ::ShowWindow(Handle(), SW_RESTORE);
    SetBorder(ui::FormBorder::Single);
    const WindowPlacement placement =
        ComputeWindowedPlacement(workArea.right - workArea.left, workArea.bottom - workArea.top,
                                 ui::Scale(layout::MinimumWindowWidth), ui::Scale(layout::MinimumWindowHeight));
    SetDeviceBounds(placement.Left, placement.Top, placement.Width, placement.Height);
  }
  // The board takes the rest of the client area.
  const int margin = ui::Scale(layout::BoardMargin);
  const RECT group = BoardGroupBox.DeviceBounds();
  const int groupWidth = ClientWidth() - group.left - margin;
  const int groupHeight = ClientHeight() - group.top - margin;
  BoardGroupBox.SetDeviceBounds(group.left, group.top, groupWidth, groupHeight);
  const RECT paint = BoardPaintBox.DeviceBounds();
  BoardPaintBox.SetDeviceBounds(paint.left, paint.top, groupWidth - 2 * margin, groupHeight - paint.top - margin);
  ComputeCellSize();
  BoardGroupBox.Invalidate();
}

void TVorbelleForm::SetTitle(const std::string& name) { game_.SetTitle(name); }

void TVorbelleForm::ShowDictionaryNames() {
  DictionaryEdit.SetText(game_.Dictionary.DictionaryDisplayName());
  WordsListEdit.SetText(game_.Dictionary.WordsListName);
}

// --- Board view -----------------------------------------------------------

void TVorbelleForm::ComputeCellSize() {
  if (!BoardPaintBox.Handle()) return;
  boardView_.ComputeCellSize(BoardPaintBox.ClientWidth(), BoardPaintBox.ClientHeight());
  BoardPaintBox.SetFont(boardView_.Font());
  BoardPaintBox.Invalidate();
}

void TVorbelleForm::PaintCell(int column, int row) {
  BoardPaintBox.PaintNow([&](HDC dc) { boardView_.PaintCell(dc, column, row); });
}

void TVorbelleForm::BoardPaintBoxMouseMove(const ui::MouseEvent& event) {
  const std::optional<TCellPosition> cell = boardView_.CellAt(event.X, event.Y);
  game_.ShowLetterScore(cell ? game_.Board.Cell(cell->Column, cell->Row).Letter : 0);
  UpdateBoardCursor(cell ? cell->Column : -1, cell ? cell->Row : -1);
  game_.RandomPool().Stir(event.X, event.Y);
}

void TVorbelleForm::BoardGroupBoxMouseMove(const ui::MouseEvent& event) {
  game_.RandomPool().Stir(event.X, event.Y);
}

void TVorbelleForm::UpdateBoardCursor(int column, int row) {
  BoardPaintBox.SetCursorShape(game_.Board.IsLoose(column, row) ? ui::CursorShape::HandPoint
                                                                : ui::CursorShape::Default);
}

// --- Game view ------------------------------------------------------------

ui::Label* TVorbelleForm::LabelFor(TGameLabel label) {
  switch (label) {
    case TGameLabel::WordsInDictionary:
      return &WordsInDictionaryLabel;
    case TGameLabel::ValidWord:
      return &ValidWordLabel;
    case TGameLabel::Score:
      return &ScoreLabel;
    case TGameLabel::LetterScore:
      return &LetterScoreLabel;
    case TGameLabel::LetterChanges:
      return &LetterChangesLabel;
  }
  return nullptr;
}

void TVorbelleForm::CellChanged(int column, int row) { PaintCell(column, row); }

void TVorbelleForm::BoardChanged() { BoardPaintBox.Invalidate(); }

void TVorbelleForm::BoardShown() {
  BoardPaintBox.SetVisible(true);
  BoardPaintBox.Invalidate();
}

void TVorbelleForm::StockSlotChanged(int slot) {
  if (!TStockLetters::IsSlot(slot)) return;
  const unsigned char letter = game_.Stock.Letter(slot);
  StockLetterPanels[slot].SetText(letter ? std::string(1, static_cast<char>(letter)) : std::string());
}

void TVorbelleForm::LabelChanged(TGameLabel label) {
  ui::Label* control = LabelFor(label);
  if (control && control->Handle() && control->Text() != game_.Label(label)) control->SetCaption(game_.Label(label));
}

void TVorbelleForm::PutButtonsChanged() {
  PutWordButton.SetEnabled(game_.PutButtonsEnabled());
  PutFlippedWordButton.SetEnabled(game_.PutButtonsEnabled());
}

void TVorbelleForm::NewStockLettersButtonChanged() {
  NewStockLettersButton.SetEnabled(game_.NewStockLettersEnabled());
}

void TVorbelleForm::TitleChanged() { SetText(game_.Title()); }

void TVorbelleForm::SettingsChanged() {
  AddToWordsListCheckBox.SetChecked(game_.AddToWordsList);
  AllowUnknownWordsCheckBox.SetChecked(game_.AllowUnknownWords);
  const bool layoutChanges = FullScreenCheckBox.Checked() != game_.FullScreen;
  FullScreenCheckBox.SetChecked(game_.FullScreen);
  if (layoutChanges) ApplyWindowLayout();
}

void TVorbelleForm::DictionaryNamesChanged() { ShowDictionaryNames(); }

void TVorbelleForm::FontChanged(const std::string& fontName) {
  if (fontName.empty()) return;
  ui::FontHandle font = ui::CreateFontByHeight(fontName, layout::StockLetterFontHeight, ui::FontBold);
  for (ui::Panel& panel : StockLetterPanels) panel.SetFont(font.get());
  stockLetterFont_ = std::move(font);
  boardView_.SetFontName(fontName);
  BoardPaintBox.SetFont(boardView_.Font());
  BoardPaintBox.Invalidate();
}

void TVorbelleForm::LettersChanged(const std::string& fontName, const TAlphabet& alphabet) {
  if (chooseLetterForm_) chooseLetterForm_->SetLetters(fontName, alphabet);
}

LRESULT TVorbelleForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vb
