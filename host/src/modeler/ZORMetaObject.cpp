#include "ZORMetaObject.h"

#include <cstring>
#include <string>
#include <unordered_map>

namespace {

std::unordered_map<std::string, const ZORMetaObject*>& Registry() {
  static std::unordered_map<std::string, const ZORMetaObject*> registry;
  return registry;
}

}  // namespace

ZORMetaObject::ZORMetaObject(const char* className, int kind, const ZORMetaObject* base,
                             const char* typeName, const char* framework, std::size_t instanceSize,
                             Creator creator)
    : className_(className),
      kind_(kind),
      base_(base),
      typeName_(typeName),
      framework_(framework),
      instanceSize_(instanceSize),
      creator_(creator),
      classId_(ZORMakeGUID(className)) {
  Registry()[className_] = this;
}

ZORMetaObject::~ZORMetaObject() {
  auto& registry = Registry();
  auto it = registry.find(className_);
  if (it != registry.end() && it->second == this) registry.erase(it);
}

bool ZORMetaObject::IsAKindOf(const char* className) const {
  if (!className) return false;
  for (const ZORMetaObject* m = this; m; m = m->base_) {
    if (std::strcmp(m->className_, className) == 0) return true;
  }
  return false;
}

bool ZORMetaObject::IsAKindOf(const ZORMetaObject* other) const {
  return other && IsAKindOf(other->className_);
}

const ZORMetaObject* ZORMetaObject::Find(const char* className) {
  if (!className) return nullptr;
  auto& registry = Registry();
  auto it = registry.find(className);
  return it == registry.end() ? nullptr : it->second;
}
