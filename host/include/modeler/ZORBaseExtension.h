#pragma once
// An extension adds interfaces to components of a late type. It is created once per component,
// lives as long as that component, and answers for it: references, identity and queries of
// interfaces it does not implement itself all go to the extended component.

#include "ZORBaseUnknown.h"

class ZORBaseExtension : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORBaseExtension, ZORBaseUnknown, ZORMetaObject::DataExtension, "System")

  ULONG AddRef() override { return extended_->AddRef(); }
  ULONG Release() override { return extended_->Release(); }
  HRESULT QueryInterface(const IID& iid, void** out) override {
    return extended_->QueryInterface(iid, out);
  }
  ZORBaseUnknown* GetImpl() override { return extended_; }

  // The component this extension belongs to (not a reference: the component owns the extension).
  ZORBaseUnknown* GetExtendedObject() const { return extended_; }
  void SetExtendedObject(ZORBaseUnknown* extended) { extended_ = extended; }

 private:
  ZORBaseUnknown* extended_ = nullptr;
};

template <class Ext>
ZORBaseExtension* ZORExtensionCreator() {
  return new Ext();
}
