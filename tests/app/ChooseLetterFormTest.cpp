// The choose-letter dialog: its tiles, and its answers when shown modally.
#include <gtest/gtest.h>

#include "app/ChooseLetterForm.h"

namespace vb {
namespace {

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

class ChooseLetterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.CreateForm("Owner", 300, 200, ui::FormBorder::Single));
    owner.Show(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(dialog.Create());
    dialog.BuildLetterPanels();
    TAlphabet alphabet{};
    for (int i = 0; i < 26; ++i) alphabet[i] = static_cast<unsigned char>('A' + i);
    dialog.SetLetters("Arial", alphabet);
  }
  ui::Form owner;
  TChooseLetterForm dialog;
};

TEST_F(ChooseLetterTest, FortyTilesInEightColumnsAndFiveRows) {
  EXPECT_EQ(dialog.Text(), "Choose letter");
  EXPECT_EQ(dialog.ClientWidth(), 500);
  EXPECT_EQ(dialog.ClientHeight(), 400);
  // Tile size from the letters panel: (480 - 10) div 8 = 58, (315 - 10) div 5 = 61.
  const RECT tile9 = dialog.Tiles[9].DeviceBounds();
  EXPECT_EQ(tile9.left, 5 + 58);
  EXPECT_EQ(tile9.top, 5 + 61);
  EXPECT_EQ(tile9.right - tile9.left, 56);
  EXPECT_EQ(tile9.bottom - tile9.top, 59);
  EXPECT_EQ(dialog.Tiles[0].Text(), "A");
  EXPECT_EQ(dialog.Tiles[25].Text(), "Z");
  EXPECT_EQ(dialog.Tiles[26].Text(), "") << "unused alphabet slots stay blank";
  EXPECT_EQ(dialog.CancelButton.Text(), "&Cancel");
}

TEST_F(ChooseLetterTest, AClickOnATileChoosesItsLetter) {
  ::PostMessageA(dialog.Tiles[30].Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));  // blank: ignored
  ::PostMessageA(dialog.Tiles[2].Handle(), WM_RBUTTONDOWN, MK_RBUTTON, Point(5, 5));   // any button
  EXPECT_EQ(dialog.ChooseLetter(owner.Handle()), 'C');
  EXPECT_TRUE(owner.Enabled());
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(ChooseLetterTest, CancelEscapeAndTheCloseBoxChooseNothing) {
  ::PostMessageA(dialog.CancelButton.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.ChooseLetter(owner.Handle()), 0);
  ::PostMessageA(dialog.CancelButton.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dialog.ChooseLetter(owner.Handle()), 0);
  ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ChooseLetter(owner.Handle()), 0);
  EXPECT_TRUE(owner.Enabled());
}

}  // namespace
}  // namespace vb
