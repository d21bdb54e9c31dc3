#include "ZORCommand.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "ZORMsgCatalog.h"
#include "ZORPointerMap.h"
#include "ZORTransaction.h"
#include "ZORVar.h"

struct ZORCommand::Subscription {
  ZORCallback id;
  ZORCommand* sender;             // null: any sender
  ZORNotification* instance;      // compared, never used: null for a class subscription
  const char* notificationClass;  // interned; null for an instance subscription
  std::variant<MemberCall, ZORCallbackMethod> call;  // a member function, else a function object
  ZORCallbackData data;

  bool Matches(ZORCommand* from, ZORNotification* notification) const {
    if (sender && sender != from) return false;
    if (instance) return instance == notification;
    return notification->IsAKindOf(notificationClass);
  }
};

namespace {

// Listeners, each with how many of its subscriptions name one sender. Most senders are heard by
// one or two listeners.
using ListenerCounts = ZORPointerMap<ZORCommand, int, 2>;

// Notification class names, each kept once for the life of the process: a subscription holds a
// pointer, not a copy.
class ClassNames {
 public:
  const char* Intern(std::string_view name) {
    auto it = names_.find(name);
    if (it == names_.end()) it = names_.emplace(name).first;
    return it->c_str();
  }

 private:
  std::set<std::string, std::less<>> names_;
};

// What no single command holds: the ids, the listeners to any sender, and the commands that
// went away while notifications were being delivered, whose addresses a delivery in progress
// may still hold and must not follow.
struct Dispatch {
  ZORCallback nextId = 1;
  ListenerCounts listenersOfAny;
  int depth = 0;
  ZORPointerMap<ZORCommand, char> gone;
  ClassNames classNames;
};

Dispatch& Dispatcher() {
  static Dispatch dispatch;
  return dispatch;
}

// Marks a delivery in progress; the last to end forgets who went away meanwhile.
class Delivering {
 public:
  Delivering() { ++Dispatcher().depth; }
  ~Delivering() {
    Dispatch& d = Dispatcher();
    if (--d.depth == 0) d.gone.Clear();
  }
  Delivering(const Delivering&) = delete;
  Delivering& operator=(const Delivering&) = delete;
};

constexpr int kMaxResourceLevels = 64;

}  // namespace

void ZORCommand::CountListener(ZORCommand* sender, ZORCommand* listener, int delta) {
  static_assert(std::is_same_v<decltype(listeners_), ListenerCounts>);
  ListenerCounts& listeners = sender ? sender->listeners_ : Dispatcher().listenersOfAny;
  int& count = listeners[listener];
  if ((count += delta) <= 0) listeners.Erase(listener);
}

ZORCommand::ZORCommand(ZORCommand* father, const ZORString& name) : name_(name) {
  // A command born where one went away during a delivery is not the one gone.
  if (Dispatch& d = Dispatcher(); d.depth > 0) d.gone.Erase(this);
  SetFather(father);
}

ZORCommand::~ZORCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  // Listeners still naming this command forget it; each is alive, or it would have forgotten
  // its subscriptions when it went.
  listeners_.ForEach([this](ZORCommand* listener, int) {
    std::erase_if(listener->heard_, [this](const Subscription& s) { return s.sender == this; });
  });
  if (Dispatch& d = Dispatcher(); d.depth > 0) d.gone.TryEmplace(this, 0);
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

// Callbacks may subscribe, unsubscribe or destroy commands, so callers collect ids first and
// come back here for each.
bool ZORCommand::FireOne(ZORCommand* listener, ZORCallback id, ZORCommand* sender,
                         ZORNotification* notification) {
  if (Dispatcher().gone.Contains(listener)) return false;
  const auto& heard = listener->heard_;
  const auto sub =
      std::find_if(heard.begin(), heard.end(), [id](const Subscription& s) { return s.id == id; });
  if (sub == heard.end()) return false;
  // The subscription may go while it runs.
  const ZORCallbackData data = sub->data;
  if (const MemberCall* member = std::get_if<MemberCall>(&sub->call)) {
    const MemberCall call = *member;
    call.call(listener, call.method, sender, notification, data);
    return true;
  }
  ZORCallbackMethod method = std::get<ZORCallbackMethod>(sub->call);
  method(sender, notification, data);
  return true;
}

