// The main window as built: bounds of the layout table, captions, hints, initial
// states, the Work menu, the windowed placement and DPI scaling.
#include "app/MainWindowFixture.h"
#include "app/MainWindowLayout.h"
#include "app/WindowLayout.h"

namespace vb::test {
namespace {

RECT BoundsOf(const ui::Window& window) { return window.DeviceBounds(); }

void ExpectBounds(const ui::Window& window, const ui::Bounds& expected, const char* name) {
  const RECT bounds = BoundsOf(window);
  const ui::Bounds scaled = ui::ScaleBounds(expected);
  EXPECT_EQ(bounds.left, scaled.Left) << name;
  EXPECT_EQ(bounds.top, scaled.Top) << name;
  EXPECT_EQ(bounds.right - bounds.left, scaled.Width) << name;
  EXPECT_EQ(bounds.bottom - bounds.top, scaled.Height) << name;
}

TEST(WindowPlacementTest, NinetyFivePercentOfTheWorkAreaCentredOrTheMinimum) {
  const WindowPlacement large = ComputeWindowedPlacement(1024, 738, 760, 540);
  EXPECT_EQ(large.Width, 972);
  EXPECT_EQ(large.Height, 701);
  EXPECT_EQ(large.Left, 26);
  EXPECT_EQ(large.Top, 18);
  const WindowPlacement small = ComputeWindowedPlacement(640, 480, 760, 540);
  EXPECT_EQ(small.Width, 760);
  EXPECT_EQ(small.Height, 540);
  EXPECT_EQ(small.Left, -60);
  EXPECT_EQ(small.Top, -30);
  // Exact percentages: 1280 x 0.95 is 1216, which floating point truncates to 1215.
  EXPECT_EQ(ComputeWindowedPlacement(1280, 1024, 760, 540).Width, 1216);
  EXPECT_EQ(ComputeWindowedPlacement(1280, 1024, 760, 540).Height, 972);
}

TEST_F(MainWindowTest, ControlsHaveTheLayoutBoundsCaptionsAndStartStates) {
  RECT client{};
  ::GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 758);
  EXPECT_EQ(client.bottom, 528);
  EXPECT_EQ(form->Text(), "Vorbelle");

  ExpectBounds(form->Controls().MenuPanel, layout::MenuPanel, "MenuPanel");
  ExpectBounds(form->Controls().WorkButton, layout::WorkButton, "WorkButton");
  ExpectBounds(form->Controls().FullScreenCheckBox, layout::FullScreenCheckBox, "FullScreenCheckBox");
  ExpectBounds(form->Controls().AddToWordsListCheckBox, layout::AddToWordsListCheckBox, "AddToWordsListCheckBox");
  ExpectBounds(form->Controls().StockLetterPanels[2], {90, 20, 40, 40}, "StockLetter3Panel");
  ExpectBounds(form->Controls().StockLetterPanels[6], {250, 20, 40, 40}, "StockLetter7Panel");
  ExpectBounds(form->Controls().PutFlippedWordButton, layout::PutFlippedWordButton, "PutFlippedWordButton");
  ExpectBounds(form->Controls().BoardGroupBox, layout::BoardGroupBox, "BoardGroupBox");
  ExpectBounds(form->Controls().BoardPaintBox, layout::BoardPaintBox, "BoardPaintBox");
  EXPECT_EQ(BoundsOf(form->Controls().LetterChangesLabel).left, 135);
  EXPECT_EQ(BoundsOf(form->Controls().ScoreLabel).top, 145);

  EXPECT_EQ(form->Controls().WorkButton.Text(), "&Work");
  EXPECT_EQ(form->Controls().PutWordButton.Text(), "&Put word on board");
  EXPECT_EQ(form->Controls().FullScreenCheckBox.Text(), "&Full screen");
  EXPECT_EQ(form->Hints().HintOf(form->Controls().WorkButton.Handle()), "Display the \"Work\" menu");
  EXPECT_EQ(form->Hints().HintOf(form->Controls().CloseButton.Handle()), "You can also use \"Alt + F4\" to close the program");
  EXPECT_EQ(form->Hints().HintOf(form->Controls().PutWordButton.Handle()),
            "The word must be readable left to right or top to bottom");

