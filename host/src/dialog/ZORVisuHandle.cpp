#include "ZORVisuHandle.h"

#include "ZORActivate.h"
#include "ZORContext.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgPushItem.h"
#include "ZOREndContext.h"
#include "ZOREndPreactivate.h"
#include "ZORIndexedPointers.h"
#include "ZORPreactivate.h"

namespace {

// What the viewer offers on anything shown: reframing on the shown or highlighted objects.
ZORVar<ZORDlgContextualMenu> NewViewerMenu(ZORCommand* father) {
  auto menu = ZORVar<ZORDlgContextualMenu>::Adopt(new ZORDlgContextualMenu(nullptr, "CxtMenu"));
  menu->SetFather(father);
  for (const char* entry : {"ZORAfrReframeOnPSOHdr", "ReframeOnHSO"}) {
    new ZORDlgPushItem(menu.get(), entry);
  }
  return menu;
}

unsigned long NextCreationRank() {
  static unsigned long made = 0;
  return ++made;
}

// The ends of the chain of live handles, oldest first, so that the pointer walks handles by
// rank without sorting them; and the chain as a list, made again when first read after a change.
struct LiveHandles {
  ZORVisuHandle* oldest = nullptr;
  ZORVisuHandle* newest = nullptr;
  std::vector<ZORVisuHandle*> listed;
  bool changed = false;
};

LiveHandles& Live() {
  static LiveHandles live;
  return live;
}

// Few at a time: moving away from them must not visit every handle.
ZORIndexedPointers<ZORVisuHandle>& Preactivated() {
  static ZORIndexedPointers<ZORVisuHandle> preactivated;
  return preactivated;
}

}  // namespace

ZORVisuHandle::ZORVisuHandle(ZORCommand* father, const ZORString& name)
    : ZORCommand(father, name), creationRank_(NextCreationRank()) {
  LiveHandles& live = Live();
  olderLive_ = live.newest;
  (olderLive_ ? olderLive_->newerLive_ : live.oldest) = this;
  live.newest = this;
  live.changed = true;
}

namespace {

template <class N>
ZORNotification* Made(ZORVar<ZORNotification>& slot) {
  if (!slot) slot = ZORMake<N>();
  return slot.get();
}

}  // namespace

ZORNotification* ZORVisuHandle::GetPreactivateNotification() const {
  return Made<ZORPreactivate>(preactivate_);
}

ZORNotification* ZORVisuHandle::GetEndPreactivateNotification() const {
  return Made<ZOREndPreactivate>(endPreactivate_);
}

ZORNotification* ZORVisuHandle::GetActivateNotification() const {
  return Made<ZORActivate>(activate_);
}

ZORNotification* ZORVisuHandle::GetContextNotification() const {
  return Made<ZORContext>(context_);
}

ZORNotification* ZORVisuHandle::GetEndContextNotification() const {
  return Made<ZOREndContext>(endContext_);
}

ZORVisuHandle::~ZORVisuHandle() {
  LiveHandles& live = Live();
  (olderLive_ ? olderLive_->newerLive_ : live.oldest) = newerLive_;
  (newerLive_ ? newerLive_->olderLive_ : live.newest) = olderLive_;
  live.changed = true;
  if (preactivated_) Preactivated().Remove(this);
}

const std::vector<ZORVisuHandle*>& ZORVisuHandle::GetLiveHandles() {
  LiveHandles& live = Live();
  if (!live.changed) return live.listed;
  live.listed.clear();
  for (ZORVisuHandle* handle = live.oldest; handle; handle = handle->newerLive_) {
    live.listed.push_back(handle);
  }
  live.changed = false;
  return live.listed;
}

const std::vector<ZORVisuHandle*>& ZORVisuHandle::GetPreactivatedHandles() {
  return Preactivated().Items();
}

bool ZORVisuHandle::MoveOver() {
  if (!IsPickable()) return false;
  if (preactivated_) return true;
  preactivated_ = true;
  Preactivated().Add(this);
  Send(GetPreactivateNotification());
  return true;
}

bool ZORVisuHandle::MoveAway() {
  if (!preactivated_) return false;
  preactivated_ = false;
  Preactivated().Remove(this);
  Send(GetEndPreactivateNotification());
  return true;
}

bool ZORVisuHandle::Click() {
  if (!IsPickable() || !MoveOver()) return false;
  Send(GetActivateNotification());
  return true;
}

bool ZORVisuHandle::ContextOn(const std::string& item) {
  if (!IsPickable() || !MoveOver()) return false;
  ZORVar<ZORVisuHandle> alive(this);
  ZORVar<ZORDlgContextualMenu> menu = NewViewerMenu(this);
  menu_ = menu.get();
  // The notification carries the menu only while it is delivered.
  ZORNotification* context = GetContextNotification();
  context->SendObject(menu.get());
  Send(context);
  context->SendObject(nullptr);
  bool done = item.empty();
  if (menu->Open() && !item.empty()) done = menu->ChooseItem(ZORString(item));
  menu->CloseMenu();
  Send(GetEndContextNotification());
  return done;
}

ZORDlgContextualMenu* ZORVisuHandle::GetContextualMenu() const {
  return dynamic_cast<ZORDlgContextualMenu*>(menu_.get());
}

void ZORVisuHandle::Send(ZORNotification* notification) {
  ZORVar<ZORVisuHandle> alive(this);
  SendNotification(this, notification);
}
