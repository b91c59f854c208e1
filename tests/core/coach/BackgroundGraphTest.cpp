#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <string>
#include <vector>

#include "core/coach/BackgroundGraph.h"
#include "support/FakePlatform.h"

namespace vb {

namespace {

// Enough words that a build takes a while, so requests overlap it.
std::vector<std::string> ManyWords(char first) {
  std::vector<std::string> words;
  for (int i = 0; i < 20000; ++i) {
    std::string word(1, first);
    for (int n = i; n; n /= 10) word += static_cast<char>('A' + n % 10);
    words.push_back(word);
  }
  return words;
}
}  // namespace

TEST(BackgroundGraph, HandsOutOnlyTheLatestRequestsGraph) {
  test::FakePlatformScope platform;
  std::atomic<int> ready{0};
  TBackgroundGraph background;
  background.SetReadyHandler([&ready] { ++ready; });
  EXPECT_EQ(background.Graph(), nullptr);

  background.Request(ManyWords('B'), TLetterFold());
  background.Request({"CAB", "BEAD"}, TLetterFold());
  EXPECT_TRUE(background.Preparing() || background.Graph() != nullptr);
  background.Wait();
  const auto graph = background.Graph();
  ASSERT_NE(graph, nullptr);
  EXPECT_FALSE(background.Preparing());
  EXPECT_TRUE(graph->HasFold("BEAD"));
  EXPECT_FALSE(graph->HasFold("BA"));  // the superseded list never shows
  EXPECT_EQ(graph->WordsCount(), 2u);
  // The handler runs just after the graph is handed over.
  for (int waited = 0; ready.load() == 0 && waited < 5000; ++waited) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_GE(ready.load(), 1);

  // The same words again keep the graph; other words replace it.
  background.Request({"CAB", "BEAD"}, TLetterFold());
  EXPECT_EQ(background.Graph(), graph);
  background.Request({"CAB", "BEAD", "DAB"}, TLetterFold());
  EXPECT_TRUE(background.WaitFor(60000));
  EXPECT_TRUE(background.Graph()->HasFold("DAB"));

  background.Clear();
  EXPECT_EQ(background.Graph(), nullptr);
  EXPECT_FALSE(background.Preparing());
  background.Wait();  // nothing to wait for
}

TEST(BackgroundGraph, CanBeDestroyedWhileItBuilds) {
  test::FakePlatformScope platform;
  for (int round = 0; round < 3; ++round) {
    TBackgroundGraph background;
    background.Request(ManyWords('C'), TLetterFold());
  }
}

}  // namespace vb
