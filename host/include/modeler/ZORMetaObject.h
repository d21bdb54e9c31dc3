#pragma once
// Class descriptions of the object modeler: one meta-object per class, created on the class's
// first use, chained to its base so that IsAKindOf follows the real inheritance.

#include <cstddef>
#include <type_traits>

#include "ZORGUID.h"

class ZORBaseUnknown;

class ZORMetaObject {
 public:
  enum Kind : int {
    Interface = 0,
    Implementation = 1,
    DataExtension = 2,
    CodeExtension = 4,
  };
  using Creator = ZORBaseUnknown* (*)();

  ZORMetaObject(const char* className, int kind, const ZORMetaObject* base, const char* typeName,
                const char* framework, std::size_t instanceSize, Creator creator);
  ZORMetaObject(const ZORMetaObject&) = delete;
  ZORMetaObject& operator=(const ZORMetaObject&) = delete;
  ~ZORMetaObject();

  const char* ClassName() const { return className_; }
  int GetKind() const { return kind_; }
  const ZORMetaObject* GetBase() const { return base_; }
  const char* GetTypeName() const { return typeName_; }
  const char* GetFramework() const { return framework_; }
  std::size_t GetInstanceSize() const { return instanceSize_; }
  const ZORGUID& ClassId() const { return classId_; }

  // True when this class or one of its bases is named `className`.
  bool IsAKindOf(const char* className) const;
  bool IsAKindOf(const ZORMetaObject* other) const;

  // A new instance with one reference owned by the caller, or null for an abstract class or one
  // that cannot be built without arguments.
  ZORBaseUnknown* CreateInstance() const { return creator_ ? creator_() : nullptr; }

  // The meta-object of a class already used in this process, or null.
  static const ZORMetaObject* Find(const char* className);

 private:
  const char* className_;
  int kind_;
  const ZORMetaObject* base_;
  const char* typeName_;
  const char* framework_;
  std::size_t instanceSize_;
  Creator creator_;
  ZORGUID classId_;
};

template <class C>
ZORBaseUnknown* ZORCreatorOf() {
  if constexpr (!std::is_abstract_v<C> && std::is_default_constructible_v<C>) {
    return new C();
  } else {
    return nullptr;
  }
}

// Gives a class its object-modeler members. Put it first in the class body; it leaves the
// access at public.
#define ZOR_DECLARE_CLASS(Class, Base, Kind, Framework)                                     \
 public:                                                                                    \
  static const ZORMetaObject* MetaObject() {                                                \
    static const ZORMetaObject meta(#Class, Kind, Base::MetaObject(), "ZORNull", Framework, \
                                    sizeof(Class), &ZORCreatorOf<Class>);                   \
    return &meta;                                                                           \
  }                                                                                         \
  const ZORMetaObject* GetMetaObject() const override {                                     \
    return MetaObject();                                                                    \
  }                                                                                         \
  static const char* ClassName() {                                                          \
    return #Class;                                                                          \
  }                                                                                         \
  static const ZORGUID& ClassId() {                                                         \
    return MetaObject()->ClassId();                                                         \
  }                                                                                         \
  static ZORBaseUnknown* CreateItself() {                                                   \
    return ZORCreatorOf<Class>();                                                           \
  }                                                                                         \
  /* classes are reached by conversion, never by query */                                   \
  static const IID& ClassIID() = delete;

// Interfaces carry an identifier and a meta-object, but no instance members.
#define ZOR_DECLARE_INTERFACE(InterfaceName)                                              \
 public:                                                                                  \
  static const IID& ClassIID() {                                                          \
    static constexpr IID id = ZORMakeGUID(#InterfaceName);                                \
    return id;                                                                            \
  }                                                                                       \
  static const ZORMetaObject* MetaObject() {                                              \
    static const ZORMetaObject meta(#InterfaceName, ZORMetaObject::Interface,             \
                                    ZORBaseUnknown::MetaObject(), "ZORNull", "System", 0, \
                                    nullptr);                                             \
    return &meta;                                                                         \
  }                                                                                       \
  static const char* ClassName() {                                                        \
    return #InterfaceName;                                                                \
  }

// The global identifier constant that some callers name (IID_ZORIWENMultiSelManager ...).
#define ZOR_DEFINE_IID(Interface) inline constexpr IID IID_##Interface = ZORMakeGUID(#Interface)
