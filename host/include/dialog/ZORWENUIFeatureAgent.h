#pragma once
// The agent that acquires features picked in the 3D view or the tree. A pick is a path from the
// part down to what was picked: the picked feature, then the element of it under the mouse (its
// result body for a pick in the view), so that the father of the path's leaf is the feature.
//
// A candidate path goes through PrecheckPath (the ordered acquisition types and ExtraCheckPath),
// then the agent's filter; a path ending at a cell shows the types of the cell's geometry and of
// its BRep feature. An accepted pick is imported (a cell becomes its BRep feature, see
// ZORFeatureImportAgent), and its element is the agent's element value. Accepted paths are the
// agent's values, a ZORSO that is also its value as a dialog agent, and are highlighted in the
// current editor. The agent keeps one path, or adds every accepted path under the behaviour
// kMultiAcquisition.
//
// Every valuation (an accepted pick, or a value set with its type) is recorded: the valuation
// index counts those in effect, UndoValue and RedoValue walk back and forth among them, and a
// new valuation after an undo forgets the ones undone. Agents that create the feature they
// give (on the fly, as the user clicks in space) keep it as their on-the-fly feature.

#include <vector>

#include "ZORFeatureImportAgent.h"
#include "ZORISpecObject.h"
#include "ZORPathElement.h"
#include "ZORSO.h"
#include "ZORUnicodeString.h"

class ZORCell;

class ZORWENUIFeatureAgent : public ZORFeatureImportAgent {
  ZOR_DECLARE_CLASS(ZORWENUIFeatureAgent, ZORFeatureImportAgent, ZORMetaObject::Implementation,
                    "Dialog")

  // What a condition found the picked element to be.
  enum ZORWENUIGeometricType : int { NoGeometricType = 0, Point = 1, Line = 2, Axis = 3 };
  // Behaviour bit: every accepted path is added to the values instead of replacing them.
  static constexpr int kMultiAcquisition = 0x100000;
  // The filter word of the ordered acquisitions when none is given.
  static constexpr unsigned long kDefaultAcquisitionFilter = 2048;
  // Behaviour bit: the agent remembers the last feature it created on the fly.
  static constexpr int kKeepLastCreated = 0x20000;

  // `typeName` is the first acquisition type (none when empty); `command` is the command the
  // agent works for (a link, not a reference).
  explicit ZORWENUIFeatureAgent(const ZORString& name = ZORString(),
                                const ZORString& typeName = ZORString(), int behavior = 0,
                                unsigned long filterFlags = 0,
                                const ZORBaseUnknown_var& command = nullptr,
                                int implicitSelectionMode = 0, int connexSelectionMode = 0);
  // The form agents of feature commands are built with: the title of the undo step a valuation
  // makes, and whether features made on the fly are contextual.
  ZORWENUIFeatureAgent(const ZORString& name, const ZORUnicodeString& undoTitle, int behavior,
                       unsigned long filterFlags, const ZORBaseUnknown_var& command,
                       int implicitSelectionMode, int connexSelectionMode,
                       int contextualCreationMode);

  // Whether a notification comes from a visualization handle or a 3D manipulator: a drag or a
  // hover, never a pick.
  static bool IsSentByHandle(const ZORCommand* sender);

  // The path a pick of `feature` in the 3D view gives: the feature's path in its document,
  // then its result body. Unset for an object that is not a feature in a document tree, or a
  // feature without a result.
  static ZORPathElement GivePickPath(ZORBaseUnknown* feature);

  //! Whether `object` answers `type`: an interface, a class or a feature type, as the ordered
  //! acquisition reads them; a cell answers the types of its geometry and of its BRep feature.
  static bool IsOfType(ZORBaseUnknown* object, const ZORString& type);
  //! The part of `path` from its top down to the first object that answers `type`; unset when
  //! none does.
  static ZORPathElement SearchSubPath(const ZORPathElement& path, const ZORString& type);

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
  bool TryValue(const ZORPathElement& path) override;
  // A feature offered directly is offered as its pick path; anything else is refused.
  bool TryValue(ZORBaseUnknown* value) override;
  // The accepted paths, in order (never null).
  virtual ZORSO* GetListOfValues();
  // The first accepted path; null when nothing was picked.
  const ZORPathElement* GetValuePath() const;
  // Takes the values out of the current editor's highlighted set.
  void RemoveFromHSO();
  // Forgets the values, for a new pick. The recorded valuations stay, for undo, and so do the
  // feature and geometric type a condition recorded: the transition's action reads them after
  // the condition re-armed the agent.
  void InitializeAcquisition() override;

