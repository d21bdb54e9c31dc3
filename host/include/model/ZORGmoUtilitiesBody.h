#pragma once
// Services on the geometric result of a feature.

#include "ZORBody.h"

class ZORGmoUtilitiesBody {
 public:
  // Geometry types of GetGeometryType.
  static constexpr int kNoGeometry = 0;
  static constexpr int kPoint = 1;
  static constexpr int kCurve = 3;
  static constexpr int kSurface = 6;

  // The feature's result body; null for a feature without one. A feature in error cannot give
  // one: inside a protected section a copy of its update error is raised, outside it is null.
  static ZORBody_var GetFirstBody(const ZORBaseUnknown_var& feature);
  //! The feature's current result body, the one its representation shows: null for a
  //! feature without one. Unlike GetFirstBody it never raises, even for a feature in error.
  static ZORBody_var GetBodyFromSpec(const ZORBaseUnknown_var& feature);
  // Whether the feature's result is unbounded (a plane). Raises as GetFirstBody does; 0 for a
  // feature without a result.
  static int IsInfinite(const ZORBaseUnknown_var& feature);
  // The highest dimension of the body's cells, -1 for a null or empty body.
  static int GetHigherDimFromBody(const ZORBody_var& body);
  // kPoint, kCurve, kSurface or kNoGeometry from the feature's result.
  static int GetGeometryType(const ZORBaseUnknown_var& feature);

  //! Whether the feature's result is a wire whose last edge ends where its first starts; 0 for
  //! a feature without a wire.
  static int IsAClosedWire(const ZORBaseUnknown_var& feature);
  //! Whether the feature's result (or `body`) is one straight chain of straight edges.
  static int IsALinearCurve(const ZORBaseUnknown_var& feature);
  static int IsALinearCurve(const ZORBody_var& body);
  //! Whether the feature's result is one cell of its highest dimension (one point, one edge or
  //! one face): S_OK with `answer` set, or E_FAIL leaving a last error when the feature gives
  //! no result.
  static HRESULT IsMonoElement(const ZORBaseUnknown_var& feature, int& answer);
  //! Whether the vertex of `point` lies on an edge of `curve` (within 1e-6 mm); the software
  //! configuration is not needed and may be null.
  static int IsThisPointOnThatCurve(const ZORBody_var& point, const ZORBody_var& curve,
                                    ZORBaseUnknown* configuration = nullptr);
};
