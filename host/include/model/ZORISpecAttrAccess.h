#pragma once
// Attributes and links of a feature. Attributes are named keys with a kind code and a quality
// ("MultiSelMatrixFeature", kind 8, quality 0). A link makes another feature own this one under
// a role (a real feature owns the picked inputs it was built on, under "Component").

#include "ZORListValZORISpecObject_var.h"
#include "ZORSpecAttrKey.h"

class ZORISpecAttrAccess : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORISpecAttrAccess)

  // The key named `name`, null when the feature has no such attribute.
  virtual ZORSpecAttrKey_var GetAttrKey(const char* name) = 0;
  // S_OK; S_FALSE (and the first key stays) when the attribute is there already.
  virtual HRESULT AddAttribute(const char* name, int kind, int quality) = 0;
  virtual HRESULT RemoveAttribute(const char* name) = 0;

  // The feature link operation: `owner` holds this feature under `ownerRole` (`role` names the
  // link on this side; both names are the same in every use). Linking twice records one link.
  // E_FAIL for an owner of another document or for the feature itself.
  virtual HRESULT LinkTo(const char* role, const ZORISpecObject_var& owner,
                         const char* ownerRole) = 0;
  // The features this one holds under `role`, in link order.
  virtual HRESULT GetLinked(const char* role, ZORListValZORISpecObject_var& linked) = 0;
  // The features that really point to this one: those whose inputs name it and those that hold
  // it by a link, in creation order, each once. Its father is not one of them.
  virtual HRESULT ListPointingObjects(ZORListValZORISpecObject_var& pointing) = 0;
};

ZOR_DEFINE_IID(ZORISpecAttrAccess);
using ZORISpecAttrAccess_var = ZORVar<ZORISpecAttrAccess>;