  EXPECT_EQ(form->Controls().ColumnsCountComboBox.ItemCount(), 21);
  for (const ui::ComboBox* box : {&form->Controls().ColumnsCountComboBox, &form->Controls().RowsCountComboBox}) {
    // Board sizes are picked from the list; the player cannot type one.
    const LONG_PTR style = ::GetWindowLongPtrA(box->Handle(), GWL_STYLE);
    EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
  }
  EXPECT_EQ(form->Controls().ColumnsCountComboBox.GetText(), "15");
  EXPECT_EQ(form->Controls().RowsCountComboBox.GetText(), "15");
  EXPECT_TRUE(form->Controls().AddToWordsListCheckBox.Checked());
  EXPECT_TRUE(form->Controls().AllowUnknownWordsCheckBox.Checked());
  EXPECT_FALSE(form->Controls().FullScreenCheckBox.Checked());
  EXPECT_FALSE(form->Controls().PutWordButton.Enabled());
  EXPECT_FALSE(form->Controls().PutFlippedWordButton.Enabled());
  EXPECT_FALSE(form->Controls().NewStockLettersButton.Enabled());
  EXPECT_FALSE(form->Controls().BoardPaintBox.Visible()) << "no board before the first game";
  EXPECT_EQ(form->Controls().LetterChangesLabel.Text(), "Available letter changes 0");
  EXPECT_EQ(form->Controls().ScoreLabel.Text(), "");
  EXPECT_EQ(form->Controls().ValidWordLabel.Text(), "");
  EXPECT_EQ(form->Controls().WordsInDictionaryLabel.Text(), "");
}

TEST_F(MainWindowTest, WorkMenuHasItsItemsSeparatorsAndShortcutTexts) {
  const auto& items = form->WorkMenu().Items();
  ASSERT_EQ(items.size(), 20u);
  const char* captions[] = {"New game", "New numbered game...", "Load dictionary", "", "Load last game",
                            "Load game", "Save game", "", "Analyze words list", "Statistics", "Finish game", "",
                            "Hint", "", "Undo", "Redo", "", "Zoom in", "Zoom out", "Zoom to fit"};
  const char* shortcuts[] = {"Ctrl+N", "", "D", "", "Ctrl+Z", "L", "S", "", "", "Ctrl+T", "", "", "Ctrl+H", "",
                             "Alt+Backspace", "Ctrl+Y", "", "Ctrl+Plus", "Ctrl+Minus", "Ctrl+0"};
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].Caption, captions[i]) << i;
    EXPECT_EQ(items[i].ShortcutText, shortcuts[i]) << i;
  }
  EXPECT_TRUE(form->WorkMenu().Invoke("New game"));
  EXPECT_TRUE(Game().BoardVisible());
}

TEST_F(MainWindowTest, LayoutSizesTheWindowAndTheBoardFollowsTheClientArea) {
  form->ApplyWindowLayout();
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const WindowPlacement expected =
      ComputeWindowedPlacement(work.right - work.left, work.bottom - work.top, 760, 540);
  RECT window{};
  ::GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.left, expected.Left);
  EXPECT_EQ(window.right - window.left, expected.Width);
  EXPECT_EQ(window.bottom - window.top, expected.Height);

  const RECT group = BoundsOf(form->Controls().BoardGroupBox);
  EXPECT_EQ(group.left, 340);
  EXPECT_EQ(group.right, form->ClientWidth() - 5);
  EXPECT_EQ(group.bottom, form->ClientHeight() - 5);
  const RECT paint = BoundsOf(form->Controls().BoardPaintBox);
  EXPECT_EQ(paint.right - paint.left, (group.right - group.left) - 10);
  EXPECT_EQ(paint.bottom, (group.bottom - group.top) - 5);
  EXPECT_EQ(form->BoardView().CellWidth(), (paint.right - paint.left) / 15);

  // Full screen: no border, the whole screen; and back.
  form->Controls().FullScreenCheckBox.SetChecked(true);
  form->FullScreenCheckBoxClick();
  EXPECT_EQ(form->Border(), ui::FormBorder::None);
  EXPECT_EQ(form->ClientWidth(), ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_TRUE(Game().FullScreen);
  form->Controls().FullScreenCheckBox.SetChecked(false);
  form->FullScreenCheckBoxClick();
  EXPECT_EQ(form->Border(), ui::FormBorder::Single);
  ::GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.right - window.left, expected.Width);
}

