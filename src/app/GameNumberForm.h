#pragma once
// The "New numbered game" dialog: explains what a game number does and asks
// for one, today's number preselected. OK (or Enter) accepts a number from 1 to
// 99999999; anything else gets a warning and the dialog stays open. Cancel,
// Escape and the close box give none.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/presenter/GameNumberSeam.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace vb {

inline constexpr const char* kBadGameNumberText = "Type a game number from 1 to 99999999.";

class TGameNumberForm : public ui::Form, public TGameNumberAsker {
 public:
  static constexpr int kClientWidth = 320;
  static constexpr int kClientHeight = 135;
  static constexpr int kMaxDigits = 8;

  // Creates the hidden dialog and its controls.
  bool Create();

  // TGameNumberAsker: shows the dialog modally over the window the player works
  // in. A suggestion outside 1 to 99999999 leaves the box empty.
  std::optional<std::uint32_t> AskGameNumber(std::uint32_t suggested) override;

  // Accepts the typed number, or warns and keeps the dialog open.
  void OkButtonClick();


  ui::Label ExplanationLabel;
  ui::Label NumberLabel;
  ui::Edit NumberEdit;
  ui::Button OkButton;
  ui::Button CancelButton;

 protected:
  // Each time the dialog comes up the number is selected, ready to be typed over.
  void OnActivated() override;
  // Enter is OK unless the Cancel button has the focus.
  void OnDialogKey(int id) override;

 private:
  void FocusNumber();
  std::optional<std::uint32_t> accepted_;
};

}  // namespace vb
