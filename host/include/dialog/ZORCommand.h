#pragma once
// Commands form a tree through their fathers. A notification sent to a command travels from it
// up the father chain to the first command that analyses it: one that subscribed a callback for
// (sender, notification), or whose AnalyseNotification takes it. Widgets, dialogs, agents and
// state commands are all commands.

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "ZORBaseUnknown.h"
#include "ZORIndexedPointers.h"
#include "ZORNotification.h"
#include "ZORPointerMap.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"

class ZORCommand;

// Client data of a callback; an integer selecting a case travels as ZORIntData(n).
using ZORCallbackData = void*;
inline ZORCallbackData ZORIntData(std::intptr_t n) {
  return reinterpret_cast<void*>(n);
}
inline std::intptr_t ZORDataInt(ZORCallbackData data) {
  return reinterpret_cast<std::intptr_t>(data);
}

using ZORCallbackMethod =
    std::function<void(ZORCommand* sender, ZORNotification*, ZORCallbackData)>;
// Handle of a subscription; 0 is no subscription.
using ZORCallback = std::uint64_t;

// The host's 64-bit command mode.
using ZORCommandMode = std::int64_t;

class ZORCommand : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORCommand, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  explicit ZORCommand(ZORCommand* father = nullptr, const ZORString& name = ZORString());
  ~ZORCommand() override;
  ZORCommand(const ZORCommand&) = delete;
  ZORCommand& operator=(const ZORCommand&) = delete;

  ZORCommand* GetFather() const { return father_; }
  // A father that would close a loop is refused (answers false, nothing changes).
  bool SetFather(ZORCommand* father);
  const ZORString& GetName() const { return name_; }
  void SetName(const ZORString& name) { name_ = name; }
  //! The commands whose father this is, in the order they were attached.
  const std::vector<ZORCommand*>& GetChildren() const;

  // Lifecycle hooks the host calls; 0 is the host's "done" result.
  virtual int Activate(ZORCommand* caller, ZORNotification* notification);
  virtual int Desactivate(ZORCommand* caller, ZORNotification* notification);
  virtual int Cancel(ZORCommand* caller, ZORNotification* notification);

  // Sends `notification` from this command to `target`, which passes it up its father chain.
  // Answers whether some command analysed it.
  bool SendNotification(ZORCommand* target, ZORNotification* notification);

  // Subscriptions of this command to notifications sent by `sender` (null: any sender), either
  // one notification instance or every notification of a class.
  ZORCallback AddAnalyseNotificationCB(ZORCommand* sender, ZORNotification* notification,
                                       ZORCallbackMethod method, ZORCallbackData data);
  ZORCallback AddAnalyseNotificationCB(ZORCommand* sender, const char* notificationClass,
                                       ZORCallbackMethod method, ZORCallbackData data);
  // The same for a member function of a class derived from ZORCommand, called on this command.
  template <class C, class N>
  ZORCallback AddAnalyseNotificationCB(ZORCommand* sender, N notification,
                                       void (C::*method)(ZORCommand*, ZORNotification*,
                                                         ZORCallbackData),
                                       ZORCallbackData data) {
    static_assert(sizeof(method) == sizeof(MemberBytes));
    static_cast<void>(static_cast<C*>(this));  // C must derive from ZORCommand
    MemberBytes bytes{};
    std::memcpy(bytes.data(), &method, sizeof(method));
    const MemberCall call{&CallMember<C>, bytes};
    if constexpr (std::is_convertible_v<N, ZORNotification*>) {
      return Subscribe(sender, notification, nullptr, ZORCallbackMethod(), call, data);
    } else {
      return Subscribe(sender, nullptr, notification, ZORCallbackMethod(), call, data);
    }
  }
  void RemoveAnalyseNotificationCB(ZORCallback callback);
  // Fires every subscription of every command to `notification` from this command (named as
  // sender, or any sender), in the order they were made, whatever the father chain: what a
  // publisher with many subscribers sends. Answers how many fired.
  int BroadcastNotification(ZORNotification* notification);
  // Removes every subscription of this command to `sender` (null: all of them).
  void RemoveAnalyseNotificationCBs(ZORCommand* sender = nullptr);

  // Hands the owner's reference to the host, which releases it when the current transaction
  // ends (after the call in progress has returned). A second request does nothing.
  virtual void RequestDelayedDestruction();
  bool IsDestructionRequested() const { return destructionRequested_; }

  // Resource files of this command's class, by level: by default the class's own name at level
  // 0 and its bases' deeper; empty when there is no further file.
  virtual ZORString GetResourceFilename(int level) const;
  // The first non-empty text of `key` in the resource files, level by level; empty when none.
  ZORUnicodeString GetResourceText(const ZORString& key, const ZORUnicodeString* params = nullptr,
                                   int paramCount = 0) const;

 protected:
  // Called when a notification reaches this command and no subscription of it matched.
  // Answers whether the command took it; by default it passes on to the father.
  virtual bool AnalyseNotification(ZORCommand* sender, ZORNotification* notification);
  // Called by RequestDelayedDestruction before the reference is handed over, so that an owner
  // can let go of this command.
  virtual void OnDestructionRequested() {}
  void AttachChild(ZORCommand* child);
  void DetachChild(ZORCommand* child);

 private:
  // A member function kept as its bytes with what calls it back on the listener: unlike a
  // capturing function object, it needs no heap block of its own.
  using MemberBytes = std::array<unsigned char, sizeof(void (ZORCommand::*)())>;
  struct MemberCall {
    void (*call)(ZORCommand* listener, const MemberBytes& method, ZORCommand* sender,
                 ZORNotification* notification, ZORCallbackData data);
    MemberBytes method;
  };
  template <class C>
  static void CallMember(ZORCommand* listener, const MemberBytes& bytes, ZORCommand* sender,
                         ZORNotification* notification, ZORCallbackData data) {
    void (C::*method)(ZORCommand*, ZORNotification*, ZORCallbackData) = nullptr;
    std::memcpy(&method, bytes.data(), sizeof(method));
    (static_cast<C*>(listener)->*method)(sender, notification, data);
  }
  // Keeps a subscription to one notification instance or to a class (the other null), called
  // through `method` or `member`; answers its id, 0 when it names nothing or calls nothing.
  ZORCallback Subscribe(ZORCommand* sender, ZORNotification* instance,
                        const char* notificationClass, ZORCallbackMethod method, MemberCall member,
                        ZORCallbackData data);

  // One thing this command hears (a sender, a notification, a call); defined beside its code.
  struct Subscription;
  // Fires this command's subscriptions matching (sender, notification); answers how many.
  int FireSubscriptions(ZORCommand* sender, ZORNotification* notification);
  // Calls subscription `id` of `listener` when both are still there; answers whether it fired.
  static bool FireOne(ZORCommand* listener, ZORCallback id, ZORCommand* sender,
                      ZORNotification* notification);
  // Counts one subscription more or less of `listener` naming `sender` (null: any sender).
  static void CountListener(ZORCommand* sender, ZORCommand* listener, int delta);
  // Forgets this command's subscriptions that `drop` selects.
  template <class Drop>
  void ForgetSubscriptions(Drop drop);

  ZORCommand* father_ = nullptr;
  ZORString name_;
  // Not owned: the tree links only. Indexed, so that detaching n children of one father stays
  // linear.
  ZORIndexedPointers<ZORCommand> children_;
  // Held by the command, not in a table of all commands nor in a block of their own: making
  // and destroying one touches only its own memory. The subscriptions this command made, and,
  // for those naming it as sender, the listeners with their counts.
  std::vector<Subscription> heard_;
  ZORPointerMap<ZORCommand, int, 2> listeners_;
  bool destructionRequested_ = false;
};
