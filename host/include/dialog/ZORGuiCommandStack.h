#pragma once
// The running commands. A shared command started over another deactivates it, and the other
// resumes when it ends; an exclusive command cancels every running command first. A command
// started to produce an input for another command carries that command's waiting agents.
//
// The stack takes over the creation reference of the commands it starts and hands it to the
// transaction when they end, so a command outlives the call that ends it.

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ZORGlobalUndoHistory.h"
#include "ZORGuiCommandStackState.h"
#include "ZORTypes.h"
#include "ZORVar.h"

class ZORBaseUnknown;
class ZORDialogAgent;
class ZORStateCommand;

class ZORGuiCommandStack {
 public:
  enum class Mode { Shared, Exclusive };
  // How a command ended, for its undo point: its work kept (a cancel that asked no undo, or a
  // command finished over others, whose work belongs to theirs), given back (a cancel that
  // asked for it), or finished on its own.
  enum class Ending { Kept, Undone, Finished };
  // Taken when a command starts and called once when it ends. A finished command's point
  // answers the document's states before and after it, for the global undo history; the others
  // answer nothing.
  using UndoPoint = std::function<ZORGlobalUndoHistory::DocumentStates(Ending ending)>;
  using UndoPointMaker = std::function<UndoPoint()>;
  using Creator = std::function<ZORStateCommand*()>;

  static ZORGuiCommandStack* Instance();

  // Builds the command's graph, activates it (first activation) and enters its first state.
  HRESULT StartCommand(ZORStateCommand* command, Mode mode = Mode::Shared,
                       std::vector<ZORDialogAgent*> waitingAgents = {});
  // Creates the command with `creator` and starts it; what the creation changes in the
  // document belongs to the command (undo at end gives it back too).
  HRESULT StartCommand(const Creator& creator, Mode mode = Mode::Shared,
                       std::vector<ZORDialogAgent*> waitingAgents = {});
  // The command ended normally (OK, or its state machine reached the end). Commands started
  // over it keep running in its place (its OK may have started them); the command below
  // resumes only when the completed command was the current one.
  void CompleteCommand(ZORStateCommand* command);
  // The command is cancelled: Cancel with `cancelType`, undo when it asked for it, then the
  // command below resumes.
  void CancelCommand(ZORStateCommand* command, int cancelType = 1);
  // Cancels every running command, top first, as the user's cancel does, so that each gives
  // back what it changed: what another command, or the end of a session, interrupts is given up.
  void CancelAll();

  ZORStateCommand* GetCurrentCommand() const;
  const std::vector<ZORGuiCommandStackState>& GiveStateList() const { return states_; }
  // The objects of the running commands, bottom first: the current editor's part, then each
  // command's object (commands without one are skipped).
  std::vector<ZORBaseUnknown_var> GiveFullStack() const;
  // The agents of the command waiting for the input that the current command produces.
  std::vector<ZORDialogAgent*> GetWaitingAgents() const;

  // Commands created by name.
  void RegisterCommand(const std::string& name, Creator creator);
  ZORStateCommand* CreateCommand(const std::string& name) const;
  //! The names commands may be created by, in alphabetical order.
  std::vector<std::string> GetCommandNames() const;

  // How the document takes an undo point; without one, undo at end changes nothing and global
  // undo has only the commands' records.
  void SetUndoPointMaker(UndoPointMaker maker) { undoMaker_ = std::move(maker); }

 private:
  struct Entry;
  // The command's place from the bottom; the stack's size when it is not there.
  std::size_t IndexOf(const ZORStateCommand* command) const;
  Entry* Find(const ZORStateCommand* command);
  // Takes the command's entry out of the stack, wherever it stands, and answers its undo point.
  UndoPoint Remove(const ZORStateCommand* command);
  HRESULT Start(ZORStateCommand* command, Mode mode, std::vector<ZORDialogAgent*> waitingAgents,
                UndoPoint undo);
  void End(ZORStateCommand* command, bool cancelled, int cancelType, bool resumeBelow);
  // A command that ended normally leaves its global undo record, and the document's states
  // around it, to the current editor.
  static void KeepGlobalUndo(ZORStateCommand* command, ZORGlobalUndoHistory::DocumentStates states);

  std::vector<ZORGuiCommandStackState> states_;
  std::vector<std::unique_ptr<Entry>> entries_;
  std::map<std::string, Creator> creators_;
  UndoPointMaker undoMaker_;
};
