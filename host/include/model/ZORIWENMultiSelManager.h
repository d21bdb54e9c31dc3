#pragma once
// What the host's multi-selection machinery asks of a plug-in, outside a running command:
// create a multi-selection feature around a feature, validate it, turn inputs into real
// features and check the results. A plug-in serves it as the component of class
// CLSID_ZORWENMultiSelManagerComponent, created through its class object (IClassFactory).
//
// Every operation answers an HRESULT (S_OK, E_FAIL).

#include "ZORIEdit.h"
#include "ZORIWENFactory.h"
#include "ZORIWENMultiSel.h"
#include "ZORListValZORISpecObject_var.h"

class ZORIWENMultiSelManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENMultiSelManager)

  // A multi-selection feature for `feature` into `multiSel`: the feature itself when it is one,
  // a new one in its place in the tree when it is a plain feature, a new fatherless one when no
  // feature is given. The factory's container gives the multi-selection factory.
  virtual HRESULT InitializeMS(const ZORIWENFactory_var& factory, const ZORISpecObject_var& feature,
                               ZORIWENMultiSel_var& multiSel) = 0;
  // Ends the edition of the multi-selection feature; a single result takes its place.
  virtual HRESULT ValidateMS(ZORIWENMultiSel_var& multiSel) = 0;
  // One copy of `matrix` per item of `inputs1` (paired with `inputs2` when that list is not
  // empty), each a new real feature of `multiSel`. Both lists are emptied.
  virtual HRESULT DuplicateObjectsMS(ZORIWENMultiSel_var& multiSel,
                                     const ZORISpecObject_var& matrix,
                                     ZORListValZORISpecObject_var& inputs1,
                                     ZORListValZORISpecObject_var& inputs2) = 0;
  // Makes the real features of the virtual entries and removes those of withdrawn entries.
  virtual HRESULT InstanciateObjectMS(ZORIWENMultiSel_var& multiSel,
                                      const ZORISpecObject_var& matrix) = 0;
  // Checks that the results of the multi-selection `feature` are distinct.
  virtual HRESULT CheckMultiSelCoherency(const ZORBaseUnknown_var& object, ZORIEdit_var& editor,
                                         ZORISpecObject_var& feature) = 0;
};

ZOR_DEFINE_IID(ZORIWENMultiSelManager);
using ZORIWENMultiSelManager_var = ZORVar<ZORIWENMultiSelManager>;

// The class of the plug-in component that implements ZORIWENMultiSelManager.
inline constexpr CLSID CLSID_ZORWENMultiSelManagerComponent =
    ZORMakeGUID("ZORWENMultiSelManagerComponent");
