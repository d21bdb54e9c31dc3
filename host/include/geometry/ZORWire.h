#pragma once
// A wire: the edges of a body chained end to end, open or closed, each read in the direction
// the chain runs. Lengths along it are measured from the start of its first edge.

#include <vector>

#include "ZORBody.h"

class ZORWire : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORWire, ZORBaseUnknown, ZORMetaObject::Implementation, "Geometry")

  //! One edge of the chain: its curve (held by the body's edge), and whether the chain runs
  //! against it.
  struct Piece {
    ZORCurve* curve = nullptr;
    bool reversed = false;
  };

  ZORWire() = default;
  //! The wire of `body`'s edges; null when it has none, or when they do not make one chain
  //! (apart, or three edges at a vertex).
  static ZORVar<ZORWire> FromBody(const ZORBody& body);

  //! Its edges in chain order.
  const std::vector<Piece>& GetPieces() const { return pieces_; }
  //! Whether the last edge ends where the first starts.
  bool IsClosed() const { return closed_; }
  //! Its length.
  double GetLength() const;
  //! Where piece `i` (from 0) starts and ends, along the chain.
  ZORMathPoint StartOf(std::size_t i) const;
  ZORMathPoint EndOf(std::size_t i) const;
  //! The unit tangent, along the chain, where piece `i` starts and ends.
  ZORMathVector StartTangentOf(std::size_t i) const;
  ZORMathVector EndTangentOf(std::size_t i) const;
  //! The point and unit tangent `length` mm from the start (clamped to the wire).
  void PointAtLength(double length, ZORMathPoint& point, ZORMathVector& tangent) const;
  //! The length from the start to the point of the chain nearest to `point` (0 without edge).
  double LengthTo(const ZORMathPoint& point) const;

 private:
  // Keeps the edges, hence their curves, alive: one reference for the whole chain, so reading a
  // long wire does not write to every curve.
  ZORBody_var body_;
  std::vector<Piece> pieces_;
  bool closed_ = false;
};

using ZORWire_var = ZORVar<ZORWire>;
