#pragma once
//! \class ZORWENUIObjectAgent
//! An agent that owns a 3D manipulator and relays what the user does with it to the command.
//! Derived agents supply the representation the manipulator is grabbed by (BuildSpec3DRep,
//! BuildSpec3DOrnamentRep), gathered in a bag under the editor's transformation
//! (BuildSpec3DBagRep); the manipulator is associated with that bag and subscribed once. Each
//! manipulator event writes its name on the trace "WENOBJAGENT"; derived agents override the
//! callbacks to act on them.

#include "ZOR3DBagRep.h"
#include "ZOR3DManipulator.h"
#include "ZORDialogAgent.h"

class ZORWENUIObjectAgent : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(ZORWENUIObjectAgent, ZORDialogAgent, ZORMetaObject::Implementation, "WENUI")

  //! A manipulator of the default style.
  ZORWENUIObjectAgent();
  //! A manipulator of the given style (1 line, 2 plane, 4 rotation) and flag.
  ZORWENUIObjectAgent(int style, int flag);
  //! Destroys the manipulator and drops the bag.
  ~ZORWENUIObjectAgent() override;

  //! Sends `notification` to the father command; the notification is handed to the transaction
  //! in every case, so that it is deleted once delivered (or never sent).
  virtual void Send(ZORNotification* notification);
  //! For derived agents; does nothing here.
  virtual void Initialize();
  //! The first time only: grabs the manipulator by `rep` and subscribes its notifications.
  virtual void AddManip(ZOR3DRep* rep);
  //! The bag made by BuildSpec3DBagRep; null before.
  virtual ZOR3DBagRep* GetBagRep();
  //! The agent's manipulator, owned by the agent.
  virtual ZOR3DManipulator* GetManipulator();

  // The manipulator's notifications, one callback each: here each only writes its name on the
  // trace "WENOBJAGENT"; a derived agent overrides those it acts on.
  //! The pointer came over the manipulator.
  virtual void Preactivate(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The pointer left the manipulator.
  virtual void EndPreactivate(ZORCommand* sender, ZORNotification* notification,
                              ZORCallbackData data);
  //! The manipulator was clicked.
  virtual void ActivateMan(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The click on the manipulator ended.
  virtual void EndActivate(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! A drag of the manipulator started.
  virtual void BeginManipulate(ZORCommand* sender, ZORNotification* notification,
                               ZORCallbackData data);
  //! The manipulator was dragged a step; its notification tells where.
  virtual void Manipulate(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The drag ended.
  virtual void EndManipulate(ZORCommand* sender, ZORNotification* notification,
                             ZORCallbackData data);
  //! The contextual menu was asked on the manipulator.
  virtual void Context(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The contextual menu closed.
  virtual void EndContext(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The manipulator was double-clicked for edition.
  virtual void Edit(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The edition ended.
  virtual void EndEdit(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The pointer moved over the manipulator.
  virtual void Move(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The representation the manipulator is grabbed by; none here (the caller owns it).
  virtual ZOR3DRep* BuildSpec3DRep();
  //! Decorations shown with it; none here (the caller owns them).
  virtual ZOR3DRep* BuildSpec3DOrnamentRep();
  //! A new bag of both, placed by the editor's transformation, kept as the agent's bag and
  //! given to AddManip.
  virtual ZOR3DBagRep* BuildSpec3DBagRep();

 private:
  void Subscribe();

  ZOR3DManipulator* manipulator_ = nullptr;
  bool firstAssociation_ = true;
  ZORVar<ZOR3DBagRep> bag_;
  std::vector<ZORCallback> callbacks_;
};
