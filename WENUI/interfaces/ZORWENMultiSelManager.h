#pragma once
//! \class ZORWENMultiSelManager
//! The multi-selection component: the steps of the command's multi-selection manager offered to
//! the host's multi-selection machinery over a multi-selection feature it hands in. Created
//! through its class object (ClassObjectZORWENMultiSelManager); it keeps no data.

#include "ZORIWENMultiSelFactory.h"
#include "ZORIWENMultiSelManager.h"
#include "ZORShowAttribut.h"

class ZORWENMultiSelManager : public virtual ZORBaseUnknown, public ZORIWENMultiSelManager {
  ZOR_DECLARE_CLASS(ZORWENMultiSelManager, ZORBaseUnknown, ZORMetaObject::Implementation, "WENUI")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORIWENMultiSelManager)

  //! Made through the class object; keeps no data.
  ZORWENMultiSelManager() = default;

  //! Gives the multi-selection to work on in `multiSel`: a new one for a null `feature`, `feature`
  //! itself when it is one, or a new one put in the place of a plain `feature`; makes its tool
  //! public and shows its children's contextual features. E_FAIL without a factory.
  HRESULT InitializeMS(const ZORIWENFactory_var& factory, const ZORISpecObject_var& feature,
                       ZORIWENMultiSel_var& multiSel) override;
  //! A single result stands in the multi-selection feature's place, which leaves the model.
  //! Answers E_FAIL in every case, as the manager's validation does: callers go on.
  HRESULT ValidateMS(ZORIWENMultiSel_var& multiSel) override;
  //! E_FAIL, with nothing copied, for a null feature or when `inputs2` is not empty and its
  //! length differs from that of `inputs1`. Both lists are emptied whatever happens.
  HRESULT DuplicateObjectsMS(ZORIWENMultiSel_var& multiSel, const ZORISpecObject_var& matrix,
                             ZORListValZORISpecObject_var& inputs1,
                             ZORListValZORISpecObject_var& inputs2) override;
  //! Drops the previews, makes one real feature per virtual entry (DuplicateObjectsMS) and removes
  //! the features the multi-selection marked for removal; answers DuplicateObjectsMS's result.
  HRESULT InstanciateObjectMS(ZORIWENMultiSel_var& multiSel,
                              const ZORISpecObject_var& matrix) override;
  //! ZORGuiUtilitiesServices::CheckMultioutput on `feature`; `editor` is unused.
  HRESULT CheckMultiSelCoherency(const ZORBaseUnknown_var& object, ZORIEdit_var& editor,
                                 ZORISpecObject_var& feature) override;

 private:
  //! The single result R takes the multi-selection feature's place under its father.
  static void CollapseOnSingleResult(const ZORIWENMultiSel_var& multiSel);
  static void KeepAsMultiSel(const ZORIWENMultiSel_var& multiSel);
  //! The contextual features of each child of `multiSel` get `show`.
  static void ManageChildrenContextualVisu(const ZORIWENMultiSel_var& multiSel,
                                           ZORShowAttribut show);
};
