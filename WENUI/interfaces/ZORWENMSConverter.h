#pragma once
//! \class ZORWENMSConverter
//! The conversion of multi-selected inputs into real features, shared by the command's
//! multi-selection manager and the multi-selection component: for each input (or pair of
//! inputs) the matrix feature takes them, is copied, and the copy joins the multi-selection
//! feature as a real feature.

#include "ZORISpecObject.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelFactory.h"
#include "ZORListValZORISpecObject_var.h"

class ZORWENMSConverter {
 public:
  //! One copy of `matrix` per item of `inputs1`, paired with the item of `inputs2` at the same
  //! position when `inputs2` is not empty. The copies stand together ahead of the other children
  //! of `multiSel`, in input order, and own their inputs that are BRep features or children of
  //! the matrix (link role strWENCompo). E_FAIL, before anything is copied, for a missing
  //! feature or for lists of different lengths; E_FAIL after the loop when a copy failed (the
  //! others are made).
  static HRESULT ConvertToRealFeatures(const ZORIWENMultiSel_var& multiSel,
                                       const ZORISpecObject_var& matrix,
                                       const ZORListValZORISpecObject_var& inputs1,
                                       const ZORListValZORISpecObject_var& inputs2);

  //! A feature made singly that is edited in multi-selection mode: a new multi-selection
  //! feature from `factory` takes its place under its father and holds it as its first result.
  //! Null when the feature has no father or nothing could be created.
  static ZORIWENMultiSel_var ReplacePlainFeature(const ZORIWENMultiSelFactory_var& factory,
                                                 const ZORISpecObject_var& plain);

 private:
  //! The copy's inputs that it must own are linked to it.
  static void OwnInputs(const ZORISpecObject_var& copy, const ZORISpecObject_var& matrix,
                        const ZORISpecObject_var& input1, const ZORISpecObject_var& input2);
  //! 1-based position of the first child of `multiSel` that is not a real feature (count + 1
  //! when every child is one).
  static int FirstPlainChildPosition(const ZORIWENMultiSel_var& multiSel);
};
