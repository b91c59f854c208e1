#include "app/StatisticsForm.h"

#include <string>

#include "app/StatisticsCharts.h"
#include "core/errors/StatusFrame.h"
#include "ui/Dpi.h"

namespace vb {

namespace {

// Bounds in pixels at 96 DPI.
constexpr int kKeyLabelLeft = 10, kKeyLabelTop = 13;
constexpr int kKeyComboLeft = 100, kKeyComboTop = 9, kKeyComboWidth = 300;
constexpr ui::Bounds kRecordsGroup{10, 38, 540, 178};
constexpr int kRowsTop = 20, kRowHeight = 17, kNameLeft = 12, kValueLeft = 200;
constexpr ui::Bounds kLastGamesGroup{10, 222, 265, 160};
constexpr ui::Bounds kThisGameGroup{285, 222, 265, 160};
constexpr ui::Bounds kChartInGroup{6, 18, 253, 137};
constexpr ui::Bounds kCloseButton{242, 389, 75, 25};

RECT ClientArea(const ui::Window& window) {
  RECT area{};
  ::GetClientRect(window.Handle(), &area);
  return area;
}

}  // namespace

bool TStatisticsForm::Create() {
  if (!CreateForm("Statistics", kClientWidth, kClientHeight, ui::FormBorder::Dialog)) return false;
  SetFormFont("Arial", 12);
  // Tab order is creation order.
  bool created = KeyLabel.Create(*this, kKeyLabelLeft, kKeyLabelTop, "Records for:") &&
                 KeyCombo.Create(*this, kKeyComboLeft, kKeyComboTop, kKeyComboWidth, {}, false) &&
                 RecordsGroup.Create(*this, kRecordsGroup, "Records");
  const TRecordSummary nothing;
  const std::vector<TStatisticsRow> rows = StatisticsRows(nothing);
  for (std::size_t i = 0; created && i < kStatisticsRowCount; ++i) {
    const int top = kRowsTop + static_cast<int>(i) * kRowHeight;
    created = RowNames[i].Create(RecordsGroup, kNameLeft, top, rows[i].Name) &&
              RowValues[i].Create(RecordsGroup, kValueLeft, top, "");
  }
  created = created && LastGamesGroup.Create(*this, kLastGamesGroup, "Last games") &&
            LastGamesChart.Create(LastGamesGroup, kChartInGroup) &&
            ThisGameGroup.Create(*this, kThisGameGroup, "This game") &&
            ThisGameChart.Create(ThisGameGroup, kChartInGroup) &&
            CloseButton.Create(*this, kCloseButton, "&Close");
  if (!created) return false;

  KeyCombo.OnChange = [this] {
    const int index = KeyCombo.SelectedIndex();
    if (index >= 0) SelectKey(static_cast<std::size_t>(index));
  };
  LastGamesChart.OnPaint = [this](HDC dc) {
    static const std::vector<TRecentGame> none;
    DrawLastGamesChart(dc, ClientArea(LastGamesChart),
                       selected_ < summaries_.size() ? summaries_[selected_].Records.RecentGames : none);
  };
  ThisGameChart.OnPaint = [this](HDC dc) { DrawThisGameChart(dc, ClientArea(ThisGameChart), thisGame_); };
  CloseButton.OnClick = [this] { EndModal(ui::ModalOk); };
  ShowRows();
  return true;
}

void TStatisticsForm::SetContent(const TRecords& records, const TRecordKey& current,
                                 const std::vector<TTurnPoints>& thisGame) {
  std::size_t currentIndex = 0;
  keys_ = StatisticsKeys(records, current, currentIndex);
  summaries_.clear();
  std::vector<std::string> items;
  for (const TRecordKey& key : keys_) {
    summaries_.push_back(records.Summary(key));
    items.push_back(RecordKeyText(key));
  }
  thisGame_ = thisGame;
  // The list keeps the keys' order: it is not sorted, so item i is key i.
  KeyCombo.SetItems(items);
  selected_ = keys_.size();
  SelectKey(currentIndex);
  if (keys_.empty()) ShowRows();
  ThisGameChart.Invalidate();
}

void TStatisticsForm::SelectKey(std::size_t index) {
  if (index >= keys_.size()) return;
  selected_ = index;
  if (KeyCombo.SelectedIndex() != static_cast<int>(index))
    ::SendMessageA(KeyCombo.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowRows();
}

void TStatisticsForm::ShowRows() {
  const TRecordSummary nothing;
  const std::vector<TStatisticsRow> rows = StatisticsRows(selected_ < summaries_.size() ? summaries_[selected_] : nothing);
  for (std::size_t i = 0; i < kStatisticsRowCount && i < rows.size(); ++i) RowValues[i].SetCaption(rows[i].Value);
  LastGamesChart.Invalidate();
}

int TStatisticsForm::ShowStatistics(HWND owner) {
  int result = ui::ModalCancel;
  StatusFrame frame(VB_HERE, "TStatisticsForm::ShowStatistics", "Failed to show the statistics.");
  frame.Run([&] {
    result = ShowModal(owner);
  }, __LINE__);
  return result;
}

void TStatisticsForm::OnDialogKey(int id) {
  if (id == IDOK && InModalLoop()) return EndModal(ui::ModalOk);
  Form::OnDialogKey(id);
}

void TStatisticsForm::OnActivated() {
  if (CloseButton.Handle()) CloseButton.Focus();
}

int ShowStatistics(HWND owner, const TRecords& records, const TRecordKey& current,
                   const std::vector<TTurnPoints>& thisGame) {
  TStatisticsForm form;
  if (!form.Create()) return ui::ModalCancel;
  form.SetContent(records, current, thisGame);
  return form.ShowStatistics(owner);
}

}  // namespace vb
