#pragma once

class ZORCommand;
class ZORStateCommand;

// One running command of the command stack and the command that was running when it started.
class ZORGuiCommandStackState {
 public:
  ZORGuiCommandStackState(ZORStateCommand* command, ZORCommand* calling)
      : command_(command), calling_(calling) {}
  ZORStateCommand* GetCommand() const { return command_; }
  ZORCommand* GetCallingCommand() const { return calling_; }
  void SetCallingCommand(ZORCommand* calling) { calling_ = calling; }

 private:
  ZORStateCommand* command_;
  ZORCommand* calling_;
};
