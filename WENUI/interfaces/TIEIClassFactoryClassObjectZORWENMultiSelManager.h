#pragma once
//! \class TIEIClassFactoryClassObjectZORWENMultiSelManager
//! Gives the multi-selection component's class object as IClassFactory: an extension of
//! "ClassObjectZORWENMultiSelManager" registered in the interface dictionary that forwards each
//! call to the class object it extends.

#include "IClassFactory.h"
#include "ZORBaseExtension.h"

class TIEIClassFactoryClassObjectZORWENMultiSelManager : public ZORBaseExtension,
                                                         public IClassFactory {
  ZOR_DECLARE_CLASS(TIEIClassFactoryClassObjectZORWENMultiSelManager, ZORBaseExtension,
                    ZORMetaObject::CodeExtension, "WENUI")
  ZOR_IMPLEMENTS(ZORBaseExtension, IClassFactory)

  TIEIClassFactoryClassObjectZORWENMultiSelManager() = default;

  HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) override;
  HRESULT LockServer(int lock) override;
};
