#pragma once
// Feature services the plug-in calls by name: display name, update, up-to-date test, removal,
// replacement of one feature by another in the links of its users, shape-body membership,
// group inputs and the disposal of picked BRep features.

#include "ZORUnicodeString.h"
#include "ZORVar.h"

class ZORGmoUtilitiesServices {
 public:
  // Empty for null or for an object that is not a feature.
  static ZORUnicodeString GetSpecDisplayName(const ZORBaseUnknown_var& feature);
  // 0 for null or for an object that is not a feature.
  static int IsUpToDate(const ZORBaseUnknown_var& feature);
  // The feature's own update (see ZORISpecObject::Update); E_FAIL for a non-feature.
  static HRESULT Update(const ZORBaseUnknown_var& feature);
  // Takes the feature out of the model (LifeCycleObject::remove).
  static HRESULT Remove(const ZORBaseUnknown_var& feature);
  // Every input link that names `replaced` names `kept` instead, and those users go out of
  // date. Replacing a feature by itself makes its users out of date. E_FAIL when a link cannot
  // move (another document, or `kept` uses the user). `mode` is not used.
  static HRESULT Replace(const ZORBaseUnknown_var& replaced, const ZORBaseUnknown_var& kept,
                         int mode = 0);
  // Whether a shape body is among the feature's fathers (0 for a non-feature).
  static int IsFeatureInShapeBody(const ZORBaseUnknown_var& feature);
  // Marks the feature as an input of a group of results. E_FAIL for a non-feature.
  static HRESULT ManageAsGroupInput(const ZORBaseUnknown_var& feature);
  // Disposes of the BRep feature a pick made: takes it out of the model unless a feature still
  // points to it (then S_FALSE). E_FAIL for anything but a BRep feature.
  static HRESULT RemoveBRep(const ZORBaseUnknown_var& feature);
  // Old contextual features are flagged contextual but stand in a tool (or the part) rather
  // than under the feature they were made for; converted, they are ordinary features of their
  // tool. `converted` (when given) receives how many were. E_FAIL when `part` is not a part.
  static HRESULT ConvertOldContextualFeatures(const ZORBaseUnknown_var& part,
                                              int* converted = nullptr);
};
