#pragma once
// The agent that acquires features picked in the 3D view or the tree. A pick is a path from the
// part down to what was picked: the picked feature, then the element of it under the mouse (its
// result body for a pick in the view), so that the father of the path's leaf is the feature.
//
// A candidate path goes through PrecheckPath (the ordered acquisition types and ExtraCheckPath),
// then the agent's filter. Accepted paths are the agent's values, a ZORSO that is also its
// value as a dialog agent, and are highlighted in the current editor. The agent keeps one path,
// or adds every accepted path under the behaviour kMultiAcquisition.

#include <vector>

#include "ZORDialogAgent.h"
#include "ZORISpecObject.h"
#include "ZORPathElement.h"
#include "ZORSO.h"

class ZORWENUIFeatureAgent : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(ZORWENUIFeatureAgent, ZORDialogAgent, ZORMetaObject::Implementation, "Dialog")

  // What a condition found the picked element to be.
  enum ZORWENUIGeometricType : int { NoGeometricType = 0, Point = 1, Line = 2, Axis = 3 };
  // Behaviour bit: every accepted path is added to the values instead of replacing them.
  static constexpr int kMultiAcquisition = 0x100000;
  // The filter word of the ordered acquisitions when none is given.
  static constexpr unsigned long kDefaultAcquisitionFilter = 2048;

  // `typeName` is the first acquisition type (none when empty); `command` is the command the
  // agent works for (a link, not a reference).
  explicit ZORWENUIFeatureAgent(const ZORString& name = ZORString(),
                                const ZORString& typeName = ZORString(), int behavior = 0,
                                unsigned long filterFlags = 0,
                                const ZORBaseUnknown_var& command = nullptr,
                                int implicitSelectionMode = 0, int connexSelectionMode = 0);

  // The path a pick of `feature` in the 3D view gives: the feature's path in its document,
  // then its result body. Unset for an object that is not a feature in a document tree, or a
  // feature without a result.
  static ZORPathElement GivePickPath(ZORBaseUnknown* feature);

  // --- ordered acquisition: the types a path must show, in order of preference ---
  // Type names are interfaces ("ZORIMfPoint"), classes ("ZORBody") or feature types
  // ("WENPoint"). With no type, any path passes.
  std::vector<ZORString> GetOrderedTypeList() const;
  void AddOrderedElementType(const ZORString& type, unsigned long flags = 0,
                             unsigned long filter = kDefaultAcquisitionFilter);
  // Inserts `type` before `before`; appends it and answers false when `before` is not listed.
  bool InsertOrderedElementType(const ZORString& type, const ZORString& before);
  void AddOrderedPointAcquisition(unsigned long flags = 0,
                                  unsigned long filter = kDefaultAcquisitionFilter);
  void AddOrderedLineAcquisition(unsigned long flags = 0,
                                 unsigned long filter = kDefaultAcquisitionFilter);
  void AddOrderedPlaneAcquisition(unsigned long flags = 0,
                                  unsigned long filter = kDefaultAcquisitionFilter);
  void ClearOrderedTypeList() { types_.clear(); }

  // --- acquisition ---
  // `path` when it may be acquired, null otherwise. The agent may change the path it returns
  // (drop a sub-element); it never takes it over.
  virtual ZORPathElement* PrecheckPath(ZORPathElement* path);
  // A last check of a candidate path by concrete agents; accepts by default.
  virtual bool ExtraCheckPath(ZORPathElement* path, int mode);
  // Offers a picked path: prechecked, filtered, then kept as a value. Answers whether the
  // agent was valued. Passes "ZORWENUIFeatureAgent::TryValue" first.
  bool TryValue(const ZORPathElement& path);
  // A feature offered directly is offered as its pick path; anything else is refused.
  bool TryValue(ZORBaseUnknown* value) override;
  // The accepted paths, in order (never null).
  virtual ZORSO* GetListOfValues();
  // The first accepted path; null when nothing was picked.
  const ZORPathElement* GetValuePath() const;
  // Takes the values out of the current editor's highlighted set.
  void RemoveFromHSO();
  // Forgets the values, the feature and the geometric type, for a new pick.
  void InitializeAcquisition() override;

  // --- what conditions record about the pick ---
  const ZORISpecObject_var& GetFeature() const { return feature_; }
  void SetFeature(const ZORISpecObject_var& feature) { feature_ = feature; }
  int GetGeometricType() const { return geometricType_; }
  void SetGeometricType(int type) { geometricType_ = type; }

  int GetAgentBehavior() const { return GetBehavior(); }
  void SetAgentBehavior(int behavior) { SetBehavior(behavior); }
  unsigned long GetFilterFlags() const { return filterFlags_; }
  int GetImplicitSelectionMode() const { return implicitSelection_; }
  int GetConnexSelectionMode() const { return connexSelection_; }
  ZORBaseUnknown* GetCommandObject() const { return command_; }

 private:
  struct Acquisition {
    ZORString type;
    unsigned long flags;
    unsigned long filter;
  };
  static bool IsOfType(ZORBaseUnknown* object, const ZORString& type);
  bool HasAcquisitionType(const ZORPathElement& path) const;
  // Makes `path` a value (after the current ones, or instead of them); false on failure.
  bool Keep(const ZORPathElement& path);

  std::vector<Acquisition> types_;
  unsigned long filterFlags_;
  ZORBaseUnknown* command_;
  int implicitSelection_;
  int connexSelection_;
  ZORSO_var values_;
  ZORISpecObject_var feature_;
  int geometricType_ = NoGeometricType;
};
