#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include "platform/DefaultPlatform.h"
#include "core/errors/FunStat.h"
#include "core/base/Platform.h"
#include "platform/win32/FileTests.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace vb {

TEST(CommandLine, BlanksSeparateAndQuotesGroup) {
  auto parts = SplitCommandLine("\"C:\\Program Files\\Vorbelle\\Install.exe\"  /Uninstall a\"b c\"d");
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0], "C:\\Program Files\\Vorbelle\\Install.exe");
  EXPECT_EQ(parts[1], "/Uninstall");
  EXPECT_EQ(parts[2], "ab cd");
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(LocaleText, ComparisonAndSortKeyAgree) {
  Platform& p = DefaultPlatform();
  EXPECT_EQ(p.CompareTextIgnoreCase("cat", "CAT"), 0);
  EXPECT_LT(p.CompareTextIgnoreCase("CAT", "DOG"), 0);
  EXPECT_GT(p.CompareTextIgnoreCase("DOG", "cat"), 0);
  EXPECT_EQ(p.SortKeyIgnoreCase("cat"), p.SortKeyIgnoreCase("CAT"));
  EXPECT_NE(p.SortKeyIgnoreCase("cat"), p.SortKeyIgnoreCase("cab"));
  EXPECT_EQ(p.UpperCase("straße"), "STRAßE");
}

TEST(LocaleText, LongTimeUsesColons) {
  LocalDateTime t{2026, 12, 8, 7, 5, 9, 0};
  std::string time = DefaultPlatform().LongTimeText(t);
  EXPECT_NE(time.find("05:09"), std::string::npos) << time;
  EXPECT_FALSE(DefaultPlatform().LongDateText(t).empty());
}

TEST(FileTestsWin32, SameFileIgnoresCaseAndRefusesWildcards) {
  test::TempFolder folder;
  std::string path = folder / "Game.vbg";
  test::WriteTextFile(path, "x");
  std::string upper = path;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  EXPECT_TRUE(IsSameFile(path, upper));
  EXPECT_FALSE(IsSameFile(path, folder / "Other.vbg"));
  EXPECT_FALSE(IsSameFile(folder / "*.vbg", folder / "*.vbg"));
  EXPECT_FALSE(IsSameFile(folder / "a?.vbg", folder / "a?.vbg"));
}

TEST(FileTestsWin32, FullPaths) {
  EXPECT_EQ(GetFullPath(""), "");
  EXPECT_EQ(GetFullPath("C:\\a\\..\\b\\c.txt"), "C:\\b\\c.txt");
  EXPECT_EQ(GetFullPath("C:"), GetFullPath("C:\\").substr(0, GetFullPath("C:\\").size() - 1));
  EXPECT_EQ(GetLongPath("C:\\no-tilde\\x"), "C:\\no-tilde\\x");
}

TEST(FileTestsWin32, FileSizeBeyondFourGigabytes) {
  test::TempFolder folder;
  std::string path = folder / "big.bin";
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file);
  DWORD ignored = 0;
  ::DeviceIoControl(file.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 5000000000LL;
  ASSERT_TRUE(::SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN));
  ASSERT_TRUE(::SetEndOfFile(file.get()));
  EXPECT_EQ(GetFileSize(file.get()), 5000000000ULL);
  EXPECT_EQ(GlobalFunStat.Status, 0);
}

TEST(FileTestsWin32, BadHandleSizeIsAWarning) {
  EXPECT_EQ(GetFileSize(INVALID_HANDLE_VALUE), 0u);
  EXPECT_EQ(GlobalFunStat.Status, StatusWarning);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to get file size.");
  GlobalFunStat.Clear(0);
}

TEST(FileTestsWin32, ZeroFileTimeIsTheStartOf1601) {
  FILETIME zero{0, 0};
  double value = ConvertFileTime(zero);
  // 1 January 1601 lies 109205 days before 30 December 1899; the local offset moves it by under a day.
  EXPECT_NEAR(value, -109205.0, 1.0);
  EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30, 12, 0, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(EncodeDateTime(2000, 1, 1, 0, 0, 0, 0), 36526.0);
}

TEST(FilesWin32, WholeFileWriteReplaceAndRead) {
  test::TempFolder folder;
  Platform& p = DefaultPlatform();
  std::string a = folder / "a.txt", b = folder / "b.txt", content;
  ASSERT_TRUE(p.WriteFileBytes(a, std::string("x\0y", 3)));
  ASSERT_TRUE(p.WriteFileBytes(b, "old"));
  ASSERT_TRUE(p.MoveFileOver(a, b));
  ASSERT_TRUE(p.ReadFileBytes(b, content));
  EXPECT_EQ(content, std::string("x\0y", 3));
  EXPECT_FALSE(p.PathExists(a));
  p.SetLastError(0);
  EXPECT_FALSE(p.ReadFileBytes(folder / "missing.txt", content));
  EXPECT_EQ(p.GetLastError(), 2u);
}

}  // namespace vb
