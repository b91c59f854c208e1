// Letters dragged and right-clicked with the mouse messages a person causes,
// checked in the game, on the panels, on the put buttons and in painted pixels.
#include "app/MainWindowFixture.h"
#include "support/ScriptedLetterChooser.h"

namespace vb::test {
namespace {

const COLORREF kEmpty = ::GetSysColor(COLOR_BTNFACE);
const COLORREF kLoose = ::GetSysColor(COLOR_BTNSHADOW);
const COLORREF kFixed = ::GetSysColor(COLOR_HIGHLIGHT);

TEST_F(MainWindowTest, StockLetterDroppedOnAnEmptyCellBecomesLoose) {
  StartGame("CABDEFG");
  EXPECT_EQ(CellFill(4, 4), kEmpty);
  DragStockToCell(0, 4, 4);
  EXPECT_EQ(Cell(4, 4).Letter, 'C');
  EXPECT_TRUE(Cell(4, 4).Loose);
  EXPECT_EQ(StockText(0), "");
  EXPECT_EQ(CellFill(4, 4), kLoose) << "the cell repaints at once";
  EXPECT_TRUE(Game().Modified);
  EXPECT_EQ(form->Controls().ScoreLabel.Text().rfind("Score 0; possible score now ", 0), 0u) << form->Controls().ScoreLabel.Text();
  EXPECT_FALSE(form->Drag().Dragging());
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(MainWindowTest, DropsOnOccupiedCellsAreRefused) {
  StartGame("CABDEFG");
  DragStockToCell(0, 4, 4);
  DragStockToCell(1, 4, 4);  // onto a loose letter
  EXPECT_EQ(Cell(4, 4).Letter, 'C');
  EXPECT_EQ(StockText(1), "A");
  Game().State.Board.SetCell(6, 6, TBoardCell{'B', false});
  DragStockToCell(1, 6, 6);  // onto a fixed letter
  EXPECT_EQ(Cell(6, 6).Letter, 'B');
  EXPECT_EQ(StockText(1), "A");
  EXPECT_EQ(Game().State.Board.LooseCount(), 1);
}

TEST_F(MainWindowTest, StockSlotsSwapAlsoWithAnEmptySlot) {
  StartGame("ABCD.FG");
  DragStockToStock(1, 4);  // slot 2 onto the empty slot 5
  EXPECT_EQ(StockText(1), "");
  EXPECT_EQ(StockText(4), "B");
  DragStockToStock(0, 4);  // two letters exchange
  EXPECT_EQ(StockText(0), "B");
  EXPECT_EQ(StockText(4), "A");
  EXPECT_FALSE(Game().Modified) << "a swap is no change of the game";
  DragStockToStock(2, 2);  // onto itself: nothing
  EXPECT_EQ(StockText(2), "C");
}

TEST_F(MainWindowTest, LooseLetterReturnsOnlyToAnEmptySlot) {
  StartGame("CABDEFG");
  DragStockToCell(0, 3, 3);
  DragCellToStock(3, 3, 1);  // slot 2 is full
  EXPECT_EQ(Cell(3, 3).Letter, 'C');
  EXPECT_EQ(StockText(1), "A");
  DragCellToStock(3, 3, 0);  // slot 1 is empty
  EXPECT_EQ(Cell(3, 3).Letter, 0);
  EXPECT_EQ(StockText(0), "C");
  EXPECT_EQ(Game().State.Board.LooseCount(), 0);
  EXPECT_EQ(CellFill(3, 3), kEmpty);
  EXPECT_EQ(form->Controls().ScoreLabel.Text(), "Score 0");
}

TEST_F(MainWindowTest, LooseLetterMovesOnTheBoardButNotOntoItsOwnCell) {
  StartGame("CABDEFG");
  DragStockToCell(0, 3, 3);
  DragCellToCell(3, 3, 3, 3);
  EXPECT_EQ(Cell(3, 3).Letter, 'C');
  DragCellToCell(3, 3, 7, 2);
  EXPECT_EQ(Cell(3, 3).Letter, 0);
  EXPECT_EQ(Cell(7, 2).Letter, 'C');
  EXPECT_TRUE(Cell(7, 2).Loose);
  EXPECT_EQ(CellFill(3, 3), kEmpty) << "the cell it left repaints empty";
  EXPECT_EQ(CellFill(7, 2), kLoose);
  EXPECT_EQ(Game().State.Board.LooseLetter(0).Column, 7);
}

TEST_F(MainWindowTest, FixedLettersAndEmptyCellsStartNoDrag) {
  StartGame("CABDEFG");
  Game().State.Board.SetCell(5, 5, TBoardCell{'B', false});
  const POINT point = CellCentre(5, 5);
  ::SendMessageA(Board(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point.x, point.y));
  EXPECT_FALSE(form->Drag().Dragging());
  EXPECT_EQ(form->DragSource().Column, -1);
  ::SendMessageA(Board(), WM_LBUTTONUP, 0, PointParam(point.x, point.y));
}

TEST_F(MainWindowTest, RightClickReturnsALooseLetterToTheFirstEmptySlot) {
  StartGame(".A.DEFG");
  Game().State.Board.SetCell(2, 2, TBoardCell{'C', true});
  Game().State.Board.AddLooseLetter(2, 2);
  Game().Modified = false;
  RightClickCell(2, 2);
  EXPECT_EQ(StockText(0), "C");
  EXPECT_EQ(StockText(2), "");
  EXPECT_EQ(Cell(2, 2).Letter, 0);
  EXPECT_TRUE(Game().Modified);
  // A full stock takes nothing; fixed letters stay.
  Game().State.Stock.SetLetter(2, 'B');
  Game().State.Board.SetCell(4, 4, TBoardCell{'L', true});
  Game().State.Board.AddLooseLetter(4, 4);
  RightClickCell(4, 4);
  EXPECT_EQ(Cell(4, 4).Letter, 'L');
  Game().State.Board.SetCell(6, 6, TBoardCell{'K', false});
  RightClickCell(6, 6);
  EXPECT_EQ(Cell(6, 6).Letter, 'K');
}

TEST_F(MainWindowTest, PutButtonsFollowTheArrangementAndAPutWordPaintsFixed) {
  StartGame("CABDEFG");
  DragStockToCell(0, 4, 4);
  EXPECT_FALSE(form->Controls().PutWordButton.Enabled()) << "one letter on an empty board is no word";
  DragStockToCell(1, 5, 4);
  DragStockToCell(2, 6, 4);
  EXPECT_TRUE(form->Controls().PutWordButton.Enabled());
  EXPECT_TRUE(form->Controls().PutFlippedWordButton.Enabled());
  DragCellToCell(6, 4, 6, 8);  // out of line
  EXPECT_FALSE(form->Controls().PutWordButton.Enabled());
  EXPECT_FALSE(form->Controls().PutFlippedWordButton.Enabled());
  DragCellToCell(6, 8, 6, 4);
  ASSERT_TRUE(form->Controls().PutWordButton.Enabled());
  form->Controls().PutWordButton.Click();  // "CAB" is in the words list
  EXPECT_EQ(form->Controls().ValidWordLabel.Text(), "Last word is in the words list: \"CAB\"");
  EXPECT_FALSE(Cell(4, 4).Loose);
  EXPECT_EQ(CellFill(4, 4), kFixed);
  EXPECT_EQ(CellFill(6, 4), kFixed);
  EXPECT_FALSE(form->Controls().PutWordButton.Enabled());
  EXPECT_EQ(Game().State.Stock.LettersCount(), 7) << "the stock is refilled";
}

TEST_F(MainWindowTest, TheStripBesideTheLastColumnTakesNoDrop) {
  form->Controls().ColumnsCountComboBox.SetText("30");
  form->Controls().RowsCountComboBox.SetText("30");
  StartGame("CABDEFG");
  EXPECT_EQ(form->BoardView().CellWidth(), 13);
  EXPECT_EQ(form->BoardView().CellHeight(), 16);
  EXPECT_EQ(form->BoardView().FontPoints(), 8);
  DragFromTo(Panel(0), {20, 20}, Board(), {405, 40});  // 390..414 belongs to no cell
  EXPECT_EQ(StockText(0), "C");
  EXPECT_EQ(Game().State.Board.LooseCount(), 0);
  DragStockToCell(0, 29, 29);
  EXPECT_EQ(Cell(29, 29).Letter, 'C');
}

TEST_F(MainWindowTest, EscapeCancelsADrag) {
  StartGame("CABDEFG");
  ::SendMessageA(Panel(0), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(20, 20));
  ASSERT_TRUE(form->Drag().Dragging());
  MSG escape{Panel(0), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  ui::Application::ProcessMessage(escape);
  EXPECT_FALSE(form->Drag().Dragging());
  POINT over = CellCentre(1, 1);
  ::MapWindowPoints(Board(), Panel(0), &over, 1);
  ::SendMessageA(Panel(0), WM_LBUTTONUP, 0, PointParam(over.x, over.y));
  EXPECT_EQ(StockText(0), "C");
}

TEST_F(MainWindowTest, PointerOverTheBoardShowsLetterScoresAndStirs) {
  StartGame("CABDEFG");
  DragStockToCell(0, 2, 2);
  const POINT loose = CellCentre(2, 2);
  ::SendMessageA(Board(), WM_MOUSEMOVE, 0, PointParam(loose.x, loose.y));
  EXPECT_EQ(form->Controls().LetterScoreLabel.Text().rfind("Letter score ", 0), 0u);
  EXPECT_EQ(form->Controls().BoardPaintBox.GetCursorShape(), ui::CursorShape::HandPoint);
  const POINT empty = CellCentre(8, 8);
  ::SendMessageA(Board(), WM_MOUSEMOVE, 0, PointParam(empty.x, empty.y));
  EXPECT_EQ(form->Controls().LetterScoreLabel.Text(), "");
  EXPECT_EQ(form->Controls().BoardPaintBox.GetCursorShape(), ui::CursorShape::Default);
  ::SendMessageA(Panel(1), WM_MOUSEMOVE, 0, PointParam(5, 5));
  EXPECT_EQ(form->Controls().LetterScoreLabel.Text().rfind("Letter score ", 0), 0u);
  EXPECT_EQ(form->Controls().StockLetterPanels[1].GetCursorShape(), ui::CursorShape::HandPoint);
  EXPECT_EQ(form->Controls().StockLetterPanels[0].GetCursorShape(), ui::CursorShape::Default);
}

TEST_F(MainWindowTest, RightClickOnAStockLetterChangesItThroughTheChooseLetterSeam) {
  StartGame("CABDEFG");
  const int changes = Game().State.LetterChangesCount;
  ScriptedLetterChooser chooser;
  Game().SetLetterChooser(&chooser);
  chooser.Answer = [] { return static_cast<unsigned char>(0); };  // cancelled
  ::SendMessageA(Panel(3), WM_RBUTTONDOWN, MK_RBUTTON, PointParam(5, 5));
  EXPECT_EQ(StockText(3), "D");
  EXPECT_EQ(Game().State.LetterChangesCount, changes);
  chooser.Answer = [] { return static_cast<unsigned char>('K'); };
  ::SendMessageA(Panel(3), WM_RBUTTONDOWN, MK_RBUTTON, PointParam(5, 5));
  EXPECT_EQ(StockText(3), "K");
  EXPECT_EQ(Game().State.LetterChangesCount, changes - 1);
  EXPECT_EQ(form->Controls().LetterChangesLabel.Text(), "Available letter changes " + std::to_string(changes - 1));
  EXPECT_EQ(chooser.Shown, 2);
  Game().SetLetterChooser(nullptr);
}

}  // namespace
}  // namespace vb::test
