#include "ZORCommand.h"

#include <algorithm>
#include <memory_resource>
#include <string>
#include <unordered_map>
#include <vector>

#include "ZORMsgCatalog.h"
#include "ZORTransaction.h"
#include "ZORVar.h"

namespace {

struct Subscription {
  ZORCallback id;
  ZORCommand* sender;             // null: any sender
  ZORNotification* instance;      // compared, never used: null for a class subscription
  std::string notificationClass;  // empty for an instance subscription
  ZORCallbackMethod method;
  ZORCallbackData data;

  bool Matches(ZORCommand* from, ZORNotification* notification) const {
    if (sender && sender != from) return false;
    if (instance) return instance == notification;
    return notification->IsAKindOf(notificationClass.c_str());
  }
};

// Every subscription, by listening command. Beside it, for each sender (null: any sender), the
// listeners with subscriptions naming it and how many: a broadcast and a command going away
// visit only those, however many commands listen to others. Subscriptions come and go with
// every handle and panel, so their nodes and arrays come from one pool, not a heap block each.
struct Registry {
  std::pmr::unsynchronized_pool_resource pool;
  ZORCallback nextId = 1;
  std::pmr::unordered_map<ZORCommand*, std::pmr::vector<Subscription>> byListener{&pool};
  std::pmr::unordered_map<ZORCommand*, std::pmr::unordered_map<ZORCommand*, int>> listenersOf{
      &pool};

  void Count(ZORCommand* sender, ZORCommand* listener, int delta) {
    auto& listeners = listenersOf[sender];
    if ((listeners[listener] += delta) <= 0) listeners.erase(listener);
    if (listeners.empty()) listenersOf.erase(sender);
  }
  // The listeners that may hear `sender`, each once.
  std::vector<ZORCommand*> ListenersOf(ZORCommand* sender) const {
    std::vector<ZORCommand*> listeners;
    for (ZORCommand* key : {sender, static_cast<ZORCommand*>(nullptr)}) {
      const auto it = listenersOf.find(key);
      if (it == listenersOf.end()) continue;
      for (const auto& entry : it->second) listeners.push_back(entry.first);
    }
    std::sort(listeners.begin(), listeners.end());
    listeners.erase(std::unique(listeners.begin(), listeners.end()), listeners.end());
    return listeners;
  }
};

Registry& Subscriptions() {
  static Registry registry;
  return registry;
}

constexpr int kMaxResourceLevels = 64;

}  // namespace

ZORCommand::ZORCommand(ZORCommand* father, const ZORString& name) : name_(name) {
  SetFather(father);
}

ZORCommand::~ZORCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  Registry& r = Subscriptions();
  if (const auto named = r.listenersOf.find(this); named != r.listenersOf.end()) {
    for (const auto& entry : named->second) {
      const auto subs = r.byListener.find(entry.first);
      if (subs == r.byListener.end()) continue;
      std::erase_if(subs->second, [this](const Subscription& s) { return s.sender == this; });
      if (subs->second.empty()) r.byListener.erase(subs);
    }
    r.listenersOf.erase(named);
  }
  for (ZORCommand* child : children_.TakeAll()) child->father_ = nullptr;
  if (father_) father_->DetachChild(this);
}

bool ZORCommand::SetFather(ZORCommand* father) {
  for (ZORCommand* c = father; c; c = c->father_) {
    if (c == this) return false;
  }
  if (father_) father_->DetachChild(this);
  father_ = father;
  if (father_) father_->AttachChild(this);
  return true;
}

const std::vector<ZORCommand*>& ZORCommand::GetChildren() const {
  return children_.Items();
}

void ZORCommand::AttachChild(ZORCommand* child) {
  children_.Add(child);
}

void ZORCommand::DetachChild(ZORCommand* child) {
  children_.Remove(child);
}

int ZORCommand::Activate(ZORCommand*, ZORNotification*) {
  return 0;
}
int ZORCommand::Desactivate(ZORCommand*, ZORNotification*) {
  return 0;
}
int ZORCommand::Cancel(ZORCommand*, ZORNotification*) {
  return 0;
}

bool ZORCommand::SendNotification(ZORCommand* target, ZORNotification* notification) {
  if (!notification) return false;
  // The notification may be handed over for deletion by a callback; keep it for the walk.
  ZORVar<ZORNotification> keep(notification);
  for (ZORCommand* c = target; c;) {
    if (c->FireSubscriptions(this, notification) > 0) return true;
    if (c->AnalyseNotification(this, notification)) return true;
    c = c->father_;
  }
  return false;
}

bool ZORCommand::AnalyseNotification(ZORCommand*, ZORNotification*) {
  return false;
}

