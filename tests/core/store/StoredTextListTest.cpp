#include <gtest/gtest.h>

#include <stdexcept>

#include "core/errors/FunStat.h"
#include "core/store/IniStore.h"
#include "core/base/Platform.h"
#include "core/store/StoredTextList.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"

namespace vb {

TEST(IniInteger, Grammar) {
  struct Case {
    const char* text;
    bool valid;
    std::int32_t value;
  };
  const Case cases[] = {
      {"42", true, 42},       {"  42", true, 42},      {"+7", true, 7},          {"-7", true, -7},
      {"$1F", true, 31},      {"x10", true, 16},       {"X10", true, 16},        {"0x10", true, 16},
      {"0X1f", true, 31},     {"-0x10", true, -16},    {"0", true, 0},           {"007", true, 7},
      {"2147483647", true, 2147483647},                {"-2147483648", true, -2147483647 - 1},
      {"$FFFFFFFF", true, -1},
      {"", false, 0},         {" ", false, 0},         {"42 ", false, 0},        {"4 2", false, 0},
      {"12a", false, 0},      {"0x", false, 0},        {"$", false, 0},          {"-", false, 0},
      {"- 5", false, 0},      {"2147483648", false, 0}, {"-2147483649", false, 0}, {"$100000000", false, 0},
      {"99999999999999999999999", false, 0},           {"\t5", false, 0},        {"0x-5", false, 0},
  };
  for (const Case& c : cases) {
    std::int32_t value = 12345;
    EXPECT_EQ(ParseIniInteger(c.text, value), c.valid) << '"' << c.text << '"';
    EXPECT_EQ(value, c.valid ? c.value : 12345) << '"' << c.text << '"';
  }
}

TEST(IniStore, ReadsLinesSectionsAndKeysByTheFileRules) {
  test::FakePlatformScope platform;
  TIniStore store;
  store.Parse(
      "Before=dropped\r\n[Main]\r\n;Comment=x\r\n\r\nName=First\nname=Second\r"
      "Blank = 20\r\nPath=C:\\a=b\r\nNoEquals\r\n[main]\r\nOther=2\r\n[]\r\nEmpty=\r\n[Last]\r\nTail=end");
  std::string value;
  EXPECT_FALSE(store.FindValue("", "Before", value));
  ASSERT_TRUE(store.FindValue("MAIN", "NAME", value));
  EXPECT_EQ(value, "First");  // first key of the first section wins
  EXPECT_FALSE(store.FindValue("Main", "Blank", value));
  ASSERT_TRUE(store.FindValue("Main", "Blank ", value));
  EXPECT_EQ(value, " 20");
  ASSERT_TRUE(store.FindValue("Main", "Path", value));
  EXPECT_EQ(value, "C:\\a=b");
  EXPECT_FALSE(store.FindValue("Main", "NoEquals", value));
  EXPECT_FALSE(store.FindValue("Main", ";Comment", value));
  EXPECT_FALSE(store.FindValue("Main", "Other", value));  // only in the second "main"
  ASSERT_TRUE(store.FindValue("", "Empty", value));
  EXPECT_EQ(value, "");
  ASSERT_TRUE(store.FindValue("Last", "Tail", value));
  EXPECT_EQ(value, "end");
  EXPECT_EQ(store.Sections().size(), 4u);
}

TEST(IniStore, WritesReplaceTheFirstLineOrAppendAndRenderWithoutComments) {
  test::FakePlatformScope platform;
  TIniStore store;
  store.Parse("; heading\n[A]\nx=1\nX=2\n\n[B]\ny=3\n");
  store.SetValue("a", "X", "10");
  store.SetValue("A", "z", "new");
  store.SetValue("C", "k", "v=w");
  EXPECT_EQ(store.Render(), "[A]\r\nX=10\r\nX=2\r\nz=new\r\n\r\n[B]\r\ny=3\r\n\r\n[C]\r\nk=v=w\r\n\r\n");
  store.Clear();
  EXPECT_EQ(store.Render(), "");
}

TEST(IniStore, AByteOrderMarkAtTheStartIsSkippedAndNeverWritten) {
  test::FakePlatformScope platform;
  TIniStore store;
  store.Parse("\xEF\xBB\xBF[Main]\r\nAlphabet=ABC\r\n");
  std::string value;
  ASSERT_TRUE(store.FindValue("Main", "Alphabet", value));
  EXPECT_EQ(value, "ABC");
  EXPECT_EQ(store.Render(), "[Main]\r\nAlphabet=ABC\r\n\r\n");
  // Only a mark at the very start is one; elsewhere the bytes are text.
  store.Parse("[Main]\r\n\xEF\xBB\xBFKey=1\r\n");
  EXPECT_FALSE(store.FindValue("Main", "Key", value));
  ASSERT_TRUE(store.FindValue("Main", "\xEF\xBB\xBFKey", value));
}

class StoredTextLists : public ::testing::Test {
 protected:
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  test::TempFolder folder;
  std::string path = folder / "Options.ini";
};

TEST_F(StoredTextLists, LoadRunsTheHandlerWithTypedReadsAndClearsChanged) {
  test::WriteTextFile(path,
                      "[Main]\r\nText=Hello\r\nLong=ABCDEF\r\nEmpty=\r\nLetter=Q\r\nTwo=QQ\r\nOn=TRUE\r\nLower=true\r\n"
                      "Hex=0x10\r\nHigh=1001\r\nLow=-1\r\nJunk=12a\r\n");
  TStoredTextList list(path);
  list.Changed = true;
  bool sawLoading = false;
  std::string text = "d", longText = "d", empty1 = "d", empty2 = "d", absent = "d";
  unsigned char letter = 'A', two = 'A', noLetter = 'A';
  bool on = false, lower = true, absentBool = true;
  std::int32_t hex = 1, high = 1, low = 1, junk = 1, absentInt = 7;
  list.OnLoad = [&](TStoredTextList& l) {
    sawLoading = l.Loading;
    l.ReadText("main", "text", false, text, 255);
    l.ReadText("Main", "Long", false, longText, 5);
    l.ReadText("Main", "Empty", false, empty1, 5);
    l.ReadText("Main", "Empty", true, empty2, 5);
    l.ReadText("Main", "Absent", true, absent, 5);
    l.ReadLetter("Main", "Letter", letter);
    l.ReadLetter("Main", "Two", two);
    l.ReadLetter("Main", "Empty", noLetter);
    l.ReadBool("Main", "On", on);
    l.ReadBool("Main", "Lower", lower);
    l.ReadBool("Main", "Absent", absentBool);
    l.ReadInteger("Main", "Hex", hex, 1000, 0);
    l.ReadInteger("Main", "High", high, 1000, 0);
    l.ReadInteger("Main", "Low", low, 1000, 0);
    l.ReadInteger("Main", "Junk", junk, 1000, 0);
    l.ReadInteger("Main", "Absent", absentInt, 1000, 0);
  };
  ASSERT_TRUE(list.Load());
  EXPECT_TRUE(sawLoading);
  EXPECT_FALSE(list.Loading);
  EXPECT_FALSE(list.Changed);
  EXPECT_EQ(text, "Hello");
  EXPECT_EQ(longText, "d");
  EXPECT_EQ(empty1, "d");
  EXPECT_EQ(empty2, "");
  EXPECT_EQ(absent, "d");
  EXPECT_EQ(letter, 'Q');
  EXPECT_EQ(two, 'A');
  EXPECT_EQ(noLetter, 'A');
  EXPECT_TRUE(on);
  EXPECT_FALSE(lower);
  EXPECT_TRUE(absentBool);
  EXPECT_EQ(hex, 16);
  EXPECT_EQ(high, 1);
  EXPECT_EQ(low, 1);
  EXPECT_EQ(junk, 1);
  EXPECT_EQ(absentInt, 7);
  EXPECT_TRUE(dialog.Shown.empty());
}

TEST_F(StoredTextLists, AMissingFileOrAFolderLoadsAsEmpty) {
  for (const std::string& target : {folder / "Missing.ini", folder.Path()}) {
    TStoredTextList list(target);
    std::int32_t value = 3;
    list.OnLoad = [&](TStoredTextList& l) { l.ReadInteger("Main", "X", value, 10, 0); };
    EXPECT_TRUE(list.Load()) << target;
    EXPECT_EQ(value, 3);
  }
  EXPECT_TRUE(dialog.Shown.empty());
}

TEST_F(StoredTextLists, AFailingHandlerCallsOnLoadFailedBeforeTheReport) {
  test::WriteTextFile(path, "[Main]\r\nX=1\r\n");
  TStoredTextList list(path);
  list.Changed = true;
  std::size_t reportsWhenFailed = 99;
  list.OnLoadFailed = [&] { reportsWhenFailed = dialog.Shown.size(); };
  list.OnLoad = [](TStoredTextList&) { throw std::runtime_error("bad value"); };
  EXPECT_FALSE(list.Load());
  EXPECT_EQ(reportsWhenFailed, 0u);
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to load file.");
  EXPECT_NE(dialog.Shown[0].Report.find("bad value"), std::string::npos);
  EXPECT_TRUE(list.Changed);
  EXPECT_FALSE(list.Loading);
  EXPECT_EQ(GlobalFunStat.Status, StatusPerfect);
}

TEST_F(StoredTextLists, SaveWritesTheStoreAndAsksBeforeOverwriting) {
  TStoredTextList list(path);
  list.OnSave = [](TStoredTextList& l) {
    l.Clear();
    l.WriteText("Main", "Name", "Value");
    l.WriteLetter("Main", "Letter", 'Z');
    l.WriteLetter("Main", "NoLetter", 0);
    l.WriteBool("Main", "Flag", true);
    l.WriteInteger("Other", "Count", -12);
  };
  ASSERT_TRUE(list.SaveAs(path, true));  // no file yet: no question
  EXPECT_TRUE(platform->Boxes.empty());
  EXPECT_FALSE(list.Changed);
  const std::string expected =
      "[Main]\r\nName=Value\r\nLetter=Z\r\nNoLetter=\r\nFlag=TRUE\r\n\r\n[Other]\r\nCount=-12\r\n\r\n";
  EXPECT_EQ(test::ReadTextFile(path), expected);

  platform->Answers = {7};  // No
  EXPECT_FALSE(list.Save(true));
  ASSERT_EQ(platform->Boxes.size(), 1u);
  EXPECT_EQ(platform->Boxes[0].Text, "File \"" + path + "\"already exists.\nOverwrite it?");
  EXPECT_TRUE(dialog.Shown.empty());

  platform->Answers = {6};  // Yes
  EXPECT_TRUE(list.Save(true));
  EXPECT_EQ(test::ReadTextFile(path), expected);
  EXPECT_TRUE(list.Save(false));
  EXPECT_EQ(platform->Boxes.size(), 2u);
}

TEST_F(StoredTextLists, SaveOverAReadOnlyFileClearsTheAttribute) {
  test::WriteTextFile(path, "old");
  ASSERT_TRUE(GetPlatform().ChangeFileAttributes(path, 1));
  TStoredTextList list(path);
  list.OnSave = [](TStoredTextList& l) { l.WriteInteger("Main", "A", 1); };
  platform->Answers = {6};
  EXPECT_TRUE(list.SaveAs(path, true));
  EXPECT_EQ(test::ReadTextFile(path), "[Main]\r\nA=1\r\n\r\n");
}

TEST_F(StoredTextLists, AFailedWriteKeepsTheOldFileWhole) {
  test::WriteTextFile(path, "[Main]\r\nA=old\r\n");
  TStoredTextList list(path);
  ASSERT_TRUE(list.Load());
  list.WriteText("Main", "A", "new");
  platform->AllowWrite = [](const std::string&) { return false; };
  EXPECT_FALSE(list.Save(false));
  EXPECT_EQ(test::ReadTextFile(path), "[Main]\r\nA=old\r\n");
  EXPECT_TRUE(list.Changed);
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to save file.");
  EXPECT_FALSE(GetPlatform().PathExists(path + ".vbtmp"));
}

TEST_F(StoredTextLists, WithoutAStoreTheHandlersFailAndNothingIsWritten) {
  TStoredTextList list(path);
  std::string value;
  EXPECT_THROW(list.ReadText("Main", "A", true, value, 10), std::exception);
  list.OnSave = [](TStoredTextList& l) { l.WriteInteger("Main", "A", 1); };
  EXPECT_FALSE(list.Save(false));
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].FailureText, "Failed to save file.");
  EXPECT_FALSE(GetPlatform().PathExists(path));
}

}  // namespace vb
