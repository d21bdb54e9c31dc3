#pragma once
// What feature computations share: reading the geometry of a feature's inputs with a clear
// diagnostic when it is missing or unsuitable, numbered input roles, and the interfaces a
// geometric feature of a given dimension offers.

#include <string>
#include <vector>

#include "ZORBody.h"
#include "ZORGUID.h"

class ZORFeature;

class ZORFeatureGeometry {
 public:
  //! Roles `base`1 .. `base``count`: "Point1", "Point2", ...
  static std::vector<std::string> NumberedRoles(const std::string& base, int count);
  //! The result of input `role`, of `dimension` (any for -1); null with a diagnostic naming the
  //! input otherwise.
  static ZORBody_var Body(const ZORFeature& feature, const std::string& role, int dimension,
                          std::string& diagnostic);
  //! The point of input `role` (a point result).
  static bool Point(const ZORFeature& feature, const std::string& role, ZORMathPoint& point,
                    std::string& diagnostic);
  //! The points of the numbered roles that are set, in role order; false with a diagnostic when
  //! one is not a point or fewer than `least` are set.
  static bool Points(const ZORFeature& feature, const std::string& base, std::size_t least,
                     std::vector<ZORMathPoint>& points, std::string& diagnostic);
  //! The value of the parameter linked under `role` when there is one, else the feature's own
  //! value `role`, else `fallback`: lengths a user may drive by a parameter.
  static double ParameterOrValue(const ZORFeature& feature, const std::string& role,
                                 double fallback = 0.0);
  //! The inputs every geometric feature offers, with those of results of `dimension` (0, 1, 2).
  static std::vector<IID> Interfaces(int dimension);
};
