#include <gtest/gtest.h>

#include <vector>

#include "core/presenter/CommandTable.h"

namespace vb {
namespace {

TEST(CommandTable, KeysFindTheirRowWithTheRightModifiers) {
  std::vector<TCommandId> ran;
  TCommandTable table;
  auto record = [&](TCommandId id) { return [&ran, id] { ran.push_back(id); }; };
  table.Add({TCommandId::NewGame, "New game", 'N', TKeyModifiers::CtrlOnly, "Ctrl+N", false, record(TCommandId::NewGame), {}});
  table.Add({TCommandId::SaveGame, "Save game", 'S', TKeyModifiers::Any, "S", false, record(TCommandId::SaveGame), {}});
  table.Add({TCommandId::AnalyzeWordsList, "Analyze words list", 0, TKeyModifiers::Any, "", true,
             record(TCommandId::AnalyzeWordsList), {}});

  ASSERT_NE(table.ForKey('N', true), nullptr);
  EXPECT_EQ(table.ForKey('N', true)->Id, TCommandId::NewGame);
  EXPECT_EQ(table.ForKey('N', false), nullptr);  // N alone, or with Shift as well as Ctrl
  EXPECT_EQ(table.ForKey('S', false)->Id, TCommandId::SaveGame);
  EXPECT_EQ(table.ForKey('S', true)->Id, TCommandId::SaveGame);
  EXPECT_EQ(table.ForKey('Q', false), nullptr);
  EXPECT_EQ(table.ForKey(0, false), nullptr);  // a row without a key is never found by one
  table.Add({TCommandId::Undo, "Undo", 8, TKeyModifiers::AltOnly, "Alt+Backspace", true, record(TCommandId::Undo), {}});
  EXPECT_EQ(table.ForKey(8, false, true)->Id, TCommandId::Undo);
  EXPECT_EQ(table.ForKey(8, false, false), nullptr);  // Backspace alone edits text
  EXPECT_EQ(table.ForKey(8, true, false), nullptr);
  EXPECT_EQ(table.Rows().size(), 4u);
  EXPECT_EQ(table.Find(TCommandId::PutWord), nullptr);
}

TEST(CommandTable, ACommandRunsOnlyWhenItIsThereAndEnabled) {
  int puts = 0;
  TCommandTable table;
  table.Add({TCommandId::PutWord, "", 0, TKeyModifiers::Any, "", false, [&] { ++puts; },
             [](const TGameViewModel& model) { return model.PutButtonsEnabled; }});
  TGameViewModel model;
  EXPECT_FALSE(table.IsEnabled(TCommandId::PutWord, model));
  EXPECT_FALSE(table.Run(TCommandId::PutWord, model));
  model.PutButtonsEnabled = true;
  EXPECT_TRUE(table.IsEnabled(TCommandId::PutWord, model));
  EXPECT_TRUE(table.Run(TCommandId::PutWord, model));
  EXPECT_EQ(puts, 1);
  EXPECT_FALSE(table.IsEnabled(TCommandId::Hide, model));
  EXPECT_FALSE(table.Run(TCommandId::Hide, model));
}

}  // namespace
}  // namespace vb
