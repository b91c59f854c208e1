// The help viewer and the file-dialog helpers.
#include <gtest/gtest.h>

#include "app/FileDialogs.h"
#include "app/HelpViewer.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "ui/Dpi.h"

namespace vb {
namespace {

TEST(HelpViewerTest, OpensAtTheContextsTopicAndFollowsTheTopicList) {
  ui::SetLayoutDpi(96);
  test::FakePlatformScope platform;
  THelpFile help;
  ASSERT_TRUE(help.Load(test::SourceFolder() + "data\\Help.hlp"));
  THelpViewer viewer;
  ASSERT_TRUE(viewer.Create());

  std::string shown, memo, afterSelect;
  viewer.OnShown = [&] {
    shown = viewer.ShownTitle();
    memo = viewer.TopicMemo.Text();
    // The player clicks the first topic in the list.
    viewer.TopicList.Select(0);
    ::SendMessageA(viewer.Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(viewer.TopicList.Handle()));
    afterSelect = viewer.ShownTitle();
    viewer.CloseButton.Click();
  };
  viewer.ShowTopics(help, kErrorDialogHelpContext, nullptr);
  EXPECT_EQ(shown, "Error reports");
  EXPECT_EQ(memo.rfind("Error reports\r\n\r\nSomething went wrong.", 0), 0u);
  EXPECT_EQ(afterSelect, "How to play");

  // An unknown context opens the first topic; Escape closes.
  viewer.OnShown = [&] {
    shown = viewer.ShownTitle();
    ::PostMessageA(viewer.TopicList.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  };
  viewer.ShowTopics(help, 12345, nullptr);
  EXPECT_EQ(shown, "How to play");
  viewer.OnShown = [&] { ::PostMessageA(viewer.TopicList.Handle(), WM_KEYDOWN, VK_RETURN, 0); };
  viewer.ShowTopics(help, 100, nullptr);  // returns: Enter closes too
  ui::SetLayoutDpi(0);
}

TEST(HelpViewerTest, AMissingHelpFileGivesAWarningNamingIt) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  platform->FixedProgramPath = folder / "Vorbelle.exe";
  EXPECT_FALSE(ShowHelpTopic(kMainWindowHelpContext, nullptr));
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Caption, "Warning");
  EXPECT_NE(platform->Boxes[0].Text.find(folder / "Help.hlp"), std::string::npos);
}

TEST(FileDialogsTest, FilterAndStartingFolderAndName) {
  EXPECT_EQ(DialogFilterText("Vorbelle game (*.vbg)|*.vbg"), std::string("Vorbelle game (*.vbg)\0*.vbg\0\0", 29));
  std::string folder, name;
  SplitDialogFileName("C:\\Vorbelle\\VorbelleGames\\*.vbg", folder, name);
  EXPECT_EQ(folder, "C:\\Vorbelle\\VorbelleGames\\");
  EXPECT_EQ(name, "*.vbg");
  SplitDialogFileName("D:\\saves\\mine.vbg", folder, name);
  EXPECT_EQ(folder, "D:\\saves\\");
  EXPECT_EQ(name, "mine.vbg");
}

}  // namespace
}  // namespace vb
