#include "core/presenter/CommandTable.h"

#include <utility>

namespace vb {

void TCommandTable::Add(TCommand command) { rows_.push_back(std::move(command)); }

const TCommand* TCommandTable::Find(TCommandId id) const {
  for (const TCommand& command : rows_)
    if (command.Id == id) return &command;
  return nullptr;
}

const TCommand* TCommandTable::ForKey(int key, bool onlyCtrl, bool onlyAlt) const {
  for (const TCommand& command : rows_) {
    if (command.Key == 0 || command.Key != key) continue;
    if (command.Modifiers == TKeyModifiers::CtrlOnly && !onlyCtrl) continue;
    if (command.Modifiers == TKeyModifiers::AltOnly && !onlyAlt) continue;
    return &command;
  }
  return nullptr;
}

bool TCommandTable::IsEnabled(TCommandId id, const TGameViewModel& model) const {
  const TCommand* command = Find(id);
  return command && (!command->Enabled || command->Enabled(model));
}

bool TCommandTable::Run(TCommandId id, const TGameViewModel& model) const {
  const TCommand* command = Find(id);
  if (!command || !command->Run || !IsEnabled(id, model)) return false;
  command->Run();
  return true;
}

}  // namespace vb