int ZORCommand::FireSubscriptions(ZORCommand* sender, ZORNotification* notification) {
  std::vector<ZORCallback> matching;
  for (const Subscription& s : heard_) {
    if (s.Matches(sender, notification)) matching.push_back(s.id);
  }
  if (matching.empty()) return 0;
  const Delivering delivering;
  int fired = 0;
  for (ZORCallback id : matching) fired += FireOne(this, id, sender, notification) ? 1 : 0;
  return fired;
}

int ZORCommand::BroadcastNotification(ZORNotification* notification) {
  if (!notification) return 0;
  ZORVar<ZORNotification> keep(notification);
  ZORVar<ZORCommand> self(this);
  // The listeners that may hear this command, each once.
  std::vector<ZORCommand*> listeners;
  const auto collect = [&listeners](ZORCommand* listener, int) { listeners.push_back(listener); };
  listeners_.ForEach(collect);
  Dispatcher().listenersOfAny.ForEach(collect);
  std::sort(listeners.begin(), listeners.end());
  listeners.erase(std::unique(listeners.begin(), listeners.end()), listeners.end());
  std::vector<std::pair<ZORCallback, ZORCommand*>> matching;
  for (ZORCommand* listener : listeners) {
    for (const Subscription& s : listener->heard_) {
      if (s.Matches(this, notification)) matching.emplace_back(s.id, listener);
    }
  }
  // Ids grow with time: subscribers hear in the order they subscribed.
  std::sort(matching.begin(), matching.end());
  const Delivering delivering;
  int fired = 0;
  for (const auto& [id, listener] : matching) {
    fired += FireOne(listener, id, this, notification) ? 1 : 0;
  }
  return fired;
}

ZORCallback ZORCommand::AddAnalyseNotificationCB(ZORCommand* sender, ZORNotification* notification,
                                                 ZORCallbackMethod method, ZORCallbackData data) {
  return Subscribe(sender, notification, nullptr, std::move(method), MemberCall{}, data);
}

ZORCallback ZORCommand::AddAnalyseNotificationCB(ZORCommand* sender, const char* notificationClass,
                                                 ZORCallbackMethod method, ZORCallbackData data) {
  return Subscribe(sender, nullptr, notificationClass, std::move(method), MemberCall{}, data);
}

ZORCallback ZORCommand::Subscribe(ZORCommand* sender, ZORNotification* instance,
                                  const char* notificationClass, ZORCallbackMethod method,
                                  MemberCall member, ZORCallbackData data) {
  const bool names = instance || (notificationClass && *notificationClass);
  if (!names || (!method && !member.call)) return 0;
  const ZORCallback id = Dispatcher().nextId++;
  CountListener(sender, this, 1);
  const char* className = instance ? nullptr : Dispatcher().classNames.Intern(notificationClass);
  Subscription added{id, sender, instance, className, member, data};
  if (!member.call) added.call = std::move(method);
  // A handle's owner hears it activated and asked for a menu: room for both at once.
  if (heard_.capacity() == 0) heard_.reserve(2);
  heard_.push_back(std::move(added));
  return id;
}

template <class Drop>
void ZORCommand::ForgetSubscriptions(Drop drop) {
  std::erase_if(heard_, [&](const Subscription& s) {
    if (!drop(s)) return false;
    // A sender named by a subscription is alive: it takes its listeners' subscriptions with it.
    CountListener(s.sender, this, -1);
    return true;
  });
}

void ZORCommand::RemoveAnalyseNotificationCB(ZORCallback callback) {
  ForgetSubscriptions([callback](const Subscription& s) { return s.id == callback; });
}

void ZORCommand::RemoveAnalyseNotificationCBs(ZORCommand* sender) {
  ForgetSubscriptions([sender](const Subscription& s) { return !sender || s.sender == sender; });
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
