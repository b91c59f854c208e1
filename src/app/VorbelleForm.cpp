#include "app/VorbelleForm.h"

#include <algorithm>

#include "app/ChooseLetterForm.h"
#include "app/FileDialogs.h"
#include "app/HelpViewer.h"
#include "app/StatisticsForm.h"
#include "app/MainWindowLayout.h"
#include "app/WindowLayout.h"
#include "core/help/HelpFile.h"
#include "core/base/ProgramIdentity.h"
#include "core/errors/StatusFrame.h"
#include "platform/win32/ModalOwner.h"
#include "ui/Application.h"
#include "ui/HighContrast.h"

namespace vb {

namespace {
TFileDialogs& DialogsOrSystem(TFileDialogs* given, std::unique_ptr<TFileDialogs>& own) {
  if (given) return *given;
  own = std::make_unique<TWin32FileDialogs>(FindModalOwner);
  return *own;
}
}  // namespace

// The Statistics window behind the presenter's seam: a new window each time,
// over the window the player works in.
class TVorbelleForm::StatisticsWindow : public TStatisticsViewer {
 public:
  void ShowStatistics(const TRecords& records, const TRecordKey& current,
                      const std::vector<TTurnPoints>& thisGame) override {
    vb::ShowStatistics(FindModalOwner(), records, current, thisGame);
  }
};

// The choose-letter dialog behind the presenter's seam, owned by the main window.
class TVorbelleForm::LetterChooser : public TLetterChooser {
 public:
  LetterChooser(TChooseLetterForm& form, HWND owner) : form_(form), owner_(owner) {}
  unsigned char ChooseLetter() override { return form_.ChooseLetter(owner_); }

