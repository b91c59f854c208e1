#pragma once
// The system's common file dialogs behind the seam the game commands use.
#include <windows.h>

#include <string>

#include "core/files/FileDialogSeam.h"

namespace vb {

class TWin32FileDialogs : public TFileDialogs {
 public:
  // `owner` returns the window the dialogs belong to (may give nullptr).
  explicit TWin32FileDialogs(HWND (*owner)() = nullptr) : owner_(owner) {}

  bool ExecuteOpen(TFileDialog& dialog) override;
  bool ExecuteSave(TFileDialog& dialog) override;

 private:
  bool Execute(TFileDialog& dialog, bool save);
  HWND (*owner_)();
};

// "a|b|c|d" as the dialogs want it: "a\0b\0c\0d\0\0".
std::string DialogFilterText(const std::string& filter);
// The folder the dialog opens in and the name it shows: the last game's name,
// or the pattern of the start value "...\VorbelleGames\*.vbg", which the
// dialog takes as a filter until the player types a name.
void SplitDialogFileName(const std::string& fileName, std::string& folder, std::string& name);

}  // namespace vb
