#pragma once
// The component base of the object modeler. Every host and plug-in object is one: reference
// counted, queried for interfaces, described by a meta-object and extensible through the
// interface dictionary by its late type.
//
// Interfaces derive virtually from ZORBaseUnknown, so a component that implements several of
// them still has one reference count and one identity.

#include <string>

#include "ZORMetaObject.h"
#include "ZORTypes.h"

class ZORBaseUnknown {
 public:
  static const ZORMetaObject* MetaObject();
  virtual const ZORMetaObject* GetMetaObject() const;
  static const char* ClassName() { return "ZORBaseUnknown"; }
  static const ZORGUID& ClassId() { return MetaObject()->ClassId(); }
  static const IID& ClassIID() { return ClassId(); }
  static ZORBaseUnknown* CreateItself() { return nullptr; }

  // A new component holds one reference, owned by whoever created it.
  ZORBaseUnknown() = default;
  ZORBaseUnknown(const ZORBaseUnknown&) : ZORBaseUnknown() {}
  ZORBaseUnknown& operator=(const ZORBaseUnknown&) { return *this; }
  virtual ~ZORBaseUnknown();

  virtual ULONG AddRef();
  virtual ULONG Release();
  virtual ULONG GetRefCount() const { return refs_; }

  // On success *out holds a new reference on the interface; otherwise it is null.
  virtual HRESULT QueryInterface(const IID& iid, void** out);

  // The component this object answers for: itself, or the extended object for an extension.
  virtual ZORBaseUnknown* GetImpl() { return this; }

  const char* IsA() const { return GetMetaObject()->ClassName(); }
  int IsAKindOf(const char* className) const { return GetMetaObject()->IsAKindOf(className); }

  // The late type names this component in the interface dictionary; by default its class name.
  std::string GetLateType() const;
  void SetLateType(const std::string& lateType);

 protected:
  // Counts one reference less in `count` and deletes the component at the last; for a component
  // that keeps its count elsewhere.
  ULONG ReleaseCount(ULONG& count);

  // Answers `iid` with one of the listed interfaces of `self`, adding a reference.
  template <class... Interfaces, class Self>
  static bool AnswerWith(Self* self, const IID& iid, void** out) {
    return ((iid == Interfaces::ClassIID()
                 ? (*out = static_cast<Interfaces*>(self), self->AddRef(), true)
                 : false) ||
            ...);
  }

 private:
  HRESULT QueryExtension(const IID& iid, void** out);

  ULONG refs_ = 1;
  // What few components have, a late type and extensions (owned), kept apart and allocated on
  // first need: every object of a large document stays small.
  struct Rare;
  Rare* rare_ = nullptr;
  Rare& GetRare();
};

// Components give their own interfaces first and let the base answer the rest.
#define ZOR_IMPLEMENTS(Base, ...)                               \
 public:                                                        \
  HRESULT QueryInterface(const IID& iid, void** out) override { \
    if (AnswerWith<__VA_ARGS__>(this, iid, out)) return S_OK;   \
    return Base::QueryInterface(iid, out);                      \
  }

// Same object, whichever interfaces the two pointers were taken on.
bool ZORIsSameObject(ZORBaseUnknown* a, ZORBaseUnknown* b);

using IUnknown = ZORBaseUnknown;
inline constexpr IID IID_IUnknown = ZORMakeGUID("ZORBaseUnknown");
