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
  //! The geometry factory of the current container; null without a current container.
  static ZORVar<ZORGeoFactory> GetCurrentGeoFactory();
  //! The part of the current container; null without one.
  static ZORISpecObject_var GetCurrentPart();
  //! The factory of the workbench's features in the current container.
  static ZORIWENFactory_var GetCurrentWENFactory();
  //! The current container seen as the factory of geometrical sets; null when it is not one.
  static ZORIGSOFactory_var GetCurrentGSOFactory();

  //! Takes `feature` out of the model, as the modeler's removal does.
  static HRESULT Remove(const ZORISpecObject_var& feature);
  //! 1 when the geometry of `feature` is unbounded (a line, a plane); geometry that cannot be
  //! examined counts as infinite and its error is shown in an error panel.
  static int IsInfinite(const ZORISpecObject_var& feature);
  //! 1 when both are the same feature or one is a selected element related to the other (a face
  //! picked on it, for example); 0 otherwise.
  static int IsSame(const ZORISpecObject_var& feature1, const ZORISpecObject_var& feature2);
  //! 1 when `feature` is the same (as above) as some element of `list`.
  static int IsSame(const ZORISpecObject_var& feature, const ZORListValZORISpecObject_var& list);
  //! 1 when `feature2` is a selected element that designates `feature1`.
  static int IsLinked(const ZORISpecObject_var& feature1, const ZORISpecObject_var& feature2);
  //! 1 when `feature2` designates `feature1` or lies on a support that is the same as
  //! `feature1`; an error while looking counts as no link.
  static int IsLinkedBySupport(const ZORISpecObject_var& feature1,
                               const ZORISpecObject_var& feature2);
  //! 2 for a surface result, 1 for a curve result, the element's dimension for a selected
  //! element, -1 for anything else.
  static int GetDimension(const ZORISpecObject_var& feature);

  //! 1 when `feature` is hidden; 0 when shown or without visual properties.
  static int ZORWENUIIsInNoShow(const ZORISpecObject_var& feature);
  //! Hides `feature` (HideShowService with 0).
  static HRESULT Hide(const ZORISpecObject_var& feature) { return HideShowService(feature, 0); }
  //! Shows `feature` (HideShowService with 1).
  static HRESULT Show(const ZORISpecObject_var& feature) { return HideShowService(feature, 1); }
  //! Sets the show property of `feature` and tells the viewer, only when it changes; E_FAIL
  //! without visual properties.
  static HRESULT HideShowService(const ZORISpecObject_var& feature, char show);
  //! Hides `feature`; kept for commands that hide the parent of their result.
  static HRESULT ZORWENUINoShowParent(const ZORISpecObject_var& feature) { return Hide(feature); }
  //! 1 when `feature` has graphic properties that make it unpickable; 0 otherwise.
  static int ZORWENUIIsInNoPick(const ZORISpecObject_var& feature);

  //! Checks that the results of a multi-output feature are distinct before they are kept:
  //! children with a missing input are reported (and removed when the user says so), duplicates
  //! are replaced by the result they repeat.
  static HRESULT CheckMultioutput(const ZORBaseUnknown_var& command, ZORISpecObject_var& feature);
  //! Removes `feature` when it has no father (a feature made and never inserted); S_OK and
  //! nothing done when it has one, E_FAIL for a null feature.
  static HRESULT RemoveIfNotAggregated(const ZORISpecObject_var& feature);
  //! Gives every contextual child of `feature` the show state `show` and redraws it; answers 0.
  static int ManageContextualFeatureVisu(const ZORISpecObject_var& feature, ZORShowAttribut show);
  //! Makes `feature` the in-work object of the part of its container; answers 0.
  static int DefineInWorkObject(const ZORISpecObject_var& feature);
  //! Strips trailing spaces and then one trailing colon from `text` (a label turned into a name);
  //! answers 0.
  static int RemoveTrailingSpacesColon(ZORUnicodeString& text);
  //! Renames `parameter` to its name followed by "##N##", N one more than the largest number
  //! ending a name of `parameters` after a dot; E_FAIL when it is not a parameter.
  static HRESULT ParamAutoNumbering(ZORListValZORISpecObject_var& parameters,
                                    ZORISpecObject_var& parameter);
};
