#pragma once
// The one component class of the document's features. It implements every feature interface,
// but its QueryInterface answers only those its feature type lists, so a handle taken on a
// feature of a kind that lacks an interface is null. Its late type is its type name, so that
// the interface dictionary can extend features by kind ("WENDirection" ...).
//
// The document creates features (ZORDocument::CreateFeature); the host-side operations below
// are for the host's services, the driver and tests.

#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "LifeCycleObject.h"
#include "ZORFeatureCore.h"
#include "ZORFeatureState.h"
#include "ZORFeatureType.h"
#include "ZORIBasicTool.h"
#include "ZORICkeParm.h"
#include "ZORIDescendants.h"
#include "ZORIGeometricalElement.h"
#include "ZORIGraphicProperties.h"
#include "ZORILineicGraphicProperties.h"
#include "ZORIMechanicalFeature.h"
#include "ZORIMechanicalProperties.h"
#include "ZORIMeshGraphicProperties.h"
#include "ZORIMfBRep.h"
#include "ZORIMfBiDimResult.h"
#include "ZORIMfLine.h"
#include "ZORIMfMonoDimResult.h"
#include "ZORIMfPlane.h"
#include "ZORIMfPoint.h"
#include "ZORIMfZeroDimResult.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIModelEvents.h"
#include "ZORINavigateObject.h"
#include "ZORIPathAccess.h"
#include "ZORIPointGraphicProperties.h"
#include "ZORIPrtContainer.h"
#include "ZORIPrtManagement.h"
#include "ZORIRedrawEvent.h"
#include "ZORISpecAttrAccess.h"
#include "ZORISpecObject.h"
#include "ZORISpecScan.h"
#include "ZORIUpdateError.h"
#include "ZORIVisProperties.h"
#include "ZORIWENAffinity.h"
#include "ZORIWENFactory.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORIWENMultiSelFactory.h"
#include "ZORIWENProject.h"
#include "ZORIWENRotate.h"
#include "ZORIWENTool.h"
#include "ZORIWENTranslate.h"
#include "ZORMultiSelModel.h"
#include "ZORPointerMap.h"
#include "ZORVisPropertiesValues.h"

class ZORDocument;

