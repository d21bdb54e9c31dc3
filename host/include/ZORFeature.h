#pragma once
// The one component class of the document's features. It implements every feature interface,
// but its QueryInterface answers only those its feature type lists, so a handle taken on a
// feature of a kind that lacks an interface is null. Its late type is its type name, so that
// the interface dictionary can extend features by kind ("WENDirection" ...).
//
// The document creates features (ZORDocument::CreateFeature); the host-side operations below
// are for the host's services, the driver and tests.

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "LifeCycleObject.h"
#include "ZORFeatureState.h"
#include "ZORFeatureType.h"
#include "ZORIBasicTool.h"
#include "ZORIDescendants.h"
#include "ZORIGraphicProperties.h"
#include "ZORILineicGraphicProperties.h"
#include "ZORIMeshGraphicProperties.h"
#include "ZORIMfLine.h"
#include "ZORIMfPlane.h"
#include "ZORIMfPoint.h"
#include "ZORIModelEvents.h"
#include "ZORIPathAccess.h"
#include "ZORIPointGraphicProperties.h"
#include "ZORIPrtContainer.h"
#include "ZORISpecObject.h"
#include "ZORIUpdateError.h"
#include "ZORIVisProperties.h"

class ZORDocument;

// The interfaces are private bases: a handle taken on a ZORFeature pointer then cannot convert
// statically and always asks QueryInterface, which filters by the feature type.
class ZORFeature : public virtual ZORBaseUnknown,
                   private ZORISpecObject,
                   private ZORIDescendants,
                   private ZORIPrtPart,
                   private ZORIPrtContainer,
                   private ZORIBasicTool,
                   private LifeCycleObject,
                   private ZORIUpdateError,
                   private ZORIVisProperties,
                   private ZORIGraphicProperties,
                   private ZORIPointGraphicProperties,
                   private ZORILineicGraphicProperties,
                   private ZORIMeshGraphicProperties,
                   private ZORIModelEvents,
                   private ZORIPathAccess,
                   private ZORIMfPoint,
                   private ZORIMfLine,
                   private ZORIMfPlane {
  ZOR_DECLARE_CLASS(ZORFeature, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORFeature(const ZORFeatureType& type, ZORDocument& document, unsigned long serial);
  ~ZORFeature() override;
  ZORFeature(const ZORFeature&) = delete;
  ZORFeature& operator=(const ZORFeature&) = delete;

  HRESULT QueryInterface(const IID& iid, void** out) override;

  // --- host side ---
  // The feature behind any of its interfaces or extensions; null for another object.
  static ZORFeature* From(ZORBaseUnknown* object);
  const ZORFeatureType& GetFeatureType() const { return *type_; }
  // Unique in the process, in creation order.
  unsigned long GetSerial() const { return serial_; }
  // Null once the document is gone.
  ZORDocument* GetDocument() const { return document_; }
  bool IsInDocument() const { return document_ && state_.inDocument; }
  const std::string& GetDisplayNameText() const { return state_.name.str(); }
  ZORFeature* GetFatherFeature() const { return state_.father; }
  const std::vector<ZORVar<ZORFeature>>& GetChildren() const { return state_.children; }

  // Values the compute function reads ("X", "Y", "Z" of a point). A change makes the feature
  // and its users out of date.
  void SetValue(const std::string& name, double value);
  double GetValue(const std::string& name, double fallback = 0.0) const;
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

  ZORBody_var GetResultBody() const { return state_.body; }
  bool IsInError() const { return static_cast<bool>(state_.error); }
  // Marks the feature and every feature that uses it, directly or not, out of date.
  void MarkOutOfDate();

  // --- ZORISpecObject ---
  ZORISpecObject_var GetFather() override;
  ZORUnicodeString GetDisplayName() override { return state_.name; }
  ZORString GetType() override { return ZORString(type_->GetName()); }
  int IsSubTypeOf(const char* typeName) override;
  HRESULT Update() override;
  int IsUpToDate() override;
  ZORBaseUnknown_var GetFeatContainer() override;
  ZORBaseUnknown_var GetImplementation() override { return this; }

  // --- ZORIDescendants ---
  int GetNumberOfChildren() override { return static_cast<int>(state_.children.size()); }
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
  ZORVar<ZORMfErrUpdate> GetUpdateError() override { return state_.error; }
  HRESULT SetUpdateError(ZORMfErrUpdate* error) override;

  // --- ZORIVisProperties, ZORIGraphicProperties and the colour interfaces: one state ---
  HRESULT GetPropertiesAtt(ZORVisPropertiesValues& values, ZORVisPropertyType type,
                           int geometryType = 0) override;
  HRESULT SetPropertiesAtt(const ZORVisPropertiesValues& values, ZORVisPropertyType type,
                           int geometryType = 0) override;
  HRESULT ResetPropertiesAtt(ZORVisPropertyType type, int a = 1, int b = 0, int c = 0) override;
  int IsPickable() override { return state_.vis.GetPick() != 0; }
  int IsShown() override { return state_.vis.GetShow() == ZORShowAttr; }
  HRESULT SetColor(int red, int green, int blue) override;
  HRESULT GetColor(int& red, int& green, int& blue) override;

  // --- ZORIModelEvents, ZORIPathAccess ---
  HRESULT Dispatch(ZORModelEvent* event) override;
  HRESULT GetPathElement(ZORPathElement& path) override;

 private:
  friend class ZORDocument;
  friend class ZORUpdateEngine;

  // Tree changes without checks or gate, for the checked operations and the document.
  void Attach(ZORFeature& child, std::size_t index);
  void Detach(ZORFeature& child);
  HRESULT CheckNewChild(ZORFeature* child) const;
  void ChildrenChanged() { childIndexValid_ = false; }
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

  const ZORFeatureType* type_;
  ZORDocument* document_;
  unsigned long serial_;
  ZORFeatureState state_;
  // The features whose inputs name this one, with how many of their inputs do.
  std::unordered_map<ZORFeature*, int> users_;
  // Child positions (0-based), rebuilt on demand after the children change.
  mutable std::unordered_map<const ZORFeature*, std::size_t> childIndex_;
  mutable bool childIndexValid_ = false;
};

using ZORFeature_var = ZORVar<ZORFeature>;
