#pragma once
// The feature types known to the host, by name. The host's own types are registered on first
// use; later areas register theirs the same way.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ZORFeatureType.h"
#include "ZORPointerMap.h"

class ZORFeatureTypeRegistry {
 public:
  static ZORFeatureTypeRegistry& Get();

  // Answers false (and keeps the registered type) when the name is taken.
  bool Register(ZORFeatureType::Description description);
  ZORFeatureType* Find(const std::string& name) const;
  // Whether `type` is `base` or derives from it through the registered base types.
  bool IsSubTypeOf(const std::string& type, const std::string& base) const;
  // The same for a registered type, walking from type to type rather than looking names up.
  bool IsSubTypeOf(const ZORFeatureType& type, std::string_view base) const;
  // Forgets every failure and warning rule of every type (tests end with it).
  void ClearAllFailures();

 private:
  ZORFeatureTypeRegistry();
  // The registered base type of `type`; null when it has none or it is not registered yet.
  const ZORFeatureType* BaseOf(const ZORFeatureType& type) const;

  std::map<std::string, std::unique_ptr<ZORFeatureType>, std::less<>> types_;
  // Each type's base, found once: a registered type is never replaced nor removed.
  mutable ZORPointerMap<const ZORFeatureType, const ZORFeatureType*> bases_;
};
