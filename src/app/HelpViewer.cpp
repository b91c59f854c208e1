#include "app/HelpViewer.h"

#include "core/base/ProgramIdentity.h"
#include "core/errors/MessageBoxes.h"

namespace vb {

bool THelpTopicList::Create(ui::Window& parent, const ui::Bounds& bounds) {
  return CreateSystemControl("LISTBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                             WS_EX_CLIENTEDGE, "", bounds, parent);
}

void THelpTopicList::SetItems(const THelpFile& help) {
  ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
  for (const THelpTopic& topic : help.Topics())
    ::SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic.Title.c_str()));
}

int THelpTopicList::Selected() const { return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void THelpTopicList::Select(int index) { ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void THelpTopicList::OnCommandNotification(WORD code) {
  if (code == LBN_SELCHANGE && OnSelect) OnSelect();
}

bool THelpViewer::Create() {
  if (!CreateForm(std::string(kProgramName) + " Help", kClientWidth, kClientHeight, ui::FormBorder::Dialog))
    return false;
  SetFormFont("Arial", 14);
  if (!TopicList.Create(*this, {5, 5, 180, 395}) || !TopicMemo.Create(*this, {190, 5, 445, 395}, true, true) ||
      !CloseButton.Create(*this, {560, 408, 75, 25}, "&Close"))
    return false;
  TopicList.OnSelect = [this] { ShowSelectedTopic(); };
  CloseButton.OnClick = [this] { EndModal(ui::ModalOk); };
  return true;
}

void THelpViewer::ShowSelectedTopic() {
  const int index = TopicList.Selected();
  if (!help_ || index < 0 || index >= static_cast<int>(help_->Topics().size())) return;
  const THelpTopic& topic = help_->Topics()[index];
  shownTitle_ = topic.Title;
  TopicMemo.SetMemoText(topic.Title + "\r\n\r\n" + topic.Text);
}

void THelpViewer::ShowTopics(const THelpFile& help, int context, HWND owner) {
  help_ = &help;
  TopicList.SetItems(help);
  const int index = help.IndexOf(context);
  TopicList.Select(index >= 0 ? index : 0);
  ShowSelectedTopic();
  ShowModal(owner);
  help_ = nullptr;
}

void THelpViewer::OnDialogKey(int id) {
  if (id == IDOK) return EndModal(ui::ModalOk);
  Form::OnDialogKey(id);
}

void THelpViewer::OnActivated() {
  if (TopicList.Handle()) TopicList.Focus();
}

bool ShowHelpTopic(int context, HWND owner) {
  const std::string path = HelpFilePath();
  THelpFile help;
  if (!help.Load(path) || help.Topics().empty()) {
    ShowWarningText("The help file \"" + path + "\" cannot be found or has no topics.\n" +
                    "Reinstall the program to restore it.");
    return false;
  }
  THelpViewer viewer;
  if (!viewer.Create()) return false;
  viewer.ShowTopics(help, context, owner);
  return true;
}

}  // namespace vb
