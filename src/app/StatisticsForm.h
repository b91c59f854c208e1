#pragma once
// The modal "Statistics" window: the player's records for one dictionary and
// board size (chosen in a list of every key with records, the current one
// preselected), as rows of name and value, and two small charts: the scores of
// the last games of that key, and this game's points per turn against the best
// possible points. It only shows; it never changes the records.
//
// Use:
//   ShowStatistics(owner, records, currentKey, thisGameTurns);
// or, to keep one window for the program's run:
//   TStatisticsForm form;  form.Create();
//   form.SetContent(records, currentKey, thisGameTurns);  form.ShowStatistics(owner);
// SetContent copies what it shows, so the records may change afterwards.
#include <windows.h>

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "core/records/Records.h"
#include "core/records/StatisticsTexts.h"
#include "core/records/TurnPoints.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/PaintBox.h"

namespace vb {

class TStatisticsForm : public ui::Form {
 public:
  static constexpr int kClientWidth = 560;
  static constexpr int kClientHeight = 420;

  // Creates the hidden window; it shows no key until SetContent.
  bool Create();
  // What the window shows: every key of `records` and `current` (listed even
  // without records yet, and selected), and `thisGame`'s turns, oldest first.
  void SetContent(const TRecords& records, const TRecordKey& current, const std::vector<TTurnPoints>& thisGame);
  // Shows the window modally over `owner` until Close, Enter, Escape or the
  // close box; failures are reported in the program's error dialog. The modal result.
  int ShowStatistics(HWND owner);

  // Shows the rows and the last games of key `index` of the list, as the
  // player's choice in the list does. Out of range: nothing changes.
  void SelectKey(std::size_t index);
  const std::vector<TRecordKey>& Keys() const { return keys_; }
  std::size_t SelectedKey() const { return selected_; }

  ui::Label KeyLabel;
  ui::ComboBox KeyCombo;
  ui::GroupBox RecordsGroup;
  std::array<ui::Label, kStatisticsRowCount> RowNames;
  std::array<ui::Label, kStatisticsRowCount> RowValues;
  ui::GroupBox LastGamesGroup;
  ui::PaintBox LastGamesChart;
  ui::GroupBox ThisGameGroup;
  ui::PaintBox ThisGameChart;
  ui::Button CloseButton;

 protected:
  // Each time the window comes up the focus is on the Close button.
  void OnActivated() override;
  // Enter closes the window like Escape.
  void OnDialogKey(int id) override;

 private:
  void ShowRows();
  std::vector<TRecordKey> keys_;
  std::vector<TRecordSummary> summaries_;  // one per key
  std::vector<TTurnPoints> thisGame_;
  std::size_t selected_ = 0;
};

// Creates the window, shows it modally over `owner` once, and destroys it.
int ShowStatistics(HWND owner, const TRecords& records, const TRecordKey& current,
                   const std::vector<TTurnPoints>& thisGame);

}  // namespace vb
