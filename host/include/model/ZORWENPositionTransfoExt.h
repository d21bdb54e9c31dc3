#pragma once
//! \class ZORWENPositionTransfoExt
//! The position transformation of "WENPositionTransfo" features, and their default positioner;
//! the type itself is registered with it. Origins and directions are the inputs "Origin1",
//! "Direction1", "Origin2", "Direction2"; the profile "Profile"; the literals and the boolean
//! parameters are parameters of the document linked as "XPos", "YPos", "AnglePos", "Boolean1",
//! "Boolean2"; the mode and the inversions are the values "Mode", "Inversion1", "Inversion2".
//! Its result is the profile positioned: the chain of its moved vertices.
//!
//! An axis system has the origin point (the profile's first vertex without one for system 1,
//! the origin of system 1 for system 2), X the direction element (a line's direction, else a
//! plane's normal or first direction) projected into the profile's plane (the plane's first
//! direction, or X of system 1, when none projects), Z the plane's normal; X and Y are then
//! reversed as the inversion says.

#include <optional>
#include <vector>

#include "ZORBaseExtension.h"
#include "ZORFeature.h"
#include "ZORIWENDefaultPositioner.h"
#include "ZORIWENPositionTransfo.h"

class ZORWENPositionTransfoExt : public ZORBaseExtension,
                                 public ZORIWENPositionTransfo,
                                 public ZORIWENDefaultPositioner {
  ZOR_DECLARE_CLASS(ZORWENPositionTransfoExt, ZORBaseExtension, ZORMetaObject::DataExtension,
                    "Geometry")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIWENPositionTransfo, ZORIWENDefaultPositioner)

  //! The feature type.
  static constexpr const char* kTypeName = "WENPositionTransfo";

  ZORWENPositionTransfoExt() = default;

  //! A new transformation of `document`, nobody's child, with its literals (0) and boolean
  //! parameters (true); null when they cannot be made.
  static ZORFeature_var Create(ZORDocument& document);
  //! The axis of `system` (1 or 2) of `transfo`; none without a planar profile.
  static std::optional<ZORMathAxis> AxisOf(const ZORFeature& transfo, int system);
  //! The vertices of `body` in their order.
  static std::vector<ZORMathPoint> VerticesOf(const ZORBody& body);
  //! `point` moved by `transfo`; none without a planar profile.
  static std::optional<ZORMathPoint> Moved(const ZORFeature& transfo, const ZORMathPoint& point);

  int GetMode() override;
  HRESULT SetMode(int mode) override;
  ZORISpecObject_var GetOrigin(int system) override;
  HRESULT SetOrigin(int system, const ZORISpecObject_var& point) override;
  ZORISpecObject_var GetDirection(int system) override;
  HRESULT SetDirection(int system, const ZORISpecObject_var& element) override;
  ZORICkeParm_var GetBooleanParameter(int system) override;
  ZORWENAxisInversionMode GetAxisInversion(int system) override;
  HRESULT SetAxisInversion(int system, int mode) override;
  ZORICkeParm_var GetLiteral(const char* name) override;
  ZORISpecObject_var GetProfile() override;
  HRESULT SetProfile(const ZORISpecObject_var& profile) override;
  HRESULT GetAxis(int system, ZORMathAxis& axis) override;

  HRESULT GetAxisSystem(int index, ZORMathAxis& axis) override;
  HRESULT Position(const ZORMathPoint& point, ZORMathPoint& moved) override;
  HRESULT GetPositionedPoints(std::vector<ZORMathPoint>& points) override;

 private:
  ZORFeature* Transfo() const { return ZORFeature::From(GetExtendedObject()); }
  ZORISpecObject_var Input(const std::string& role) const;
  HRESULT SetRole(int system, const char* base, const ZORISpecObject_var& element);
};
