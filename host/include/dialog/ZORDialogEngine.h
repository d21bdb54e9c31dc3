#pragma once
// The dialog engine of an editor, as far as commands reach it: the lock that keeps the
// transactions of a long model change together. Locks nest; each lock wants its unlock.

class ZORDialogEngine {
 public:
  ZORDialogEngine() = default;
  ZORDialogEngine(const ZORDialogEngine&) = delete;
  ZORDialogEngine& operator=(const ZORDialogEngine&) = delete;

  void LockTransactions() {
    ++locks_;
    ++taken_;
  }
  // An unlock without a lock is ignored.
  void UnlockTransactions() {
    if (locks_ > 0) --locks_;
  }
  bool IsTransactionLocked() const { return locks_ > 0; }
  int GetLockDepth() const { return locks_; }
  // How many locks were taken since the engine was made (tests read it).
  int GetLocksTaken() const { return taken_; }

 private:
  int locks_ = 0;
  int taken_ = 0;
};
