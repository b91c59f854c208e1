#pragma once
// A presenter over a temporary program folder with a small dictionary, its
// files and options prepared and a new game started.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/presenter/GamePresenter.h"
#include "support/FakePlatform.h"
#include "support/ScriptedErrorDialog.h"
#include "support/ScriptedFileDialogs.h"
#include "support/SmallDictionary.h"
#include "support/TempFolder.h"

namespace vb::test {

class PresenterTest : public ::testing::Test {
 protected:
  explicit PresenterTest(const TRandomPool& seeded) : pool(seeded) {}

  // Writes NAME.vbd with WORDS and starts a new game on it; `connect` hands the
  // presenter its seams (a view, a letter chooser) before the options are read.
  void StartNewGame(const std::string& name, const std::string& words,
                    const std::function<void(TGamePresenter&)>& connect = {}) {
    PrepareSmallDictionary(platform, folder, name, words);
    game = std::make_unique<TGamePresenter>(folder.Path(), &pool, &dialogs);
    if (connect) connect(*game);
    game->Commands().PrepareFilesAndOptions();
    game->Dictionary.DictionaryName = name + ".vbd";
    game->Commands().NewGameMenuClick();
    ASSERT_TRUE(errors.Shown.empty());
  }
  // The presenter goes while the seams of the derived fixture still exist.
  void TearDown() override { game.reset(); }

  FakePlatformScope platform;
  ScriptedErrorDialog errors;
  TempFolder folder;
  ScriptedFileDialogs dialogs;
  TRandomPool pool;
  std::unique_ptr<TGamePresenter> game;
};

}  // namespace vb::test