  // --- notifications ---
  // Turns a notification into a selected value: a feature sent with it (a pick) is offered as
  // TryValue does. Answers non-zero when the agent was valued. Notifications sent by handles
  // and manipulators are not decoded.
  virtual int DecodeNotification(ZORCommand* sender, ZORNotification* notification);
  // The agent's triggers first, then DecodeNotification.
  bool Accept(ZORCommand* sender, ZORNotification* notification) override;

  // --- valuations ---
  // Makes `path` the one value, of the given value type ("ZORIMfPoint"), without filtering, and
  // values the agent. Answers false, changing nothing, for an unset path.
  using ZORDialogAgent::SetValue;
  bool SetValue(const ZORPathElement& path, const ZORString& valueType);
  // The value type given with the value in effect; empty for a pick.
  const ZORString& GetValueType() const { return valueType_; }
  // How many valuations are in effect (0 before the first, or after undoing them all).
  int GetValuationIndex() const { return index_; }
  int GetNumberOfValuations() const { return static_cast<int>(history_.size()); }
  // How many values each valuation in effect added: one entry per pick of a multi-acquisition,
  // a single entry for a one-value agent. Agents that set their value themselves reset it.
  const std::vector<int>& GetListOfValuationCounts() const { return counts_; }
  void SetListOfValuationCounts(std::vector<int> counts) { counts_ = std::move(counts); }
  // Back to the values of the previous valuation (none before the first); answers 1 when there
  // was a valuation to undo, 0 otherwise. RedoValue gives back the next one undone.
  virtual int UndoValue();
  virtual int RedoValue();

  // The feature the agent made on the fly for its value (null when none).
  virtual void SetOTFFeature(const ZORISpecObject_var& feature) { otf_ = feature; }
  const ZORISpecObject_var& GetOTFFeature() const { return otf_; }

  const ZORUnicodeString& GetUndoTitle() const { return undoTitle_; }
  int GetContextualCreationMode() const { return contextualCreation_; }

  // --- what conditions record about the pick ---
  const ZORISpecObject_var& GetFeature() const { return feature_; }
  void SetFeature(const ZORISpecObject_var& feature) { feature_ = feature; }
  int GetGeometricType() const { return geometricType_; }
  void SetGeometricType(int type) { geometricType_ = type; }

  unsigned long GetFilterFlags() const { return filterFlags_; }
  int GetImplicitSelectionMode() const { return implicitSelection_; }
  int GetConnexSelectionMode() const { return connexSelection_; }
  ZORBaseUnknown* GetCommandObject() const { return command_; }

 protected:
  // A new valuation now stands at `index` (the valuation index); those that stood after it are
  // forgotten. Called before the agent tells its command it is valued.
  virtual void OnValuationRecorded(int /*index*/) {}

 private:
  struct Acquisition {
    ZORString type;
    unsigned long flags;
    unsigned long filter;
  };
  struct Valuation {
    std::vector<ZORPathElement> values;
    ZORString valueType;
  };
  static bool IsCellOfType(const ZORCell& cell, const ZORString& type, const IID& iid);
  bool HasAcquisitionType(const ZORPathElement& path) const;
  // Makes `path` a value (after the current ones, or instead of them); false on failure.
  bool Keep(const ZORPathElement& path);
  // Makes `paths` the values, highlighted instead of the former ones.
  void ReplaceValues(const std::vector<ZORPathElement>& paths);
  // Records the values in effect as a new valuation, forgetting those undone.
  void Record();
  // Puts back the values of the first `index` valuations.
  void Restore(int index);

  std::vector<Acquisition> types_;
  unsigned long filterFlags_;
  ZORBaseUnknown* command_;
  int implicitSelection_;
  int connexSelection_;
  ZORSO_var values_;
  ZORISpecObject_var feature_;
  int geometricType_ = NoGeometricType;
  ZORUnicodeString undoTitle_;
  int contextualCreation_ = 0;
  ZORString valueType_;
  std::vector<Valuation> history_;
  int index_ = 0;
  std::vector<int> counts_;
  ZORISpecObject_var otf_;
};
