#pragma once
// A feature of the document: its place in the tree, its name and type, and its update.

#include "ZORString.h"
#include "ZORUnicodeString.h"
#include "ZORVar.h"

class ZORISpecObject : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORISpecObject)

  // The father in the feature tree; null for the part and for a feature not inserted.
  virtual ZORVar<ZORISpecObject> GetFather() = 0;
  // The name unique in its part ("Point.1").
  virtual ZORUnicodeString GetDisplayName() = 0;
  // The feature type name, which is also the late type ("WENIntersect").
  virtual ZORString GetType() = 0;
  // Whether the type is `typeName` or derives from it.
  virtual int IsSubTypeOf(const char* typeName) = 0;
  // Recomputes the feature from its inputs when it is not up to date. A failure is recorded as
  // the feature's update error; it raises a copy of that error inside a protected section and
  // answers E_FAIL outside one.
  virtual HRESULT Update() = 0;
  virtual int IsUpToDate() = 0;
  // The container the feature belongs to (it offers ZORIPrtContainer); null once its document
  // is gone.
  virtual ZORBaseUnknown_var GetFeatContainer() = 0;
  // The implementation object: the source of constraint events and datum changes.
  virtual ZORBaseUnknown_var GetImplementation() = 0;
};

ZOR_DEFINE_IID(ZORISpecObject);
using ZORISpecObject_var = ZORVar<ZORISpecObject>;
