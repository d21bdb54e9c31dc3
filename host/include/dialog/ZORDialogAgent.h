#pragma once
// A dialog agent waits for one input of a state command: it is valued when a given sender sends
// a given notification (instance or class), or when a value is offered to it (TryValue). Its
// state command then evaluates the transitions of the current state. InitializeAcquisition
// re-arms it for the next input. Agents are never looked up by name: two may share one.

#include <functional>
#include <string>
#include <vector>

#include "ZORCommand.h"
#include "ZORPathElement.h"
#include "ZORVar.h"

class ZORCommandGlobalUndo;
class ZORStateCommand;

class ZORDialogAgent : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORDialogAgent, ZORCommand, ZORMetaObject::Implementation, "System")

  // A filter refuses a value by answering false; it gets the agent and its client data.
  using Filter = std::function<bool(ZORDialogAgent* agent, ZORCallbackData data)>;

  explicit ZORDialogAgent(const ZORString& name = ZORString(), int behavior = 0);
  ~ZORDialogAgent() override;

  // Values the agent when `sender` (null: any sender) sends `notification`, or a notification
  // of the class `notificationClass`. Several may be given.
  void AcceptOnNotify(ZORCommand* sender, ZORNotification* notification);
  void AcceptOnNotify(ZORCommand* sender, const char* notificationClass);

  bool IsOutputSet() const { return outputSet_; }
  // Clears the value and the output, so that the agent waits for a new input.
  virtual void InitializeAcquisition();

  // The value of the last valuation: the object sent with the notification, or the
  // notification itself, or the value offered to TryValue/SetValue.
  ZORBaseUnknown* GetValue() const { return value_.get(); }
  ZORNotification* GetValuatingNotification() const { return notification_.get(); }

  // Values the agent with `value` when its filter accepts it; answers whether it did.
  virtual bool TryValue(ZORBaseUnknown* value);
  // Values the agent with what `path` designates; agents that keep pick paths keep the path.
  virtual bool TryValue(const ZORPathElement& path) { return TryValue(path.GetLeaf().get()); }
  // Values the agent with `value` without filtering.
  void SetValue(ZORBaseUnknown* value);
  // Marks the agent valued with the value it holds and tells its owner; nothing when it is
  // valued already (a value set by TryValue or SetValue has done so).
  void SetValuation();

  template <class C>
  void SetFilter(bool (C::*method)(ZORDialogAgent*, ZORCallbackData), C* target,
                 ZORCallbackData data) {
    SetFilter(
        [target, method](ZORDialogAgent* a, ZORCallbackData d) { return (target->*method)(a, d); },
        data);
  }
  void SetFilter(Filter filter, ZORCallbackData data);

  int GetBehavior() const { return behavior_; }
  void SetBehavior(int behavior) { behavior_ = behavior; }
  // Visibility of what the agent shows (2 shown, 4 hidden).
  int GetVisibility() const { return visibility_; }
  virtual void SetVisibility(int visibility) { visibility_ = visibility; }

  // The state command whose states hold this agent (set by the state command).
  ZORStateCommand* GetOwner() const { return owner_; }
  void SetOwner(ZORStateCommand* owner) { owner_ = owner; }

  // What the host keeps of a finished command for a later global undo and redo; the caller
  // owns what it gets. None here.
  virtual ZORCommandGlobalUndo* GetGlobalUndo() { return nullptr; }

  // Whether (sender, notification) is one this agent waits for; if so the agent is valued.
  virtual bool Accept(ZORCommand* sender, ZORNotification* notification);

 protected:
  bool AnalyseNotification(ZORCommand* sender, ZORNotification* notification) override;
  // Records the valuation and tells the owner.
  void Valuate(ZORBaseUnknown* value, ZORNotification* notification);
  // Whether the filter (if any) accepts a valuation now.
  bool PassesFilter() { return !filter_ || filter_(this, filterData_); }

 private:
  struct Trigger {
    ZORCommand* sender;
    ZORNotification* instance;
    std::string notificationClass;
  };

  std::vector<Trigger> triggers_;
  ZORBaseUnknown_var value_;
  ZORVar<ZORNotification> notification_;
  bool outputSet_ = false;
  Filter filter_;
  ZORCallbackData filterData_ = nullptr;
  int behavior_;
  int visibility_ = 2;
  ZORStateCommand* owner_ = nullptr;
};
