#pragma once
// The main window's layout: bounds of every control within its parent, in
// pixels at 96 DPI (the window layer scales them), and the fixed texts.
#include "ui/Dpi.h"

namespace vb::layout {

using ui::Bounds;

inline constexpr int ClientWidth = 758;
inline constexpr int ClientHeight = 528;
inline constexpr const char* FormFontName = "Arial";
inline constexpr int FormFontHeight = 12;

// Auto-sized labels are placed by their left and top only.
struct Position {
  int Left, Top;
};

// The command row.
inline constexpr Bounds MenuPanel{5, 5, 330, 35};
inline constexpr Bounds WorkButton{10, 5, 40, 25};
inline constexpr Bounds HelpButton{55, 5, 40, 25};
inline constexpr Bounds AboutButton{100, 5, 40, 25};
inline constexpr Bounds HideButton{145, 5, 40, 25};
inline constexpr Bounds CloseButton{190, 5, 40, 25};
inline constexpr Bounds FullScreenCheckBox{240, 10, 85, 17};

// Board settings.
inline constexpr Bounds MainPanel{5, 45, 330, 115};
inline constexpr Position ColumnsCountLabel{10, 15};
inline constexpr Bounds ColumnsCountComboBox{65, 10, 50, 0};
inline constexpr Position RowsCountLabel{135, 15};
inline constexpr Bounds RowsCountComboBox{170, 10, 50, 0};
inline constexpr Position DictionaryLabel{10, 45};
inline constexpr Bounds DictionaryEdit{70, 40, 100, 21};
inline constexpr Position WordsListLabel{180, 45};
inline constexpr Bounds WordsListEdit{240, 40, 80, 21};
inline constexpr Position WordsInDictionaryLabel{30, 70};
inline constexpr Bounds AddToWordsListCheckBox{30, 90, 280, 17};

// Stock and word.
inline constexpr Bounds LettersPanel{5, 165, 330, 345};
inline constexpr Bounds StockLettersGroupBox{10, 5, 310, 155};
inline constexpr int StockLetterFirstLeft = 10;
inline constexpr int StockLetterStep = 40;
inline constexpr int StockLetterTop = 20;
inline constexpr int StockLetterSize = 40;
inline constexpr const char* StockLetterFontName = "Tahoma";
inline constexpr int StockLetterFontHeight = 27;
inline constexpr Bounds DragTipLabel{30, 65, 270, 30};
inline constexpr Bounds NewStockLettersButton{10, 100, 110, 25};
inline constexpr Position LetterChangesLabel{135, 110};
inline constexpr Position LetterScoreLabel{10, 130};
inline constexpr Bounds WordGroupBox{10, 165, 310, 170};
inline constexpr Bounds PutWordButton{10, 20, 115, 25};
inline constexpr Bounds PutFlippedWordButton{130, 20, 110, 25};
inline constexpr Bounds AcceptWordTipLabel{30, 50, 270, 45};
inline constexpr Bounds AllowUnknownWordsCheckBox{30, 100, 140, 17};
inline constexpr Position ValidWordLabel{10, 125};
inline constexpr Position ScoreLabel{10, 145};

// The coach panel under the stock and word groups, in the form; its height
// follows the window and it shows only when its lines fit.
inline constexpr Bounds CoachGroupBox{15, 512, 310, 95};
inline constexpr int CoachLineLeft = 10;
inline constexpr int CoachFirstLineTop = 18;
inline constexpr int CoachLineStep = 18;
inline constexpr int CoachLineWidth = 292;
inline constexpr int CoachLineHeight = 16;

// The move history under the coach panel; it takes the rest of the column's
// height and shows once it has room for a few rows.
inline constexpr Bounds HistoryGroupBox{15, 612, 310, 150};
inline constexpr Bounds HistoryList{8, 18, 294, 124};
inline constexpr int HistoryMinimumHeight = 110;

// The board; its size follows the window (ApplyWindowLayout).
inline constexpr Bounds BoardGroupBox{340, 0, 425, 510};
inline constexpr Bounds BoardPaintBox{5, 20, 415, 480};
inline constexpr int BoardMargin = 5;

// Minimum windowed size and the share of the work area the window takes.
inline constexpr int MinimumWindowWidth = 760;
inline constexpr int MinimumWindowHeight = 540;

}  // namespace vb::layout

namespace vb::texts {

inline constexpr const char* WorkHint = "Display the \"Work\" menu";
inline constexpr const char* HideHint = "You can also use \"Space\" to hide the program";
inline constexpr const char* CloseHint = "You can also use \"Alt + F4\" to close the program";
inline constexpr const char* FullScreenHint =
    "If this is checked, the main window of the program will cover the entire screen. If you check this and the "
    "main window looks weird, just restart the program.";
inline constexpr const char* AddToWordsListHint =
    "The words list is automatically saved when the game is saved, if any words are added to it";
inline constexpr const char* PutWordHint = "The word must be readable left to right or top to bottom";
inline constexpr const char* PutFlippedWordHint = "The word must be readable right to left or bottom to top";
inline constexpr const char* DragTip =
    "Drag letters from and to stock and board, to swap and move them. [RMB] to change the letter.";
inline constexpr const char* AcceptWordTip =
    "Click a button to permanently put the word on the board. All loose letters (and the letters they connect to) "
    "must form only one word.";

}  // namespace vb::texts