namespace {

// Calls subscription `id` of `listener` when it is still there; answers whether it fired.
// Callbacks may subscribe or unsubscribe, so callers collect ids first and come back here.
bool FireOne(ZORCommand* listener, ZORCallback id, ZORCommand* sender,
             ZORNotification* notification) {
  Registry& r = Subscriptions();
  auto found = r.byListener.find(listener);
  if (found == r.byListener.end()) return false;
  auto& subs = found->second;
  auto sub =
      std::find_if(subs.begin(), subs.end(), [id](const Subscription& s) { return s.id == id; });
  if (sub == subs.end()) return false;
  ZORCallbackMethod method = sub->method;  // the subscription may go while it runs
  const ZORCallbackData data = sub->data;
  method(sender, notification, data);
  return true;
}

}  // namespace

int ZORCommand::FireSubscriptions(ZORCommand* sender, ZORNotification* notification) {
  Registry& r = Subscriptions();
  auto it = r.byListener.find(this);
  if (it == r.byListener.end()) return 0;
  std::vector<ZORCallback> matching;
  for (const Subscription& s : it->second) {
    if (s.Matches(sender, notification)) matching.push_back(s.id);
  }
  int fired = 0;
  for (ZORCallback id : matching) fired += FireOne(this, id, sender, notification) ? 1 : 0;
  return fired;
}

int ZORCommand::BroadcastNotification(ZORNotification* notification) {
  if (!notification) return 0;
  ZORVar<ZORNotification> keep(notification);
  ZORVar<ZORCommand> self(this);
  const Registry& r = Subscriptions();
  std::vector<std::pair<ZORCallback, ZORCommand*>> matching;
  for (ZORCommand* listener : r.ListenersOf(this)) {
    const auto subs = r.byListener.find(listener);
    if (subs == r.byListener.end()) continue;
    for (const Subscription& s : subs->second) {
      if (s.Matches(this, notification)) matching.emplace_back(s.id, listener);
    }
  }
  // Ids grow with time: subscribers hear in the order they subscribed.
  std::sort(matching.begin(), matching.end());
  int fired = 0;
  for (const auto& [id, listener] : matching) {
    fired += FireOne(listener, id, this, notification) ? 1 : 0;
  }
  return fired;
}

ZORCallback ZORCommand::AddAnalyseNotificationCB(ZORCommand* sender, ZORNotification* notification,
                                                 ZORCallbackMethod method, ZORCallbackData data) {
  if (!notification || !method) return 0;
  Registry& r = Subscriptions();
  const ZORCallback id = r.nextId++;
  r.byListener[this].push_back({id, sender, notification, std::string(), std::move(method), data});
  r.Count(sender, this, 1);
  return id;
}

ZORCallback ZORCommand::AddAnalyseNotificationCB(ZORCommand* sender, const char* notificationClass,
                                                 ZORCallbackMethod method, ZORCallbackData data) {
  if (!notificationClass || !*notificationClass || !method) return 0;
  Registry& r = Subscriptions();
  const ZORCallback id = r.nextId++;
  r.byListener[this].push_back({id, sender, nullptr, notificationClass, std::move(method), data});
  r.Count(sender, this, 1);
  return id;
}

void ZORCommand::RemoveAnalyseNotificationCB(ZORCallback callback) {
  Registry& r = Subscriptions();
  auto it = r.byListener.find(this);
  if (it == r.byListener.end()) return;
  std::erase_if(it->second, [&](const Subscription& s) {
    if (s.id != callback) return false;
    r.Count(s.sender, this, -1);
    return true;
  });
  if (it->second.empty()) r.byListener.erase(it);
}

void ZORCommand::RemoveAnalyseNotificationCBs(ZORCommand* sender) {
  Registry& r = Subscriptions();
  auto it = r.byListener.find(this);
  if (it == r.byListener.end()) return;
  std::erase_if(it->second, [&](const Subscription& s) {
    if (sender && s.sender != sender) return false;
    r.Count(s.sender, this, -1);
    return true;
  });
  if (it->second.empty()) r.byListener.erase(it);
}

void ZORCommand::RequestDelayedDestruction() {
  if (destructionRequested_) return;
  destructionRequested_ = true;
  OnDestructionRequested();
  ZORTransaction::ReleaseAtEnd(this);
}

ZORString ZORCommand::GetResourceFilename(int level) const {
  return ZORMsgCatalog::ResourceFileOfLevel(GetMetaObject(), level);
}

ZORUnicodeString ZORCommand::GetResourceText(const ZORString& key, const ZORUnicodeString* params,
                                             int paramCount) const {
  for (int level = 0; level < kMaxResourceLevels; ++level) {
    const ZORString file = GetResourceFilename(level);
    if (file.IsEmpty()) break;
    ZORUnicodeString text = ZORMsgCatalog::BuildMessage(file, key, params, paramCount);
    if (!text.IsEmpty()) return text;
  }
  return ZORUnicodeString();
}
