#pragma once
// A report-style list view: fixed columns, rows of texts, whole-row selection,
// rows that can be shown greyed, and a callback when the player picks a row
// (click or keyboard). The texts are replaced as a whole; the list keeps its
// scroll position and shows the last row after rows were added. With the focus
// and no focused row (an empty list, say) it frames its rows' area, so the
// focus always shows.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Window.h"

namespace vb::ui {

class ListView : public Window {
 public:
  struct Column {
    std::string Caption;
    int Width = 50;  // design pixels
    bool RightAligned = false;
  };
  struct Row {
    std::vector<std::string> Texts;
    bool Greyed = false;
  };

  bool Create(Window& parent, const Bounds& bounds, const std::vector<Column>& columns);
  void SetRows(const std::vector<Row>& rows);
  int RowCount() const;
  std::string Text(int row, int column) const;
  bool IsGreyed(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row].Greyed; }
  // Selects a row as the player would (tests; -1 selects none).
  void SelectRow(int row);

  std::function<void(int row)> OnRowChosen;
  // The columns keep their design widths at the new DPI.
  void Rescale() override;

 protected:
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawFocusWithoutRow(HDC dc) const;
  std::vector<int> columnWidths_;  // design pixels
  std::vector<Row> rows_;
  bool filling_ = false;
};

}  // namespace vb::ui
