#include <gtest/gtest.h>

#include "core/help/HelpFile.h"
#include "core/text/TextReflow.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace vb {

TEST(HelpFile, TopicsAreKeyedByContextWithTheirTextTrimmed) {
  THelpFile help;
  help.Parse(
      "; a comment before the first topic\r\n"
      "intro lines before a topic are ignored\r\n"
      "@topic 100 How to play  \r\n"
      "\r\n"
      "First line\n"
      "; a comment inside\r"
      "\r\n"
      "  Indented line\r\n"
      "\r\n"
      "@topic\t0\tErrors\r\n"
      "@topic 7\r\n"
      "@topicx 8 not a topic line\r\n"
      "@topic abc not a topic line either\r\n");
  ASSERT_EQ(help.Topics().size(), 3u);
  EXPECT_EQ(help.Topics()[0].Context, 100);
  EXPECT_EQ(help.Topics()[0].Title, "How to play");
  EXPECT_EQ(help.Topics()[0].Text, "First line\r\n\r\n  Indented line");
  EXPECT_EQ(help.Topics()[1].Context, 0);
  EXPECT_EQ(help.Topics()[1].Title, "Errors");
  EXPECT_EQ(help.Topics()[1].Text, "");
  EXPECT_EQ(help.Topics()[2].Title, "");
  EXPECT_EQ(help.Topics()[2].Text, "@topicx 8 not a topic line @topic abc not a topic line either");
  EXPECT_EQ(help.IndexOf(0), 1);
  EXPECT_EQ(help.IndexOf(100), 0);
  EXPECT_EQ(help.IndexOf(5), -1);
}

TEST(HelpFile, ParagraphsAndListItemsAreJoinedAndExamplesKept) {
  THelpFile help;
  help.Parse(
      "@topic 1 T\n"
      "A paragraph\n"
      "over two lines.\n"
      "\n"
      "- An item\n"
      "  continued.\n"
      "- Next item\n"
      "12. Numbered\n"
      "    and continued.\n"
      "\n"
      "  [Main]\n"
      "  FontName=Tahoma\n"
      "After the example.\n");
  EXPECT_EQ(help.Topics()[0].Text,
            "A paragraph over two lines.\r\n\r\n- An item continued.\r\n- Next item\r\n"
            "12. Numbered and continued.\r\n\r\n  [Main]\r\n  FontName=Tahoma\r\nAfter the example.");
}

TEST(HelpFile, AMissingFileLoadsNothing) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  THelpFile help;
  help.Parse("@topic 1 old\r\n");
  EXPECT_FALSE(help.Load(folder / "Help.hlp"));
  EXPECT_TRUE(help.Topics().empty());
  platform->FixedProgramPath = folder / "Vorbelle.exe";
  EXPECT_EQ(HelpFilePath(), folder / "Help.hlp");
}

TEST(HelpFile, TheShippedFileHasTheTopicsTheProgramOpens) {
  test::FakePlatformScope platform;
  THelpFile help;
  ASSERT_TRUE(help.Load(test::SourceFolder() + "data\\Help.hlp"));
  ASSERT_GE(help.IndexOf(kMainWindowHelpContext), 0);
  ASSERT_GE(help.IndexOf(kErrorDialogHelpContext), 0);
  EXPECT_EQ(help.Topics()[help.IndexOf(kMainWindowHelpContext)].Title, "How to play");
  for (const THelpTopic& topic : help.Topics()) {
    EXPECT_FALSE(topic.Title.empty()) << topic.Context;
    EXPECT_GT(topic.Text.size(), 200u) << topic.Title;
  }
}

}  // namespace vb

namespace vb {

TEST(TextReflowTest, ParagraphsJoinHeadingsAndExamplesStay) {
  EXPECT_EQ(ReflowText("Title 2.5\r\n=========\r\n\r\nOne line\r\nand the next.\r\n\r\nInstalling\r\n"
                       "----------\r\n1. First step\r\n   goes on.\r\n2. Second\r\n\r\n    [Main]\r\n    Key=1\r\n"),
            "Title 2.5\r\n=========\r\n\r\nOne line and the next.\r\n\r\nInstalling\r\n----------\r\n"
            "1. First step goes on.\r\n2. Second\r\n\r\n    [Main]\r\n    Key=1");
  EXPECT_EQ(ReflowText("- a\n- b\n---\nx"), "- a\r\n- b\r\n---\r\nx");
  EXPECT_EQ(ReflowText(""), "");
}

}  // namespace vb
