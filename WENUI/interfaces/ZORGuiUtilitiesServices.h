#pragma once
//! \class ZORGuiUtilitiesServices
//! Static services used throughout the library: the current part and factories, comparisons of
//! features by their geometry, dimension of a result, show and pick state of a feature outside a
//! command, removal of features, contextual features' visibility, the in-work object, naming
//! helpers, and the check of the results of a multi-output feature. None keeps state.

#include "ZORGeoFactory.h"
#include "ZORIGSOFactory.h"
#include "ZORISpecObject.h"
#include "ZORIWENFactory.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORShowAttribut.h"
#include "ZORUnicodeString.h"

class ZORGuiUtilitiesServices {
 public:
  static ZORVar<ZORGeoFactory> GetCurrentGeoFactory();
  static ZORISpecObject_var GetCurrentPart();
  static ZORIWENFactory_var GetCurrentWENFactory();
  static ZORIGSOFactory_var GetCurrentGSOFactory();

  static HRESULT Remove(const ZORISpecObject_var& feature);
  static int IsInfinite(const ZORISpecObject_var& feature);
  static int IsSame(const ZORISpecObject_var& feature1, const ZORISpecObject_var& feature2);
  static int IsSame(const ZORISpecObject_var& feature, const ZORListValZORISpecObject_var& list);
  static int IsLinked(const ZORISpecObject_var& feature1, const ZORISpecObject_var& feature2);
  static int IsLinkedBySupport(const ZORISpecObject_var& feature1,
                               const ZORISpecObject_var& feature2);
  static int GetDimension(const ZORISpecObject_var& feature);

  static int ZORWENUIIsInNoShow(const ZORISpecObject_var& feature);
  static HRESULT Hide(const ZORISpecObject_var& feature) { return HideShowService(feature, 0); }
  static HRESULT Show(const ZORISpecObject_var& feature) { return HideShowService(feature, 1); }
  static HRESULT HideShowService(const ZORISpecObject_var& feature, char show);
  static HRESULT ZORWENUINoShowParent(const ZORISpecObject_var& feature) { return Hide(feature); }
  static int ZORWENUIIsInNoPick(const ZORISpecObject_var& feature);

  //! Checks that the results of a multi-output feature are distinct before they are kept:
  //! children with a missing input are reported (and removed when the user says so), duplicates
  //! are replaced by the result they repeat.
  static HRESULT CheckMultioutput(const ZORBaseUnknown_var& command, ZORISpecObject_var& feature);
  static HRESULT RemoveIfNotAggregated(const ZORISpecObject_var& feature);
  static int ManageContextualFeatureVisu(const ZORISpecObject_var& feature, ZORShowAttribut show);
  static int DefineInWorkObject(const ZORISpecObject_var& feature);
  static int RemoveTrailingSpacesColon(ZORUnicodeString& text);
  static HRESULT ParamAutoNumbering(ZORListValZORISpecObject_var& parameters,
                                    ZORISpecObject_var& parameter);
};