 private:
  TChooseLetterForm& form_;
  HWND owner_;
};

TVorbelleForm::TVorbelleForm(const std::string& programFolder, TRandomPool* pool, TFileDialogs* dialogs)
    : game_(programFolder, pool, &DialogsOrSystem(dialogs, ownDialogs_)),
      view_(*this, controls_, commands_, [this] { ApplyWindowLayout(); }),
      drag_(controls_, view_, game_),
      autoScroll_(view_.Viewport(), drag_.Manager()),
      keyboard_(controls_, view_, game_, [this](TCommandId id) { RunCommand(id); }),
      zoom_(view_, game_.ProgramFolder + kViewSettingsFileName),
      stockAccessible_(controls_, view_),
      access_(controls_, view_) {
  BuildCommandTable();
}

TVorbelleForm::~TVorbelleForm() {
  // The game outlives the controls it talks to only as long as it stays silent.
  game_.SetView(nullptr);
  game_.SetLetterChooser(nullptr);
  game_.Commands().SetGameNumberAsker(nullptr);
  game_.SetStatisticsViewer(nullptr);
}

void TVorbelleForm::BuildCommandTable() {
  using Id = TCommandId;
  using Mods = TKeyModifiers;
  const auto always = std::function<bool(const TGameViewModel&)>();
  commands_.Add({Id::NewGame, "New game", 'N', Mods::CtrlOnly, "Ctrl+N", false, [this] { NewGameMenuClick(); }, always});
  commands_.Add({Id::NewNumberedGame, "New numbered game...", 0, Mods::Any, "", false,
                 [this] { NewNumberedGameMenuClick(); }, always});
  commands_.Add({Id::LoadDictionary, "Load dictionary", 'D', Mods::Any, "D", false,
                 [this] { LoadDictionaryMenuClick(); }, always});
  commands_.Add({Id::LoadLastGame, "Load last game", 'Z', Mods::CtrlOnly, "Ctrl+Z", true,
                 [this] { LoadLastGameMenuClick(); }, always});
  commands_.Add({Id::LoadGame, "Load game", 'L', Mods::Any, "L", false, [this] { LoadGameMenuClick(); }, always});
  commands_.Add({Id::SaveGame, "Save game", 'S', Mods::Any, "S", false, [this] { SaveGameMenuClick(); }, always});
  commands_.Add({Id::AnalyzeWordsList, "Analyze words list", 0, Mods::Any, "", true,
                 [this] { AnalyzeWordsListMenuClick(); }, always});
  commands_.Add({Id::Statistics, "Statistics", 'T', Mods::CtrlOnly, "Ctrl+T", false, [this] { game_.ShowStatistics(); },
                 always});
  commands_.Add({Id::FinishGame, "Finish game", 0, Mods::Any, "", false,
                 [this] {
                   if (game_.FinishGame()) game_.ShowStatistics();
                 },
                 [](const TGameViewModel& model) { return model.CanFinishGame; }});
  commands_.Add({Id::Hint, "Hint", 'H', Mods::CtrlOnly, "Ctrl+H", true, [this] { game_.Hint(); },
                 [](const TGameViewModel& model) { return model.BoardVisible; }});
  commands_.Add({Id::Undo, "Undo", VK_BACK, Mods::AltOnly, "Alt+Backspace", true, [this] { game_.Undo(); },
                 [](const TGameViewModel& model) { return model.CanUndo; }});
  commands_.Add({Id::Redo, "Redo", 'Y', Mods::CtrlOnly, "Ctrl+Y", false, [this] { game_.Redo(); },
                 [](const TGameViewModel& model) { return model.CanRedo; }});
  const auto canPut = [](const TGameViewModel& model) { return model.PutButtonsEnabled; };
  commands_.Add({Id::PutWord, "", 0, Mods::Any, "", false, [this] { game_.PutWord(false); }, canPut});
  commands_.Add({Id::PutFlippedWord, "", 0, Mods::Any, "", false, [this] { game_.PutWord(true); }, canPut});
  commands_.Add({Id::NewStockLetters, "", 0, Mods::Any, "", false, [this] { game_.NewStockLetters(); },
                 [](const TGameViewModel& model) { return model.NewStockLettersEnabled; }});
  commands_.Add({Id::Hide, "", VK_SPACE, Mods::Any, "", false, [this] { controls_.HideButton.Click(); }, always});
  commands_.Add({Id::ZoomIn, "Zoom in", VK_OEM_PLUS, Mods::CtrlOnly, "Ctrl+Plus", true, [this] { zoom_.ZoomIn(); },
                 [this](const TGameViewModel& model) { return zoom_.CanZoomIn(model); }});
  commands_.Add({Id::ZoomOut, "Zoom out", VK_OEM_MINUS, Mods::CtrlOnly, "Ctrl+Minus", false,
                 [this] { zoom_.ZoomOut(); }, [this](const TGameViewModel& model) { return zoom_.CanZoomOut(model); }});
  commands_.Add({Id::ZoomToFit, "Zoom to fit", '0', Mods::CtrlOnly, "Ctrl+0", false, [this] { zoom_.ZoomToFit(); },
                 [this](const TGameViewModel& model) { return zoom_.CanZoomToFit(model); }});

  for (const TCommand& command : commands_.Rows()) {
    if (command.Caption.empty()) continue;
    if (command.SeparatorBefore) workMenu_.AddSeparator();
    const TCommandId id = command.Id;
    workMenu_.AddItem(command.Caption, command.KeyText, [this, id] { RunCommand(id); },
                      [this, id] { return commands_.IsEnabled(id, view_.Shown()); });
  }
}

void TVorbelleForm::RunCommand(TCommandId id) { commands_.Run(id, view_.Shown()); }

bool TVorbelleForm::Create() {
  if (created_) return true;
  if (!CreateForm(kProgramName, layout::ClientWidth, layout::ClientHeight, ui::FormBorder::Single)) return false;
  created_ = true;
  SetDrivesLayoutDpi(true);
  SetFormFont(layout::FormFontName, layout::FormFontHeight);
  controls_.Create(*this);
  ConnectControls();
  drag_.Connect();
  keyboard_.Connect();
  zoom_.Connect(controls_.BoardPaintBox);
  view_.SetHighContrast(ui::HighContrastOn());
  stockAccessible_.Connect();
  access_.Connect();
  view_.AfterUpdate = [this](const TViewChanges& changes) {
    access_.AfterUpdate(changes);
    stockAccessible_.NotifySlotsChanged(changes.Slots);
    keyboard_.NotifyCellsChanged(changes.Cells);
    if (changes.Cursor) keyboard_.NotifyCursorMoved();
  };
  drag_.OnEmptyCellClicked = [this](int column, int row) { keyboard_.TakeKeyboardAt(column, row); };
  autoScroll_.Connect(Handle());
  drag_.OnBoardDraggedOver = [this](int x, int y) { autoScroll_.DraggedOver(POINT{x, y}); };
  OnKeyDown = [this](WORD key, ShiftState shift) { FormKeyDown(key, shift); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  game_.SetView(&view_);
  if (numberForm_.Create()) game_.Commands().SetGameNumberAsker(&numberForm_);
  statisticsWindow_ = std::make_unique<StatisticsWindow>();
  game_.SetStatisticsViewer(statisticsWindow_.get());
  // The coach builds its word graph on a thread of its own; the window hears of
  // a finished graph as a message, so the game is only ever touched here.
  const HWND window = Handle();
  game_.SetCoachGraphReadyHandler([window] { ::PostMessageA(window, kCoachGraphReadyMessage, 0, 0); });
  AdoptMonitorDpi();
  return true;
}

void TVorbelleForm::ShowTurnOnBoard(int turn) {
  view_.HighlightCells(game_.History().PlacedCells(static_cast<std::size_t>(turn)));
  ::SetTimer(Handle(), kHighlightTimer, kHighlightMilliseconds, nullptr);
}

LRESULT TVorbelleForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCoachGraphReadyMessage) {
    game_.CoachGraphReady();
    return 0;
  }
  if (message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE) {
    view_.SetHighContrast(ui::HighContrastOn());
    return Form::HandleMessage(message, wParam, lParam);
  }
  if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL) {
    zoom_.Wheel(message, wParam, lParam);
    return 0;
  }
  if (message == WM_TIMER && wParam == TDragAutoScroll::kTimer) {
    autoScroll_.Step();
    return 0;
  }
  if (message == WM_TIMER && wParam == kHighlightTimer) {
    ::KillTimer(Handle(), kHighlightTimer);
    view_.HighlightCells({});
    return 0;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

void TVorbelleForm::ConnectControls() {
  TMainWindowControls& c = controls_;
  c.WorkButton.OnClick = [this] { WorkButtonClick(); };
  c.HelpButton.OnClick = [this] { HelpButtonClick(); };
  c.AboutButton.OnClick = [this] {
    if (OnShowAbout) OnShowAbout();
  };
  c.HideButton.OnClick = [] { ui::Application::Minimize(); };
  c.CloseButton.OnClick = [this] { Close(); };
  c.FullScreenCheckBox.OnClick = [this] { FullScreenCheckBoxClick(); };
  c.AddToWordsListCheckBox.OnClick = [this] { game_.SetAddToWordsList(controls_.AddToWordsListCheckBox.Checked()); };
  c.AllowUnknownWordsCheckBox.OnClick = [this] {
    game_.SetAllowUnknownWords(controls_.AllowUnknownWordsCheckBox.Checked());
  };
  c.PutWordButton.OnClick = [this] { RunCommand(TCommandId::PutWord); };
  c.PutFlippedWordButton.OnClick = [this] { RunCommand(TCommandId::PutFlippedWord); };
  c.NewStockLettersButton.OnClick = [this] { RunCommand(TCommandId::NewStockLetters); };
  c.BoardPaintBox.OnPaint = [this](HDC dc) {
    view_.PaintBoard(dc);
    access_.PaintBoardFocus(dc);
  };
  c.HistoryList.OnRowChosen = [this](int row) { ShowTurnOnBoard(row); };
}

void TVorbelleForm::PassBoardSizeChoice() {
  game_.SetBoardSizeChoice(controls_.ColumnsCountComboBox.GetText(), controls_.RowsCountComboBox.GetText());
}

void TVorbelleForm::SetChooseLetterForm(TChooseLetterForm* form) {
  chooseLetterForm_ = form;
  letterChooser_ = form ? std::make_unique<LetterChooser>(*form, Handle()) : nullptr;
  game_.SetLetterChooser(letterChooser_.get());
  view_.SetChooseLetterForm(form);
}

void TVorbelleForm::BeforeRun() {
  StatusFrame frame(VB_HERE, "TVorbelleForm::BeforeRun", "Failed to prepare the main window.");
  frame.Run([&] {
    zoom_.LoadSettings();
    game_.Commands().PrepareFilesAndOptions();
    if (frame.Adopt()) return;
    ApplyWindowLayout();
    if (chooseLetterForm_) chooseLetterForm_->BuildLetterPanels();
  }, __LINE__);
}

// --- Commands -------------------------------------------------------------

void TVorbelleForm::NewGameMenuClick() {
  PassBoardSizeChoice();
  game_.Commands().NewGameMenuClick();
}

void TVorbelleForm::NewNumberedGameMenuClick() {
  PassBoardSizeChoice();
  game_.Commands().NewNumberedGameMenuClick();
}

void TVorbelleForm::LoadDictionaryMenuClick() {
  PassBoardSizeChoice();
  game_.Commands().LoadDictionaryMenuClick();
}

void TVorbelleForm::LoadLastGameMenuClick() {
  PassBoardSizeChoice();
  game_.Commands().LoadLastGameMenuClick();
}

void TVorbelleForm::LoadGameMenuClick() {
  PassBoardSizeChoice();
  game_.Commands().LoadGameMenuClick();
}

void TVorbelleForm::SaveGameMenuClick() { game_.Commands().SaveGameMenuClick(); }
void TVorbelleForm::AnalyzeWordsListMenuClick() { game_.Commands().AnalyzeWordsListMenuClick(); }

void TVorbelleForm::WorkButtonClick() {
  // The menu opens below the button, its left edges aligned.
  const RECT bounds = controls_.WorkButton.DeviceBounds();
  POINT corner{bounds.left, bounds.bottom};
  ::ClientToScreen(controls_.MenuPanel.Handle(), &corner);
  workMenu_.Popup(Handle(), corner.x, corner.y);
}

void TVorbelleForm::HelpButtonClick() {
  if (OnShowHelp) {
    OnShowHelp(kMainWindowHelpContext);
  } else {
    ShowHelpTopic(kMainWindowHelpContext, Handle());
  }
}

void TVorbelleForm::FullScreenCheckBoxClick() {
  game_.SetFullScreen(controls_.FullScreenCheckBox.Checked());
  ApplyWindowLayout();
}

void TVorbelleForm::FormKeyDown(WORD key, ShiftState shift) {
  // The numeric keypad's plus, minus and 0 run what the main keys do.
  if (key == VK_ADD) key = VK_OEM_PLUS;
  if (key == VK_SUBTRACT) key = VK_OEM_MINUS;
  if (key == VK_NUMPAD0) key = '0';
  // Plus takes Shift on many layouts: Ctrl+Shift+Plus zooms in as well.
  if (key == VK_OEM_PLUS) shift &= ~ShiftBit(ShiftKey);
  const TCommand* command =
      commands_.ForKey(key, IsOnlyShiftElement(shift, CtrlKey), IsOnlyShiftElement(shift, AltKey));
  // While the board has the keyboard, letters and Space are typing, not commands.
  if (command && command->Modifiers == TKeyModifiers::Any && keyboard_.HasKeyboard()) return;
  if (command) RunCommand(command->Id);
}

bool TVorbelleForm::FormCloseQuery() {
  PassBoardSizeChoice();
  return game_.Commands().FormCloseQuery();
}

// --- Layout -----------------------------------------------------------------

void TVorbelleForm::ApplyWindowLayout() {
  if (!Handle()) return;
  PlaceWindow();
  LayOutClient();
}

void TVorbelleForm::PlaceWindow() {
  TMainWindowControls& c = controls_;
  RECT workArea{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  if (c.FullScreenCheckBox.Checked()) {
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
}

void TVorbelleForm::LayOutClient() {
  TMainWindowControls& c = controls_;
  const int margin = ui::Scale(layout::BoardMargin);
  const RECT group = c.BoardGroupBox.DeviceBounds();
  const int groupWidth = ClientWidth() - group.left - margin;
  const int groupHeight = ClientHeight() - group.top - margin;
  c.BoardGroupBox.SetDeviceBounds(group.left, group.top, groupWidth, groupHeight);
  const RECT paint = c.BoardPaintBox.DeviceBounds();
  c.BoardPaintBox.SetDeviceBounds(paint.left, paint.top, groupWidth - 2 * margin, groupHeight - paint.top - margin);
  view_.ComputeCellSize();
  c.BoardGroupBox.Invalidate();
  // The coach panel and the move history take the room under the word group, when there is enough.
  const RECT coach = c.CoachGroupBox.DeviceBounds();
  const bool coachFits = ClientHeight() - coach.top - margin >= ui::Scale(layout::CoachGroupBox.Height);
  c.CoachGroupBox.SetVisible(coachFits);
  const RECT history = c.HistoryGroupBox.DeviceBounds();
  const int historyHeight = ClientHeight() - history.top - margin;
  const bool historyFits = coachFits && historyHeight >= ui::Scale(layout::HistoryMinimumHeight);
  if (historyFits) {
    const int width = history.right - history.left;
    c.HistoryGroupBox.SetDeviceBounds(history.left, history.top, width, historyHeight);
    const RECT list = c.HistoryList.DeviceBounds();
    c.HistoryList.SetDeviceBounds(list.left, list.top, list.right - list.left, historyHeight - list.top - margin);
  }
  c.HistoryGroupBox.SetVisible(historyFits);
}

void TVorbelleForm::PlaceAfterDpiChange(const RECT* suggested) {
  if (!suggested || controls_.FullScreenCheckBox.Checked()) {
    ApplyWindowLayout();
    return;
  }
  // The system's rectangle keeps the window where the player moved it, in
  // proportion; never below the minimum size.
  const int width = std::max<int>(suggested->right - suggested->left, ui::Scale(layout::MinimumWindowWidth));
  const int height = std::max<int>(suggested->bottom - suggested->top, ui::Scale(layout::MinimumWindowHeight));
  SetDeviceBounds(suggested->left, suggested->top, width, height);
  LayOutClient();
}

void TVorbelleForm::OnRescaled() { controls_.RescaleFonts(); }

}  // namespace vb
