#pragma once
//! \class ClassObjectZORWENMultiSelManager
//! The class object of the multi-selection component. It keeps no data; the tie
//! TIEIClassFactoryClassObjectZORWENMultiSelManager gives it as IClassFactory.

#include "ZORBaseUnknown.h"

class ClassObjectZORWENMultiSelManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ClassObjectZORWENMultiSelManager, ZORBaseUnknown, ZORMetaObject::Implementation,
                    "WENUI")

  //! Made by the object modeler when the component's class object is asked for.
  ClassObjectZORWENMultiSelManager() = default;

  //! A new ZORWENMultiSelManager queried for `iid` into `out`; the query's answer.
  //! CLASS_E_NOAGGREGATION, creating nothing, when `outer` is given.
  HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out);
  //! Nothing to lock: the library stays loaded for the session; answers S_OK.
  HRESULT LockServer(int lock);
};