TEST_F(MainWindowTest, TitleAndDictionaryNames) {
  form->SetTitle("C:\\Games\\Mine.vbg");
  EXPECT_EQ(form->Text(), "Vorbelle - C:\\Games\\Mine.vbg");
  StartGame();
  EXPECT_EQ(form->Text(), "Vorbelle") << "a new game drops the file name";
  EXPECT_EQ(form->Controls().DictionaryEdit.Text(), "Test");
  EXPECT_EQ(form->Controls().WordsListEdit.Text(), "Test");
  EXPECT_EQ(form->Controls().WordsInDictionaryLabel.Text(), Game().Label(TGameLabel::WordsInDictionary));
  EXPECT_NE(form->Controls().WordsInDictionaryLabel.Text(), "");
}

TEST(MainWindowDpiTest, EveryBoundAndTheStockFontScaleAt144Dpi) {
  ui::SetLayoutDpi(144);
  {
    FakePlatformScope platform;
    ScriptedFileDialogs dialogs;
    TempFolder folder;
    TRandomPool pool{1, 0, 0};
    TVorbelleForm form(folder.Path(), &pool, &dialogs);
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(form.ClientWidth(), 1137);
    EXPECT_EQ(form.ClientHeight(), 792);
    const RECT panel = form.Controls().StockLetterPanels[1].DeviceBounds();
    EXPECT_EQ(panel.left, 75);
    EXPECT_EQ(panel.right - panel.left, 60);
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(form.Controls().StockLetterPanels[0].Handle(), WM_GETFONT, 0, 0)),
                 sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -41);  // 27 pixels at 96 DPI
  }
  ui::SetLayoutDpi(0);
}

// At every common DPI the design bounds scale, and no two controls that share
// a parent overlap (touching edges are fine).
TEST(MainWindowDpiTest, AtEveryCommonDpiTheBoundsScaleAndNothingOverlaps) {
  for (const int dpi : {96, 120, 144, 192}) {
    ui::SetLayoutDpi(dpi);
    {
      FakePlatformScope platform;
      ScriptedFileDialogs dialogs;
      TempFolder folder;
      TRandomPool pool{1, 0, 0};
      TVorbelleForm form(folder.Path(), &pool, &dialogs);
      ASSERT_TRUE(form.Create());
      const RECT work = form.Controls().WorkButton.DeviceBounds();
      EXPECT_EQ(work.left, ui::Scale(10)) << dpi;
      EXPECT_EQ(work.right - work.left, ui::Scale(40)) << dpi;
      const RECT word = form.Controls().WordGroupBox.DeviceBounds();
      EXPECT_EQ(word.top, ui::Scale(165)) << dpi;
      EXPECT_EQ(word.bottom - word.top, ui::Scale(170)) << dpi;

      std::vector<HWND> parents{form.Handle()};
      for (std::size_t next = 0; next < parents.size(); ++next) {
        std::vector<std::pair<HWND, RECT>> children;
        for (HWND child = ::GetWindow(parents[next], GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
          RECT bounds{};
          ::GetWindowRect(child, &bounds);
          children.emplace_back(child, bounds);
          parents.push_back(child);
        }
        for (std::size_t a = 0; a < children.size(); ++a)
          for (std::size_t b = a + 1; b < children.size(); ++b) {
            RECT both{};
            char first[64] = {}, second[64] = {};
            ::GetWindowTextA(children[a].first, first, sizeof first);
            ::GetWindowTextA(children[b].first, second, sizeof second);
            EXPECT_FALSE(::IntersectRect(&both, &children[a].second, &children[b].second))
                << dpi << " DPI: \"" << first << "\" overlaps \"" << second << "\"";
          }
      }
    }
    ui::SetLayoutDpi(0);
  }
}

}  // namespace
}  // namespace vb::test
