#pragma once
// Analysis of a wire's continuity at the vertices where its edges meet.

#include "ZORWire.h"

class ZORWireAnalysis {
 public:
  //! Analyses `wire` (null: an analysis that finds nothing wrong and nothing measured).
  explicit ZORWireAnalysis(ZORWire_var wire) : wire_(std::move(wire)) {}

  //! Whether the tangent turns by at most `tolerance` radians at every junction (the closing
  //! one too, for a closed wire).
  bool IsG1(double tolerance) const;
  //! The largest turn of the tangent at a junction, in radians (0 without junction).
  double GetMaxTangentTurn() const;

 private:
  ZORWire_var wire_;
};
