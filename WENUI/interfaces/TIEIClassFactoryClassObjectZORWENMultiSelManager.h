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

  //! Made by the object modeler when the class object is queried for IClassFactory.
  TIEIClassFactoryClassObjectZORWENMultiSelManager() = default;

  //! The class object's CreateInstance; E_FAIL, with `out` nulled, when the extended object is
  //! not that class object.
  HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) override;
  //! The class object's LockServer; E_FAIL when the extended object is not that class object.
  HRESULT LockServer(int lock) override;
};
