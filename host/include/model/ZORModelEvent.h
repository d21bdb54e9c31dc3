#pragma once
// The base of the events that tell the viewer about model changes. Events are components: the
// sender creates one (ZORMake) and dispatches it through the feature's ZORIModelEvents; the
// event log keeps its own reference.

#include <string>

#include "ZORVar.h"

class ZORModelEvent : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORModelEvent, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  explicit ZORModelEvent(ZORBaseUnknown_var object = nullptr) : object_(std::move(object)) {}

  // The object the event is about.
  const ZORBaseUnknown_var& GetObject() const { return object_; }

  // One stable line: the event class, the object's display name, then the event's details.
  std::string Describe() const;

  // An object's display name, its class name when it is not a feature, "null" for none.
  static std::string NameOf(const ZORBaseUnknown_var& object);

 protected:
  virtual std::string Details() const { return ""; }

 private:
  ZORBaseUnknown_var object_;
};

using ZORModelEvent_var = ZORVar<ZORModelEvent>;
