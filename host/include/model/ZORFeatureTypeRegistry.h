#pragma once
// The feature types known to the host, by name. The host's own types are registered on first
// use; later areas register theirs the same way.

#include <map>
#include <memory>
#include <string>

#include "ZORFeatureType.h"

class ZORFeatureTypeRegistry {
 public:
  static ZORFeatureTypeRegistry& Get();

  // Answers false (and keeps the registered type) when the name is taken.
  bool Register(ZORFeatureType::Description description);
  ZORFeatureType* Find(const std::string& name) const;
  // Whether `type` is `base` or derives from it through the registered base types.
  bool IsSubTypeOf(const std::string& type, const std::string& base) const;
  // Forgets every failure and warning rule of every type (tests end with it).
  void ClearAllFailures();

 private:
  ZORFeatureTypeRegistry();
  std::map<std::string, std::unique_ptr<ZORFeatureType>, std::less<>> types_;
};
