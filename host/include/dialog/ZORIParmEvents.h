#pragma once
// The change events of a knowledge parameter. A subscriber is a command: its subscription is
// dropped when it goes, so no change is ever delivered to a destroyed subscriber, and ending
// a subscription twice is harmless. Each change of value is delivered once to each
// subscription, in the order they were made, with a ZORCkeParmNotification.

#include <functional>

#include "ZORCommand.h"

// (event name, the parameter (its ZORBaseUnknown*), the notification, client data, 0)
using ZORParmEventMethod =
    std::function<void(const char* event, void* parameter, ZORNotification*, void* data, long)>;

class ZORIParmEvents : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIParmEvents)

  //! Name of the value-change event given to callbacks.
  static const char* ValueChangeEvent() { return "ZORCkeParmValueChanged"; }

  //! Subscribes `subscriber`'s `method` to value changes; 0 for a null subscriber or method.
  virtual ZORCallback SubscribeToValueChange(ZORCommand* subscriber, ZORParmEventMethod method,
                                             void* data) = 0;
  //! Ends a subscription of `subscriber`; an ended or unknown one is ignored.
  virtual void UnsubscribeFromValueChange(ZORCommand* subscriber, ZORCallback subscription) = 0;

  //! The same for a member function of a command class.
  template <class C>
  ZORCallback SubscribeToValueChange(C* subscriber,
                                     void (C::*method)(const char*, void*, ZORNotification*, void*,
                                                       long),
                                     void* data) {
    return SubscribeToValueChange(
        subscriber,
        [subscriber, method](const char* e, void* p, ZORNotification* n, void* d, long id) {
          (subscriber->*method)(e, p, n, d, id);
        },
        data);
  }
};

ZOR_DEFINE_IID(ZORIParmEvents);
using ZORIParmEvents_var = ZORVar<ZORIParmEvents>;
