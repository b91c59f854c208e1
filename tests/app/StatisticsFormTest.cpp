// The Statistics window: its layout, the keys it lists with the current one
// preselected, the rows of the chosen key, and the ways to close it.
// VB_STATISTICS_SHOW_SECONDS=n keeps the filled window on screen for n seconds
// (to look at it, or take a screenshot of the display).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/StatisticsForm.h"
#include "core/errors/FunStat.h"
#include "support/FakePlatform.h"
#include "ui/Application.h"
#include "ui/Dpi.h"

namespace vb {
namespace {

const TRecordKey kEnglish{"English.vbd", 15, 15};
const TRecordKey kDeutsch{"Deutsch.vbd", 20, 20};

// Two keys with records: English has 12 games, some with hints, some numbered.
TRecords SampleRecords() {
  TRecords records;
  records.GameStarted(kDeutsch);
  records.WordPut("STRASSE", 22, 30, false);
  records.GameEnded(true);
  for (int game = 0; game < 12; ++game) {
    records.GameStarted(kEnglish, game % 4 == 0 ? std::optional<std::uint32_t>(20261200u + game) : std::nullopt);
    if (game % 3 == 1) records.HintUsed();
    records.WordPut("QUIZ", 40 + game * 9, 45, false);
    records.WordPut("ZEBRAS", 20 + game * 5, 35, false);
    records.GameEnded(game != 5);
  }
  return records;
}

const std::vector<TTurnPoints> kThisGame{{12, 30}, {30, 30}, {8, std::nullopt}, {25, 41}, {17, 17}, {36, 52}};

class StatisticsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::SetLayoutDpi(96);
    ASSERT_TRUE(form.Create());
  }
  void TearDown() override { ui::SetLayoutDpi(0); }

  std::vector<std::string> Values() const {
    std::vector<std::string> values;
    for (const ui::Label& label : form.RowValues) values.push_back(label.Text());
    return values;
  }
  // Picks an item of the list as the player does.
  void Pick(int index) {
    ::SendMessageA(form.KeyCombo.Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(form.KeyCombo.Handle()));
  }
  std::string Item(int index) const {
    char text[300] = "";
    ::SendMessageA(form.KeyCombo.Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }

  test::FakePlatformScope platform;
  TStatisticsForm form;
};

TEST_F(StatisticsWindow, ListsEveryKeyAndShowsTheRowsOfTheChosenOne) {
  EXPECT_EQ(form.Text(), "Statistics");
  EXPECT_EQ(form.ClientWidth(), TStatisticsForm::kClientWidth);
  EXPECT_EQ(form.ClientHeight(), TStatisticsForm::kClientHeight);
  const std::vector<const ui::Window*> controls{&form.RecordsGroup, &form.LastGamesGroup, &form.ThisGameGroup,
                                                &form.CloseButton};
  for (const ui::Window* control : controls) {
    const RECT bounds = control->DeviceBounds();
    EXPECT_LE(bounds.right, TStatisticsForm::kClientWidth);
    EXPECT_LE(bounds.bottom, TStatisticsForm::kClientHeight);
  }
  EXPECT_EQ(form.RowNames[0].Text(), "Games played");
  EXPECT_EQ(form.RowNames[8].Text(), "Best move found");

  const TRecords records = SampleRecords();
  form.SetContent(records, {"English.vbd", 12, 12}, kThisGame);  // no records yet for this size
  ASSERT_EQ(form.KeyCombo.ItemCount(), 3);
  EXPECT_EQ(Item(0), "Deutsch.vbd, 20 x 20");
  EXPECT_EQ(Item(1), "English.vbd, 15 x 15");
  EXPECT_EQ(Item(2), "English.vbd, 12 x 12");
  EXPECT_EQ(form.KeyCombo.SelectedIndex(), 2);
  EXPECT_EQ(Values(), (std::vector<std::string>{"0", "0", "-", "-", "-", "-", "-", "0", "-"}));

  Pick(1);
  EXPECT_EQ(form.SelectedKey(), 1u);
  EXPECT_EQ(Values(), (std::vector<std::string>{"12", "11", "214", "200", "QUIZ (139 points)", "68.5",
                                                 "ZEBRAS (6 letters)", "4", "83% (20 of 24 turns)"}));
  Pick(0);
  EXPECT_EQ(form.RowValues[4].Text(), "STRASSE (22 points)");

  // Shown again with the records of another moment: the current key is chosen again.
  form.SetContent(records, {"ENGLISH.VBD", 15, 15}, {});
  EXPECT_EQ(form.KeyCombo.ItemCount(), 2);
  EXPECT_EQ(form.KeyCombo.SelectedIndex(), 1);
  EXPECT_EQ(form.RowValues[0].Text(), "12");
}

TEST_F(StatisticsWindow, CloseEnterEscapeAndTheCloseBoxCloseIt) {
  form.SetContent(SampleRecords(), kEnglish, kThisGame);
  bool shown = false;
  form.OnShown = [&] {
    shown = form.Visible();
    form.CloseButton.Click();
  };
  EXPECT_EQ(form.ShowStatistics(nullptr), ui::ModalOk);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form.Visible());

  // Enter and Escape wherever the focus is, and the close box.
  const std::vector<std::function<void()>> closers{
      [] { ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 0); },
      [] { ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); },
      [&] {
        form.KeyCombo.Focus();
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
      },
      [&] { ::PostMessageA(form.Handle(), WM_CLOSE, 0, 0); }};
  for (std::size_t i = 0; i < closers.size(); ++i) {
    form.OnShown = closers[i];
    form.ShowStatistics(nullptr);
    EXPECT_FALSE(form.Visible()) << "way " << i;
  }
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

TEST_F(StatisticsWindow, DrawsItsChartsWhenShown) {
  form.SetContent(SampleRecords(), kEnglish, kThisGame);
  form.Show();
  ui::Application::ProcessPendingMessages();
  const char* keepOpen = std::getenv("VB_STATISTICS_SHOW_SECONDS");
  const DWORD until = ::GetTickCount() + (keepOpen ? static_cast<DWORD>(std::atoi(keepOpen)) * 1000 : 0);
  do {
    ui::Application::ProcessPendingMessages();
    ::Sleep(20);
  } while (static_cast<int>(until - ::GetTickCount()) > 0);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

}  // namespace
}  // namespace vb
