#include "ZORGuiCommandStack.h"

#include <algorithm>

#include "ZORCommandGlobalUndo.h"
#include "ZORDialogAgent.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStackNotification.h"
#include "ZORStateActivateNotification.h"
#include "ZORStateCancelNotification.h"
#include "ZORStateCommand.h"
#include "ZORVar.h"

struct ZORGuiCommandStack::Entry {
  ZORStateCommand* command;
  std::vector<ZORDialogAgent*> waitingAgents;
  UndoPoint undo;
};

ZORGuiCommandStack* ZORGuiCommandStack::Instance() {
  static ZORGuiCommandStack stack;
  return &stack;
}

HRESULT ZORGuiCommandStack::StartCommand(ZORStateCommand* command, Mode mode,
                                         std::vector<ZORDialogAgent*> waitingAgents) {
  if (!command) return E_FAIL;
  if (mode == Mode::Exclusive) CancelAll();
  return Start(command, mode, std::move(waitingAgents), undoMaker_ ? undoMaker_() : UndoPoint());
}

HRESULT ZORGuiCommandStack::StartCommand(const Creator& creator, Mode mode,
                                         std::vector<ZORDialogAgent*> waitingAgents) {
  if (!creator) return E_FAIL;
  if (mode == Mode::Exclusive) CancelAll();
  UndoPoint undo = undoMaker_ ? undoMaker_() : UndoPoint();
  ZORStateCommand* command = creator();
  if (!command) {
    if (undo) undo(Ending::Undone);
    return E_FAIL;
  }
  return Start(command, mode, std::move(waitingAgents), std::move(undo));
}

HRESULT ZORGuiCommandStack::Start(ZORStateCommand* command, Mode,
                                  std::vector<ZORDialogAgent*> waitingAgents, UndoPoint undo) {
  ZORStateCommand* calling = GetCurrentCommand();
  if (calling) {
    auto notification =
        ZORMake<ZORStateActivateNotification>(ZORStateActivateNotification::kResume);
    calling->Desactivate(command, notification.get());
  }
  entries_.push_back(
      std::make_unique<Entry>(Entry{command, std::move(waitingAgents), std::move(undo)}));
  states_.emplace_back(command, calling);

  command->BuildGraph();
  auto first =
      ZORMake<ZORStateActivateNotification>(ZORStateActivateNotification::kFirstActivation);
  command->Activate(calling, first.get());
  // Whoever follows the stack hears of each command stacked, the command sent with it.
  auto stacked = ZORMake<ZORGuiCommandStackNotification>();
  stacked->SendObject(command);
  command->BroadcastNotification(stacked.get());
  // The first activation, or a subscriber, may already have ended the command.
  if (Find(command)) command->EnterInitialState();
  return S_OK;
}

std::size_t ZORGuiCommandStack::IndexOf(const ZORStateCommand* command) const {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [command](const auto& e) { return e->command == command; });
  return static_cast<std::size_t>(it - entries_.begin());
}

ZORGuiCommandStack::Entry* ZORGuiCommandStack::Find(const ZORStateCommand* command) {
  const std::size_t index = IndexOf(command);
  return index < entries_.size() ? entries_[index].get() : nullptr;
}

ZORGuiCommandStack::UndoPoint ZORGuiCommandStack::Remove(const ZORStateCommand* command) {
  const std::size_t index = IndexOf(command);
  const auto offset = static_cast<std::ptrdiff_t>(index);
  UndoPoint undo = std::move(entries_[index]->undo);
  ZORCommand* calling = states_[index].GetCallingCommand();
  entries_.erase(entries_.begin() + offset);
  states_.erase(states_.begin() + offset);
  // The command above now stands on the one that called the command that went, and nothing
  // above waits any more on the agents of the command that went.
  if (index < states_.size()) states_[index].SetCallingCommand(calling);
  for (std::size_t above = index; above < entries_.size(); ++above) {
    std::erase_if(entries_[above]->waitingAgents, [command](const ZORDialogAgent* agent) {
      return agent && agent->GetOwner() == command;
    });
  }
  return undo;
}

