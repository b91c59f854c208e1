#include <gtest/gtest.h>

#include "core/errors/FunStat.h"
#include "core/base/Paths.h"
#include "core/base/ProgramPaths.h"
#include "core/errors/Terminate.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/TempFolder.h"

namespace vb {

TEST(PathArithmetic, AddPathDelimiter) {
  EXPECT_EQ(AddPathDelimiter(""), "");
  EXPECT_EQ(AddPathDelimiter("C:\\Games"), "C:\\Games\\");
  EXPECT_EQ(AddPathDelimiter("C:\\Games\\"), "C:\\Games\\");
}

TEST(PathArithmetic, PathAndNameParts) {
  EXPECT_TRUE(IsDriveName("C:"));
  EXPECT_FALSE(IsDriveName(":"));
  EXPECT_EQ(GetPathPart("C:"), "");
  EXPECT_EQ(GetNamePart("C:"), "C:");
  EXPECT_EQ(GetPathPart("C:\\A\\B.txt"), "C:\\A\\");
  EXPECT_EQ(GetNamePart("C:\\A\\B.txt"), "B.txt");
  EXPECT_EQ(GetNamePart("C:\\A\\"), "");
  EXPECT_EQ(GetPathPart("C:\\A\\"), "C:\\A\\");
  EXPECT_EQ(GetPathPart("B.txt"), "");
  EXPECT_EQ(GetNamePart("B.txt"), "B.txt");
  EXPECT_EQ(GetPathPart("C:B.txt"), "C:");
  EXPECT_EQ(GetExtension("C:\\a.b\\game.VBG"), ".VBG");
  EXPECT_EQ(GetExtension("C:\\a.b\\game"), "");
}

TEST(PathArithmetic, LinkNamesAndInvalidCharacters) {
  EXPECT_TRUE(IsLinkFileName("C:\\x\\Vorbelle.LNK"));
  EXPECT_TRUE(IsLinkFileName("old.pif"));
  EXPECT_FALSE(IsLinkFileName("a.lnk.txt"));
  EXPECT_TRUE(HasInvalidNameCharacter("a*b"));
  EXPECT_TRUE(HasInvalidNameCharacter("a?"));
  EXPECT_FALSE(HasInvalidNameCharacter("C:\\a b\\c.txt"));
}

TEST(PathArithmetic, PlainFileNamesNameOneFileInTheirFolder) {
  for (const char* name : {"English.vbd", "My..Words", "..hidden", "a b.txt", "\xC4rger", "COM10", "CONSOLE.txt",
                           "Nul1"})
    EXPECT_TRUE(IsPlainFileName(name)) << name;
  for (const char* name : {"", ".", "..", "a\\b", "a/b", "C:x", "x?", "x*", "a<b", "a|b", "q\"t", "tab\there",
                           "name.", "name ", "CON", "con.txt", "NUL.vbd", "Aux ", "COM1", "lpt9.txt", "PRN.a.b"})
    EXPECT_FALSE(IsPlainFileName(name)) << name;
}

TEST(FileTests, ExistenceAndReadOnly) {
  test::FakePlatformScope platform;
  test::TempFolder folder;
  std::string file = folder / "a.txt";
  EXPECT_FALSE(PathExists(""));
  EXPECT_FALSE(PathExists(file));
  EXPECT_EQ(GetAttributesOrZero(file), 0u);
  test::WriteTextFile(file, "x");
  EXPECT_TRUE(PathExists(file));
  EXPECT_TRUE(PathExists(folder.Path()));
  ASSERT_TRUE(platform->ChangeFileAttributes(file, 1));
  EXPECT_EQ(GetAttributesOrZero(file) & 1u, 1u);
  ClearReadOnly(file);
  EXPECT_EQ(GetAttributesOrZero(file) & 1u, 0u);
  ClearReadOnly(folder / "missing.txt");  // ignored
}

TEST(ProgramPathsTest, PartsAndParameters) {
  test::FakePlatformScope platform;
  platform->FixedProgramPath = "C:\\Program Files\\Vorbelle\\Install.exe";
  platform->Parameters = {"/Uninstall"};
  EXPECT_EQ(GetProgramFolder(), "C:\\Program Files\\Vorbelle\\");
  EXPECT_EQ(GetProgramFileName(), "Install.exe");
  EXPECT_EQ(GetCommandLineParameter(0), "C:\\Program Files\\Vorbelle\\Install.exe");
  EXPECT_EQ(GetCommandLineParameter(1), "/Uninstall");
  EXPECT_EQ(GetCommandLineParameter(2), "");
  EXPECT_EQ(GetCommandLineParameter(-1), "");
}

TEST(Termination, TerminateProgramFunReportsThenEndsWithCodeOne) {
  test::FakePlatformScope platform;
  test::ScriptedErrorDialog dialog;
  try {
    TerminateProgramFun();
    FAIL() << "did not terminate";
  } catch (const test::TerminateCalled& end) {
    EXPECT_EQ(end.ExitCode, 1);
  }
  ASSERT_EQ(dialog.Shown.size(), 1u);
  EXPECT_EQ(dialog.Shown[0].Caption, "Error");
  EXPECT_EQ(dialog.Shown[0].FailureText, "Abort intercepted.\r\nProgram must be terminated.");
  EXPECT_EQ(GlobalFunStat.Status, 0);
}

}  // namespace vb
