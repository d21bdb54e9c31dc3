#pragma once
// Something in a viewer the user works with the pointer beyond clicking it: comes over it
// (preactivate), clicks it (activate, end of activate), drags it (begin, each step, end of
// manipulate), asks for its contextual menu (context, end of context), double-clicks it (edit,
// end of edit) or carries something dragged over it (pre-drop, end of pre-drop). Each is one
// notification instance, created with the manipulator and sent from it up its father chain, so a
// command subscribes to the instances it cares about.
//
// The creator owns the manipulator and lets go of it with Destroy, which forgets its
// subscriptions and hands it to the transaction: a notification being delivered stays valid.

#include "ZORVisuHandle.h"

class ZORManipulator : public ZORVisuHandle {
  ZOR_DECLARE_CLASS(ZORManipulator, ZORVisuHandle, ZORMetaObject::Implementation, "Visualization")

  explicit ZORManipulator(ZORCommand* father = nullptr, const ZORString& name = ZORString());
  ~ZORManipulator() override;

  //! The notification instances, one per kind, sent again at each event.
  ZORNotification* GetZORPreactivate() const { return GetPreactivateNotification(); }
  ZORNotification* GetZOREndPreactivate() const { return GetEndPreactivateNotification(); }
  ZORNotification* GetZORActivate() const { return GetActivateNotification(); }
  ZORNotification* GetZOREndActivate() const { return endActivate_.get(); }
  ZORNotification* GetZORBeginManipulate() const { return beginManipulate_.get(); }
  ZORNotification* GetZORManipulate() const { return manipulate_.get(); }
  ZORNotification* GetZOREndManipulate() const { return endManipulate_.get(); }
  ZORNotification* GetZORContext() const { return GetContextNotification(); }
  ZORNotification* GetZOREndContext() const { return GetEndContextNotification(); }
  ZORNotification* GetZOREdit() const { return edit_.get(); }
  ZORNotification* GetZOREndEdit() const { return endEdit_.get(); }
  ZORNotification* GetZORMove() const { return move_.get(); }
  ZORNotification* GetZORPreDrop() const { return preDrop_.get(); }
  ZORNotification* GetZOREndPreDrop() const { return endPreDrop_.get(); }

  //! Lets go of the creator's reference: no more notifications, destroyed at transaction end.
  void Destroy();
  //! Whether a drag is in progress.
  bool IsManipulating() const { return manipulating_; }

  //! A click: preactivate when needed, activate, end of activate. False when it cannot be
  //! pointed.
  bool ClickOn();
  //! A double click: edit, then end of edit. False when it cannot be pointed.
  bool EditOn();
  //! The pointer moves over the manipulator: preactivates it the first time, then sends move.
  bool MoveOn();
  //! Something dragged elsewhere is carried over the manipulator, then away or dropped:
  //! pre-drop, then end of pre-drop. False when it cannot be pointed.
  bool CarryOver();

 protected:
  // A drag: begin (preactivating first), each step, end. Subclasses move themselves before
  // each step is sent, so that what receives it reads the new position.
  bool BeginDrag();
  void StepDrag();
  void EndDrag();
  // Sends `notification` from the manipulator, kept alive while it is delivered.
  void Notify(ZORNotification* notification);

 private:
  ZORVar<ZORNotification> endActivate_;
  ZORVar<ZORNotification> beginManipulate_;
  ZORVar<ZORNotification> manipulate_;
  ZORVar<ZORNotification> endManipulate_;
  ZORVar<ZORNotification> edit_;
  ZORVar<ZORNotification> endEdit_;
  ZORVar<ZORNotification> move_;
  ZORVar<ZORNotification> preDrop_;
  ZORVar<ZORNotification> endPreDrop_;
  bool manipulating_ = false;
};