// The interfaces are private bases: a handle taken on a ZORFeature pointer then cannot convert
// statically and always asks QueryInterface, which filters by the feature type.
//
// The primary interface, the core members and the interfaces called on many features in a row
// (multi-selection inputs, removal, children, update errors) come first: they share the first
// cache lines of the object, which a walk over many features then reads and little else.
class ZORFeature final : public virtual ZORBaseUnknown,
                         private ZORISpecObject,
                         private ZORFeatureCore,
                         private ZORIWENMultiSelAccess,
                         private LifeCycleObject,
                         private ZORIDescendants,
                         private ZORIUpdateError,
                         private ZORIPrtPart,
                         private ZORIPrtContainer,
                         private ZORIBasicTool,
                         private ZORIVisProperties,
                         private ZORIGraphicProperties,
                         private ZORIPointGraphicProperties,
                         private ZORILineicGraphicProperties,
                         private ZORIMeshGraphicProperties,
                         private ZORIModelEvents,
                         private ZORIPathAccess,
                         private ZORIMfPoint,
                         private ZORIMfLine,
                         private ZORIMfPlane,
                         private ZORIWENMultiSel,
                         private ZORIWENMultiSelFactory,
                         private ZORIWENFactory,
                         private ZORIWENTool,
                         private ZORISpecAttrAccess,
                         private ZORISpecScan,
                         private ZORIWENTranslate,
                         private ZORIWENRotate,
                         private ZORIWENProject,
                         private ZORIWENAffinity,
                         private ZORICkeParm,
                         private ZORIMechanicalFeature,
                         private ZORIMechanicalProperties,
                         private ZORIMfBRep,
                         private ZORIGeometricalElement,
                         private ZORIMfZeroDimResult,
                         private ZORIMfMonoDimResult,
                         private ZORIMfBiDimResult,
                         private ZORINavigateObject,
                         private ZORIMmiContextualManager,
                         private ZORIRedrawEvent,
                         private ZORIPrtManagement {
  ZOR_DECLARE_CLASS(ZORFeature, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORFeature(const ZORFeatureType& type, ZORDocument& document, std::uint32_t serial);
  ~ZORFeature() override;
  ZORFeature(const ZORFeature&) = delete;
  ZORFeature& operator=(const ZORFeature&) = delete;
  // Features are made and dropped by the ten thousand and walked in the order they were made:
  // they come from a pool that keeps them in that order.
  static void* operator new(std::size_t size);
  static void operator delete(void* block, std::size_t size);

  HRESULT QueryInterface(const IID& iid, void** out) override;
  ULONG AddRef() override;
  ULONG Release() override;
  ULONG GetRefCount() const override { return featureRefs_; }

  // --- host side ---
  // The feature behind any of its interfaces or extensions; null for another object.
  static ZORFeature* From(ZORBaseUnknown* object);
  // This feature through ZORISpecObject, as QueryInterface answers; without the query when the
  // type offers the interface itself, which reads nothing of the feature beyond its first line.
  ZORISpecObject_var AsSpecObject();
  const ZORFeatureType& GetFeatureType() const { return *type_; }
  // Unique in the process, in creation order.
  unsigned long GetSerial() const { return serial_; }
  // Null once the document is gone.
  ZORDocument* GetDocument() const { return document_; }
  bool IsInDocument() const { return document_ && place_.inDocument; }
  const std::string& GetDisplayNameText() const { return state_->name.str(); }
  ZORFeature* GetFatherFeature() const { return place_.father; }
  const ZORFeatureList& GetChildren() const { return state_->children; }

  // Values the compute function reads ("X", "Y", "Z" of a point). A change makes the feature
  // and its users out of date.
  void SetValue(const std::string& name, double value);
  double GetValue(const std::string& name, double fallback = 0.0) const;
  const std::map<std::string, double>& GetValues() const { return state_->values; }
  // Links the input of `role` to `target` (null unlinks). E_INVALIDARG for a role the type does
  // not have; E_FAIL for a target of another document, one not in it, or one that uses this
  // feature already (a cycle). A change makes the feature and its users out of date.
  HRESULT SetInput(const std::string& role, const ZORBaseUnknown_var& target);
  ZORFeature* GetInput(const std::string& role) const;
  std::vector<std::pair<std::string, ZORFeature*>> GetInputs() const;
  // The features whose inputs name this one, in creation order.
  std::vector<ZORFeature*> GetUsers() const;
  // Whether this feature is `other` or is an input of it, directly or through other inputs.
  bool IsUsedBy(const ZORFeature& other) const;

  // The features this one holds by a link under `role` (ZORISpecAttrAccess::LinkTo).
  std::vector<ZORFeature*> GetLinkedFeatures(const std::string& role) const;
  // The features holding this one by a link, in creation order.
  std::vector<ZORFeature*> GetLinkOwners() const;
  bool IsGroupInput() const { return state_->groupInput; }
  void SetGroupInput() { EditState().groupInput = true; }
  // Internal features are made by the host for their father's own use; their father's internal
  // mechanical children (ZORGmoMecModServices::GetInternalMechanicalChildren).
  bool IsInternal() const { return state_->internal; }
  void SetInternal(bool internal) { EditState().internal = internal; }
  // The workbench's classification (ZORIWENFeatureType), part of the state.
  int GetWENFeatureType() const { return state_->wenFeatureType; }
  void SetWENFeatureType(int type) { EditState().wenFeatureType = type; }
  int GetRedrawCount() const { return redraws_; }
  // How many times ZORIMechanicalProperties::Refresh was called.
  int GetMechanicalRefreshCount() const { return mechanicalRefreshes_; }

  ZORBody_var GetResultBody() const { return state_->body; }
  bool IsInError() const { return static_cast<bool>(state_->error); }
  // Whether a shape body becomes the current feature itself rather than its last feature.
  bool IsCurrentItself() const { return state_->currentItself; }
  void SetCurrentItself(bool itself) { EditState().currentItself = itself; }
  // The warnings of the last computation; none after a failure.
  const std::vector<std::string>& GetWarnings() const { return state_->warnings; }
  // Marks the feature and every feature that uses it, directly or not, out of date.
  void MarkOutOfDate();

  // --- ZORISpecObject ---
  ZORISpecObject_var GetFather() override;
  ZORUnicodeString GetDisplayName() override { return state_->name; }
  ZORString GetType() override { return ZORString(type_->GetName()); }
  int IsSubTypeOf(const char* typeName) override;
  HRESULT Update() override;
  int IsUpToDate() override;
  ZORBaseUnknown_var GetFeatContainer() override;
  ZORBaseUnknown_var GetImplementation() override { return this; }

  // --- ZORIDescendants ---
  int GetNumberOfChildren() override { return static_cast<int>(state_->children.size()); }
  ZORISpecObject_var GetChildAtPosition(int position) override;
  int GetPosition(const ZORISpecObject_var& child) override;
  void GetDirectChildren(ZORListValZORISpecObject_var& children) override;
  HRESULT AddChild(const ZORISpecObject_var& child, int position = 0) override;
  HRESULT RemoveChild(const ZORISpecObject_var& child) override;
  HRESULT RemoveChildAtPosition(int position) override;
  HRESULT ReplaceChild(const ZORISpecObject_var& oldChild,
                       const ZORISpecObject_var& newChild) override;
  int IsDescendant(const ZORBaseUnknown_var& object) override;

  // --- ZORIPrtPart, ZORIPrtContainer, ZORIBasicTool ---
  ZORBaseUnknown_var GetPartContainer() override { return GetFeatContainer(); }
  ZORIPrtPart_var GetPart() override;
  int IsGeometricalSet() override { return type_->GetName() == "GeometricalSet"; }

  // --- LifeCycleObject ---
  HRESULT remove(int option = 0) override;

  // --- ZORIUpdateError ---
  ZORVar<ZORMfErrUpdate> GetUpdateError() override { return state_->error; }
  HRESULT SetUpdateError(ZORMfErrUpdate* error) override;

  // --- ZORIVisProperties, ZORIGraphicProperties and the colour interfaces: one state ---
  HRESULT GetPropertiesAtt(ZORVisPropertiesValues& values, ZORVisPropertyType type,
                           int geometryType = 0) override;
  HRESULT SetPropertiesAtt(const ZORVisPropertiesValues& values, ZORVisPropertyType type,
                           int geometryType = 0) override;
  HRESULT ResetPropertiesAtt(ZORVisPropertyType type, int a = 1, int b = 0, int c = 0) override;
  int IsPickable() override { return vis_.GetPick() != 0; }
  int IsShown() override { return vis_.GetShow() == ZORShowAttr; }
  HRESULT SetColor(int red, int green, int blue) override;
  HRESULT GetColor(int& red, int& green, int& blue) override;
  HRESULT SetThickness(int thickness) override;
  HRESULT GetThickness(int& thickness) override;
  HRESULT SetLineType(int lineType) override;
  HRESULT GetLineType(int& lineType) override;

  // --- ZORIModelEvents, ZORIPathAccess ---
  HRESULT Dispatch(ZORModelEvent* event) override;
  HRESULT GetPathElement(ZORPathElement& path) override;

  // --- ZORIWENMultiSel (see ZORMultiSelModel) ---
  HRESULT GetInputList(ZORListValZORISpecObject_var& inputs, int index) override;
  HRESULT GetInputListSize(int& size, int index) override;
  HRESULT Declare(const ZORISpecObject_var& input, int index) override;
  HRESULT RemoveInput(const ZORISpecObject_var& input, int index) override;
  HRESULT RemoveAllInputs(int index) override;
  HRESULT ReplaceInput(const ZORISpecObject_var& oldInput, const ZORISpecObject_var& newInput,
                       int index) override;
  HRESULT RefElementChanged() override;
  HRESULT SetDeleteTempChildren(const ZORISpecObject_var& feature) override;
  HRESULT DeleteTempChildren() override;
  HRESULT GetPreviews(std::unique_ptr<ZORRawCollint>& indices,
                      std::unique_ptr<ZORRawCollint>& states) override;
  HRESULT SetPreviews(const ZORRawCollint& indices, const ZORRawCollint& states) override;
  int GetNumberOfRealFeatures() override;
  HRESULT GetRealFeatures(ZORListValZORISpecObject_var& features) override;
  HRESULT GetVirtualInputs(ZORListValZORISpecObject_var& inputs1,
                           ZORListValZORISpecObject_var& inputs2) override;
  HRESULT GetRemainingRealFeatsInitialPosition(ZORRawCollint& positions) override;
  HRESULT GetFeaturesToRemove(ZORListValZORISpecObject_var& features) override;
  HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                              ZORListValZORISpecObject_var& removed) override;
  HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                              ZORListValZORISpecObject_var& removed,
                              ZORListValZORISpecObject_var& modified) override;
  HRESULT GetResults(ZORListValZORISpecObject_var& results) override;
  HRESULT IsThereAnyFeatureManaged(bool& any) override;
  HRESULT StartMultiSel() override;
  HRESULT FinishMultiSel() override;
  HRESULT CleanMultiSel() override;

  // --- ZORIWENMultiSelAccess ---
  HRESULT GetMultiSelInput(int index, ZORISpecObject_var& input) override;
  HRESULT SetMultiSelInput(int index, const ZORISpecObject_var& input) override;
  HRESULT GetMultiSelInputs(ZORListValZORISpecObject_var& inputs) override;

  // --- ZORIWENMultiSelFactory, ZORIWENFactory (the container) ---
  ZORIWENMultiSel_var CreateMultiSel() override;
  ZORBaseUnknown_var GetFactoryContainer() override { return GetFeatContainer(); }
  ZORISpecObject_var CreateFeatureOfType(const char* typeName) override;
  ZORISpecObject_var CreatePointOnSurface(const ZORISpecObject_var& support,
                                          const ZORISpecObject_var& origin,
                                          const ZORMathVector& direction,
                                          const ZORICkeParm_var& length) override;
  ZORISpecObject_var CreatePointOnPlane(const ZORISpecObject_var& support,
                                        const ZORISpecObject_var& origin, const ZORICkeParm_var& h,
                                        const ZORICkeParm_var& v) override;
  ZORISpecObject_var CreateLine(const ZORISpecObject_var& point,
                                const ZORISpecObject_var& reference, const ZORICkeParm_var& start,
                                const ZORICkeParm_var& end) override;
  ZORIWENPositionTransfo_var CreatePositionTransfo() override;

  // --- ZORIWENTool ---
  HRESULT SetPrivate(int isPrivate) override;
  int IsPrivate() override { return state_->privateTool; }
  HRESULT SetShapeBodyTool(int inShapeBody) override;
  int IsShapeBodyTool() override { return state_->shapeBodyTool; }

  // --- ZORISpecAttrAccess, ZORISpecScan ---
  ZORSpecAttrKey_var GetAttrKey(const char* name) override;
  HRESULT AddAttribute(const char* name, int kind, int quality) override;
  HRESULT RemoveAttribute(const char* name) override;
  HRESULT LinkTo(const char* role, const ZORISpecObject_var& owner, const char* ownerRole) override;
  HRESULT GetLinked(const char* role, ZORListValZORISpecObject_var& linked) override;
  HRESULT ListPointingObjects(ZORListValZORISpecObject_var& pointing) override;
  HRESULT ListUsers(ZORListValZORISpecObject_var& users) override;
  HRESULT ListAncestors(ZORListValZORISpecObject_var& ancestors) override;

  // --- transformations, BRep features, geometrical elements: inputs by role ---
  ZORISpecObject_var GetElement() override { return InputSpec("Element"); }
  ZORISpecObject_var GetDirection() override { return InputSpec("Direction"); }
  ZORISpecObject_var GetAxis() override { return InputSpec("Axis"); }
  ZORISpecObject_var GetSupport() override { return InputSpec("Support"); }
  ZORISpecObject_var GetOrigin() override { return InputSpec("Origin"); }
  ZORISpecObject_var GetDesignatedFeature() override { return InputSpec("Support"); }
  int IsRelatedTo(const ZORBaseUnknown_var& other) override;
  int GetBRepDimension() override {
    return state_->body ? state_->body->GetHighestDimension() : -1;
  }

  // --- ZORICkeParm ---
  ZORUnicodeString GetParmName() override { return state_->name; }
  HRESULT Rename(const ZORUnicodeString& name) override;
  int GetAccess() override { return state_->access; }
  HRESULT SetAccess(int access) override;
  ZORString GetMagnitude() override { return ZORString(state_->magnitude); }
  double GetStoredValue() override { return GetValue("Value"); }
  HRESULT Valuate(double value) override;
  HRESULT SetActivated(ZORCke::Boolean activated) override;
  ZORCke::Boolean IsActivated() override { return place_.inactive ? ZORCke::False : ZORCke::True; }

  // --- ZORIMechanicalFeature, ZORIMechanicalProperties ---
  HRESULT SetMechanicalOwner(const ZORVar<ZORIMechanicalFeature>& owner) override;
  ZORISpecObject_var GetMechanicalOwner() override;
  HRESULT Deactivate() override;
  HRESULT Activate() override;
  int IsInactive() override { return place_.inactive; }
  HRESULT Refresh() override;

  // --- ZORINavigateObject, ZORIMmiContextualManager, ZORIRedrawEvent, ZORIPrtManagement ---
  HRESULT GetChildren(ZORListValZORISpecObject_var& children) override;
  HRESULT SetContextual(int contextual) override;
  int IsContextual() override { return state_->contextual; }
  ZORISpecObject_var GetContext() override;
  HRESULT Redraw() override;
  HRESULT SetInWorkObject(const ZORISpecObject_var& feature) override;
  ZORISpecObject_var GetInWorkObject() override;

 private:
  friend class ZORDocument;
  friend class ZORFeatureList;
  friend class ZORUpdateEngine;
  friend class ZORMultiSelModel;

  ZORISpecObject_var InputSpec(const std::string& role) const;
  // A walk by position over many children reads each child's state, inputs and their targets
  // next: FetchAhead asks memory for them some children ahead, so that the walk does
  // not wait at each child once the document outgrows the caches. `ahead` starts at the child
  // being read.
  static void FetchAhead(std::span<const ZORVar<ZORFeature>> ahead);
  static void FetchObject(const ZORFeature* f);
  static void FetchLines(const void* start, std::size_t bytes);
  static constexpr std::size_t kCacheLine = 64;
  // A new feature of `typeName` with `inputs` linked (null ones left unset); null, nothing left
  // behind, when a `required` role has no target or a link is refused.
  ZORISpecObject_var CreateLinked(
      const char* typeName, const std::vector<std::pair<const char*, ZORBaseUnknown_var>>& inputs,
      const std::vector<const char*>& required);
  // The input role of multi-selection list `index` (1 or 2); null when the type has none.
  const std::string* MultiSelRole(int index) const;
  // Whether `other` is a feature of this document that is in it.
  bool IsPeer(const ZORFeature* other) const;
  // Link owners index upkeep.
  void LinkOwner(ZORFeature& owner);
  void UnlinkOwner(ZORFeature& owner);
  // A real feature's inputs changed: its multi-selection's indexes follow.
  void InputsChanged();

  // Tree changes without checks or gate, for the checked operations and the document.
  void Attach(ZORFeature& child, std::size_t index);
  void Detach(ZORFeature& child);
  HRESULT CheckNewChild(ZORFeature* child) const;
  void ChildrenChanged();
  // 1-based position of `child` among the children, 0 when it is not one of them.
  int PositionOf(const ZORFeature* child) const;
  // Users index upkeep.
  void LinkUser(ZORFeature& user);
  void UnlinkUser(ZORFeature& user);
  bool Offers(const IID& iid) const;
  template <class... Interfaces>
  bool AnswerFor(const IID& iid, void** out);
  // Every feature in the subtree of this one, this one first.
  void CollectSubtree(std::vector<ZORFeature*>& subtree);
  // Every change to the state, the place or the visual properties goes through these, so that
  // the document first keeps what the feature was at its newest undo mark.
  ZORFeatureState& EditState() {
    Journal();
    return state_.Edit();
  }
  ZORFeaturePlace& EditPlace() {
    Journal();
    return place_;
  }
  ZORVisPropertiesValues& EditVis() {
    Journal();
    return vis_;
  }
  void Journal();
  // Out of date, unless inactive.
  void Outdate();

  // Apart from the state: commands change it on whole documents (what can be picked), and a
  // mark holds a copy of its few bytes.
  ZORVisPropertiesValues vis_;
  // The features whose inputs name this one, with how many of their inputs do. Most features
  // have one user or none: two slots in one small block to start with.
  ZORPointerMap<ZORFeature, int, 2> users_;
  // The features holding this one by a link, with how many links each.
  ZORPointerMap<ZORFeature, int, 2> linkOwners_;
  // The multi-selection model, for multi-selection features only.
  std::unique_ptr<ZORMultiSelModel> multiSel_;
  int redraws_ = 0;
  int mechanicalRefreshes_ = 0;
  // The document's journal stamp when it last kept this feature as it was: equal, the feature
  // is kept already for the newest mark.
  std::uint32_t journalStamp_ = 0;
};

using ZORFeature_var = ZORVar<ZORFeature>;
