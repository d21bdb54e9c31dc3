#pragma once
// A handle the user works in a viewer: pointing at it preactivates it, moving away ends the
// preactivation, clicking activates it. Each sends its notification (one instance of each,
// made at construction) from the handle up its father chain. A notification sent by a handle is
// the user working the handle, never a pick of the model.

#include "ZORCommand.h"
#include "ZORVar.h"

// ZORPreactivate, ZOREndPreactivate and ZORActivate are the notifications it sends.

class ZORVisuHandle : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORVisuHandle, ZORCommand, ZORMetaObject::Implementation, "Visualization")

  explicit ZORVisuHandle(ZORCommand* father = nullptr, const ZORString& name = ZORString());
  ~ZORVisuHandle() override;

  ZORNotification* GetPreactivateNotification() const { return preactivate_.get(); }
  ZORNotification* GetEndPreactivateNotification() const { return endPreactivate_.get(); }
  ZORNotification* GetActivateNotification() const { return activate_.get(); }

  // Whether the user can point at the handle (not once its destruction was requested).
  virtual bool IsPickable() const { return !IsDestructionRequested(); }
  bool IsPreactivated() const { return preactivated_; }

  // The pointer comes over the handle: preactivates it (once). False when it cannot be pointed.
  bool MoveOver();
  // The pointer leaves the handle: ends the preactivation. False when it was not preactivated.
  bool MoveAway();
  // A click: preactivates the handle when needed, then activates it. False when it cannot be
  // pointed.
  bool Click();

 private:
  // Sends `notification` from the handle, which stays alive while it is delivered.
  void Send(ZORNotification* notification);

  ZORVar<ZORNotification> preactivate_;
  ZORVar<ZORNotification> endPreactivate_;
  ZORVar<ZORNotification> activate_;
  bool preactivated_ = false;
};
