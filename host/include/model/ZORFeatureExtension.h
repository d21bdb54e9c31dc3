#pragma once
// The base of extensions that the dictionary registers for every feature ("ZORFeature") but
// that suit only some kinds: an extension answers its interfaces for the features it suits and
// refuses them (a null handle) for the others, so that a feature of another kind still lacks
// the interface.

#include "ZORBaseExtension.h"

class ZORFeature;

class ZORFeatureExtension : public ZORBaseExtension {
  ZOR_DECLARE_CLASS(ZORFeatureExtension, ZORBaseExtension, ZORMetaObject::DataExtension, "System")

  // The extended feature; null once it is not a feature.
  ZORFeature* GetFeature() const;

  // Geometry of the wireframe and surface kinds: points, lines, planes, intersections,
  // transformations (sub-types of "GeometricalElement3D").
  static bool IsGeometric(const ZORFeature& feature);
  // A feature shown in the tree that stands in a tool: neither the part nor a tool.
  static bool IsPlaceable(const ZORFeature& feature);
  static bool IsMultiSel(const ZORFeature& feature);
  // Bodies, geometrical sets and shape bodies (sub-types of "Tool").
  static bool IsTool(const ZORFeature& feature);

 protected:
  // Answers `iid` with interface I of `self` when `suits`; refuses it otherwise.
  template <class I, class Self>
  static HRESULT AnswerIf(Self* self, bool suits, const IID& iid, void** out) {
    if (suits && AnswerWith<I>(self, iid, out)) return S_OK;
    *out = nullptr;
    return E_NOINTERFACE;
  }
};
