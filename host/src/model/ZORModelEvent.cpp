#include "ZORModelEvent.h"

#include "ZORISpecObject.h"

std::string ZORModelEvent::Describe() const {
  std::string line = std::string(IsA()) + " " + NameOf(object_);
  const std::string details = Details();
  if (!details.empty()) line += " " + details;
  return line;
}

std::string ZORModelEvent::NameOf(const ZORBaseUnknown_var& object) {
  if (!object) return "null";
  ZORISpecObject_var specObject(object);
  return specObject ? specObject->GetDisplayName().str() : std::string(object->IsA());
}
