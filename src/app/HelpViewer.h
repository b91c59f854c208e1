#pragma once
// The program's help: the topics of "Help.hlp" in a modal window, a list of
// topics on the left and the chosen topic's text on the right.
#include <functional>
#include <string>

#include "core/help/HelpFile.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"

namespace vb {

// A list box of topic titles.
class THelpTopicList : public ui::Window {
 public:
  std::function<void()> OnSelect;

  bool Create(ui::Window& parent, const ui::Bounds& bounds);
  void SetItems(const THelpFile& help);
  int Selected() const;
  void Select(int index);

 protected:
  void OnCommandNotification(WORD code) override;
};

class THelpViewer : public ui::Form {
 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 440;

  bool Create();
  // Shows the topics with the one for `context` selected (the first topic when
  // no topic has it); returns when the player closes the window.
  void ShowTopics(const THelpFile& help, int context, HWND owner);
  // The title and text of the topic shown now.
  std::string ShownTitle() const { return shownTitle_; }

  THelpTopicList TopicList;
  ui::Memo TopicMemo;
  ui::Button CloseButton;

 protected:
  // Each time the viewer comes up the focus is on the topics.
  void OnActivated() override;
  // Enter closes the window, as Escape does.
  void OnDialogKey(int id) override;

 private:
  void ShowSelectedTopic();
  const THelpFile* help_ = nullptr;
  std::string shownTitle_;
};

// Opens "Help.hlp" of the program folder at a help context, over `owner`. A
// missing or unreadable file gives a warning naming it. False when no help was shown.
bool ShowHelpTopic(int context, HWND owner);

}  // namespace vb
