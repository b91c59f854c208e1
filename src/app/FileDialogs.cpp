#include "app/FileDialogs.h"

#include <commdlg.h>

#include <vector>

#include "core/base/Paths.h"

namespace vb {

std::string DialogFilterText(const std::string& filter) {
  std::string text = filter;
  for (char& c : text)
    if (c == '|') c = '\0';
  text.push_back('\0');
  text.push_back('\0');
  return text;
}

void SplitDialogFileName(const std::string& fileName, std::string& folder, std::string& name) {
  folder = GetPathPart(fileName);
  name = GetNamePart(fileName);
}

bool TWin32FileDialogs::ExecuteOpen(TFileDialog& dialog) { return Execute(dialog, false); }
bool TWin32FileDialogs::ExecuteSave(TFileDialog& dialog) { return Execute(dialog, true); }

bool TWin32FileDialogs::Execute(TFileDialog& dialog, bool save) {
  std::string folder, name;
  SplitDialogFileName(dialog.FileName, folder, name);
  const std::string filter = DialogFilterText(dialog.Filter);
  std::vector<char> file(32768, '\0');
  name.copy(file.data(), file.size() - 1);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_ ? owner_() : nullptr;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = dialog.Title.empty() ? nullptr : dialog.Title.c_str();
  ofn.lpstrDefExt = dialog.DefaultExtension.empty() ? nullptr : dialog.DefaultExtension.c_str();
  // The save command asks before overwriting, so the dialog does not.
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (save ? 0 : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? ::GetSaveFileNameA(&ofn) : ::GetOpenFileNameA(&ofn);
  if (!chosen) return false;
  dialog.FileName = file.data();
  return true;
}

}  // namespace vb
