#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/presenter/GamePresenter.h"
#include "support/PresenterFixture.h"

namespace vb {

namespace {

class KeyboardPlayTest : public test::PresenterTest {
 protected:
  KeyboardPlayTest() : PresenterTest(TRandomPool{5, 6, 7}) {}
  void SetUp() override {
    StartNewGame("Keys", "CAB\r\nBEAD\r\nDAB\r\nABC\r\n");
    const std::string stock = "CABDEAK";
    for (int slot = 0; slot < StockSize; ++slot) game->State.Stock.SetLetter(slot, stock[slot]);
  }

  unsigned char At(int column, int row) const { return game->State.Board.Cell(column, row).Letter; }
};

}  // namespace

TEST_F(KeyboardPlayTest, TypedLettersComeFromTheStockAndTheCursorMovesOn) {
  EXPECT_FALSE(game->TypeLetter('C'));  // no cursor yet
  ASSERT_TRUE(game->StartKeyboard(3, 4));
  ASSERT_TRUE(game->TypeLetter('c'));  // letter case does not matter
  ASSERT_TRUE(game->TypeLetter('A'));
  EXPECT_FALSE(game->TypeLetter('Z'));  // not in the stock: nothing changes
  ASSERT_TRUE(game->TypeLetter('B'));
  EXPECT_EQ(At(3, 4), 'C');
  EXPECT_EQ(At(5, 4), 'B');
  EXPECT_EQ(game->State.Stock.Letter(0), 0);  // the first C of the stock went
  EXPECT_EQ(game->KeyboardCursor().Column, 6);
  EXPECT_TRUE(game->PutButtonsEnabled());

  // Backspace takes back the last typed letter, the cursor goes back to its cell.
  ASSERT_TRUE(game->BackspaceTyped());
  EXPECT_EQ(At(5, 4), 0);
  EXPECT_EQ(game->KeyboardCursor().Column, 5);
  ASSERT_TRUE(game->TypeLetter('B'));
  ASSERT_TRUE(game->PutWord(false));
  EXPECT_FALSE(game->BackspaceTyped());  // a put word is not the typist's any more

  // Down from the A: the fixed letter is skipped over.
  for (int slot = 0; slot < StockSize; ++slot) game->State.Stock.SetLetter(slot, "BEDKKKK"[slot]);
  ASSERT_TRUE(game->StartKeyboard(4, 2));
  game->ToggleTypingDirection();
  ASSERT_TRUE(game->TypeLetter('B'));
  ASSERT_TRUE(game->TypeLetter('E'));
  EXPECT_EQ(game->KeyboardCursor().Row, 5) << "row 4 holds the fixed A";
  ASSERT_TRUE(game->TypeLetter('D'));
  EXPECT_EQ(game->State.CurrentWord(), "BEAD");
}

TEST_F(KeyboardPlayTest, EscapeReturnsEveryLooseLetterAndArrowsStayOnTheBoard) {
  ASSERT_FALSE(game->StartKeyboard(20, 20));  // outside the 15 x 15 board
  ASSERT_TRUE(game->StartKeyboard(0, 0));
  game->MoveKeyboardCursor(-1, 0);
  game->MoveKeyboardCursor(0, -1);
  EXPECT_EQ(game->KeyboardCursor().Column, 0);
  EXPECT_EQ(game->KeyboardCursor().Row, 0);
  game->MoveKeyboardCursor(1, 0);
  ASSERT_TRUE(game->TypeLetter('D'));
  ASSERT_TRUE(game->TypeLetter('A'));
  ASSERT_TRUE(game->DropStockLetterOnBoard(2, 9, 9));  // a dragged letter goes back too
  const TStockLetters before = game->State.Stock;
  game->StopKeyboard();
  EXPECT_EQ(game->State.Board.LooseCount(), 0);
  EXPECT_EQ(game->State.Stock.LettersCount(), 7);
  EXPECT_NE(game->State.Stock, before);
  EXPECT_FALSE(game->KeyboardCursor().Active);
  EXPECT_FALSE(game->ViewModel().Cursor.Active);
}

}  // namespace vb
