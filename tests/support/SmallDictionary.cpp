#include "support/SmallDictionary.h"

namespace vb::test {

void PrepareSmallDictionary(FakePlatformScope& platform, const TempFolder& folder, const std::string& name,
                            const std::string& words, const std::string& lengthScores) {
  platform->FixedProgramPath = folder / "Vorbelle.exe";
  GetPlatform().CreateFolder(folder / "VorbelleDictionaries");
  const std::string dictionary =
      "[Main]\r\nWordsListName=" + name + "\r\n[Alphabet]\r\n"
      "Char0=A\r\nProb0=1000\r\nChar1=B\r\nProb1=500\r\nChar2=C\r\nProb2=500\r\nChar3=D\r\nProb3=400\r\n"
      "Char4=E\r\nProb4=1000\r\nChar5=F\r\nProb5=200\r\nChar6=G\r\nProb6=200\r\nChar7=H\r\nProb7=300\r\n"
      "Char8=I\r\nProb8=800\r\nChar9=J\r\nProb9=10\r\nChar10=K\r\nProb10=50\r\nChar11=L\r\nProb11=400\r\n"
      "[LengthScores]\r\n" + lengthScores;
  WriteTextFile(folder / ("VorbelleDictionaries\\" + name + ".vbd"), dictionary);
  WriteTextFile(folder / ("VorbelleDictionaries\\" + name + ".txt"), words);
}

}  // namespace vb::test
