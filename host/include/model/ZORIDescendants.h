#pragma once
// The ordered children of a part, a tool or any feature that holds others, by 1-based position.

#include "ZORListValZORISpecObject_var.h"

class ZORIDescendants : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIDescendants)

  virtual int GetNumberOfChildren() = 0;
  // The child at `position` (1..count); null outside that range.
  virtual ZORISpecObject_var GetChildAtPosition(int position) = 0;
  // The position of `child` among the children; 0 when it is not one of them.
  virtual int GetPosition(const ZORISpecObject_var& child) = 0;
  virtual void GetDirectChildren(ZORListValZORISpecObject_var& children) = 0;
  // Inserts `child` so that it stands at `position` (1..count+1; 0 appends). A child that has a
  // father is moved. Refused (E_FAIL) for an ancestor of this feature, a feature of another
  // document, or one that cannot live under this father; E_INVALIDARG for a bad position.
  virtual HRESULT AddChild(const ZORISpecObject_var& child, int position = 0) = 0;
  // Takes the child out of the tree; it stays in the document without a father.
  virtual HRESULT RemoveChild(const ZORISpecObject_var& child) = 0;
  virtual HRESULT RemoveChildAtPosition(int position) = 0;
  // `newChild` takes the place of `oldChild`, which is left without a father.
  virtual HRESULT ReplaceChild(const ZORISpecObject_var& oldChild,
                               const ZORISpecObject_var& newChild) = 0;
  // Whether `object` is a child of this feature, or a child of a child, and so on.
  virtual int IsDescendant(const ZORBaseUnknown_var& object) = 0;
};

ZOR_DEFINE_IID(ZORIDescendants);
using ZORIDescendants_var = ZORVar<ZORIDescendants>;