void ZORGuiCommandStack::CompleteCommand(ZORStateCommand* command) {
  End(command, false, 0, true);
}

void ZORGuiCommandStack::CancelCommand(ZORStateCommand* command, int cancelType) {
  End(command, true, cancelType, true);
}

void ZORGuiCommandStack::End(ZORStateCommand* command, bool cancelled, int cancelType,
                             bool resumeBelow) {
  if (!Find(command)) return;
  // A cancel ends the commands started over this one first, without resuming it.
  while (cancelled && entries_.back()->command != command) {
    End(entries_.back()->command, true, ZORStateCancelNotification::kOther, false);
  }
  const bool current = entries_.back()->command == command;
  // A command finished over another one is part of that one's work, undone with it.
  const bool alone = IndexOf(command) == 0;
  UndoPoint undo = Remove(command);

  if (cancelled) {
    auto notification = ZORMake<ZORStateCancelNotification>(cancelType);
    command->Cancel(nullptr, notification.get());
  }
  Ending ending = Ending::Kept;
  if (cancelled && command->IsUndoAtEndRequested()) ending = Ending::Undone;
  if (!cancelled && alone) ending = Ending::Finished;
  const ZORGlobalUndoHistory::DocumentStates states =
      undo ? undo(ending) : ZORGlobalUndoHistory::DocumentStates();
  if (!cancelled) KeepGlobalUndo(command, states);
  command->active_ = false;
  command->RequestDelayedDestruction();

  ZORStateCommand* below = resumeBelow && current ? GetCurrentCommand() : nullptr;
  if (below) {
    auto resume = ZORMake<ZORStateActivateNotification>(ZORStateActivateNotification::kResume);
    below->Activate(command, resume.get());
  }
}

void ZORGuiCommandStack::KeepGlobalUndo(ZORStateCommand* command,
                                        ZORGlobalUndoHistory::DocumentStates states) {
  std::unique_ptr<ZORCommandGlobalUndo> record(command->GetGlobalUndo());
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (editor) {
    editor->GetGlobalUndoHistory().Add(std::move(record), states);
    return;
  }
  // Without an editor nobody can undo: the record goes at once, with its clean-up, and the
  // states are let go of.
  states.Forget();
}

void ZORGuiCommandStack::CancelAll() {
  while (!entries_.empty()) {
    End(entries_.back()->command, true, ZORStateCancelNotification::kUserCancel, false);
  }
}

ZORStateCommand* ZORGuiCommandStack::GetCurrentCommand() const {
  return entries_.empty() ? nullptr : entries_.back()->command;
}

std::vector<ZORBaseUnknown_var> ZORGuiCommandStack::GiveFullStack() const {
  std::vector<ZORBaseUnknown_var> objects;
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (editor && editor->GetDocument()) objects.emplace_back(editor->GetDocument()->GetPart());
  for (const auto& entry : entries_) {
    if (ZORBaseUnknown_var object = entry->command->GetStackObject()) objects.push_back(object);
  }
  return objects;
}

std::vector<ZORDialogAgent*> ZORGuiCommandStack::GetWaitingAgents() const {
  return entries_.empty() ? std::vector<ZORDialogAgent*>() : entries_.back()->waitingAgents;
}

void ZORGuiCommandStack::RegisterCommand(const std::string& name, Creator creator) {
  creators_[name] = std::move(creator);
}

std::vector<std::string> ZORGuiCommandStack::GetCommandNames() const {
  std::vector<std::string> names;
  names.reserve(creators_.size());
  for (const auto& [name, creator] : creators_) names.push_back(name);
  return names;
}

ZORStateCommand* ZORGuiCommandStack::CreateCommand(const std::string& name) const {
  auto it = creators_.find(name);
  return it == creators_.end() || !it->second ? nullptr : it->second();
}
