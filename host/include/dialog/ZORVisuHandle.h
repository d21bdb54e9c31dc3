#pragma once
// A handle the user works in a viewer: pointing at it preactivates it, moving away ends the
// preactivation, clicking activates it, a right click asks for its contextual menu. Each sends
// its notification (one instance of each, made at construction) from the handle up its father
// chain. A notification sent by a handle is the user working the handle, never a pick of the
// model.
//
// A contextual request makes a fresh menu with the viewer's own entries ("ZORAfrReframeOnPSOHdr",
// "ReframeOnHSO") and sends the context notification carrying it as its sent object, so that the
// listeners add their items (ZORDlgContextualMenu::CarriedBy reads it); the menu then opens, the
// user chooses or leaves, and the end-of-context notification follows.

#include <string>
#include <vector>

#include "ZORCommand.h"
#include "ZORVar.h"

class ZORDlgContextualMenu;

// ZORPreactivate, ZOREndPreactivate, ZORActivate, ZORContext and ZOREndContext are the
// notifications it sends.

class ZORVisuHandle : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORVisuHandle, ZORCommand, ZORMetaObject::Implementation, "Visualization")

  explicit ZORVisuHandle(ZORCommand* father = nullptr, const ZORString& name = ZORString());
  ~ZORVisuHandle() override;

  ZORNotification* GetPreactivateNotification() const;
  ZORNotification* GetEndPreactivateNotification() const;
  ZORNotification* GetActivateNotification() const;
  ZORNotification* GetContextNotification() const;
  ZORNotification* GetEndContextNotification() const;

  // Whether the user can point at the handle (not once its destruction was requested).
  virtual bool IsPickable() const { return !IsDestructionRequested(); }
  bool IsPreactivated() const { return preactivated_; }
  //! Rises with each handle made: what orders handles by creation.
  unsigned long GetCreationRank() const { return creationRank_; }
  //! The live handles, oldest first.
  static const std::vector<ZORVisuHandle*>& GetLiveHandles();
  //! The handles the pointer is over now, the first pointed first.
  static const std::vector<ZORVisuHandle*>& GetPreactivatedHandles();

  // The pointer comes over the handle: preactivates it (once). False when it cannot be pointed.
  bool MoveOver();
  // The pointer leaves the handle: ends the preactivation. False when it was not preactivated.
  bool MoveAway();
  // A click: preactivates the handle when needed, then activates it. False when it cannot be
  // pointed.
  bool Click();
  //! The contextual request (the pointer comes over the handle first), then the item named
  //! `item` chosen in the menu, or none when empty. False when the handle cannot be pointed or
  //! the item cannot be chosen (the menu was shown and left then).
  bool ContextOn(const std::string& item = std::string());
  //! The menu of the last contextual request; null before the first.
  ZORDlgContextualMenu* GetContextualMenu() const;

 private:
  // Sends `notification` from the handle, which stays alive while it is delivered.
  void Send(ZORNotification* notification);

  unsigned long creationRank_;
  // The live handles are chained in creation order through the handles themselves: making or
  // destroying one touches no table of all handles.
  ZORVisuHandle* olderLive_ = nullptr;
  ZORVisuHandle* newerLive_ = nullptr;
  // Made when first asked for: most handles are never hovered, clicked or asked for a menu.
  mutable ZORVar<ZORNotification> preactivate_;
  mutable ZORVar<ZORNotification> endPreactivate_;
  mutable ZORVar<ZORNotification> activate_;
  mutable ZORVar<ZORNotification> context_;
  mutable ZORVar<ZORNotification> endContext_;
  ZORVar<ZORBaseUnknown> menu_;  // the last contextual menu, owned
  bool preactivated_ = false;
};
