#include "ZORFeatureTypeRegistry.h"

#include "ZORBuiltinFeatureTypes.h"

ZORFeatureTypeRegistry& ZORFeatureTypeRegistry::Get() {
  static ZORFeatureTypeRegistry registry;
  return registry;
}

ZORFeatureTypeRegistry::ZORFeatureTypeRegistry() {
  for (auto& description : ZORBuiltinFeatureTypes()) Register(std::move(description));
}

bool ZORFeatureTypeRegistry::Register(ZORFeatureType::Description description) {
  const std::string name = description.name;
  if (name.empty() || types_.count(name)) return false;
  types_.emplace(name, std::make_unique<ZORFeatureType>(std::move(description)));
  return true;
}

ZORFeatureType* ZORFeatureTypeRegistry::Find(const std::string& name) const {
  auto it = types_.find(name);
  return it == types_.end() ? nullptr : it->second.get();
}

bool ZORFeatureTypeRegistry::IsSubTypeOf(const std::string& type, const std::string& base) const {
  const ZORFeatureType* registered = Find(type);
  return registered ? IsSubTypeOf(*registered, base) : !type.empty() && type == base;
}

bool ZORFeatureTypeRegistry::IsSubTypeOf(const ZORFeatureType& type, std::string_view base) const {
  // Bounded by the number of types, so a base chain that loops cannot hang.
  const ZORFeatureType* current = &type;
  for (std::size_t steps = 0; steps <= types_.size(); ++steps) {
    if (current->GetName() == base) return true;
    const std::string& next = current->GetBaseType();
    if (next.empty()) return false;
    const ZORFeatureType* found = BaseOf(*current);
    if (!found) return next == base;
    current = found;
  }
  return false;
}

const ZORFeatureType* ZORFeatureTypeRegistry::BaseOf(const ZORFeatureType& type) const {
  if (const ZORFeatureType* const* known = bases_.Find(&type)) return *known;
  const ZORFeatureType* base = Find(type.GetBaseType());
  // A base not registered yet is looked for again next time.
  if (base) bases_.TryEmplace(&type, base);
  return base;
}

void ZORFeatureTypeRegistry::ClearAllFailures() {
  for (auto& [name, type] : types_) type->ClearFailures();
}
