#include "ZORWireAnalysis.h"

#include <algorithm>
#include <cmath>

double ZORWireAnalysis::GetMaxTangentTurn() const {
  if (!wire_) return 0.0;
  const std::size_t count = wire_->GetPieces().size();
  const std::size_t junctions = wire_->IsClosed() ? count : count - 1;
  double largest = 0.0;
  for (std::size_t i = 0; i < junctions; ++i) {
    const ZORMathVector in = wire_->EndTangentOf(i);
    const ZORMathVector out = wire_->StartTangentOf((i + 1) % count);
    // atan2 keeps small angles exact where acos of a dot product would lose them.
    largest = std::max(largest, std::atan2(in.Cross(out).Norm(), in.Dot(out)));
  }
  return largest;
}

bool ZORWireAnalysis::IsG1(double tolerance) const {
  return GetMaxTangentTurn() <= tolerance;
}
