#pragma once
// The geometric result of a feature: cells (vertices, edges, faces) with their geometry, grouped
// into connected domains. A body may hold several disjoint pieces, or nothing. A body is not
// changed once built (ZORBodyBuilder builds it): an update builds a new one. Only the cells'
// pick state changes afterwards. A point or a segment made by MakePoint or MakeSegment builds its
// cells and domain only when first asked for them: most results of a large document are such
// bodies, and most are never looked at cell by cell.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ZORDomain.h"
#include "ZORListPtrZORCell.h"
#include "ZORMathPlane.h"
#include "ZORVar.h"

class ZORCurve;
class ZORGeoFactory;

class ZORBody : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORBody, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORBody() = default;
  //! A body of one vertex.
  static ZORVar<ZORBody> MakePoint(const ZORMathPoint& point);
  //! A body of one straight edge and its two vertices; null when the ends coincide.
  static ZORVar<ZORBody> MakeSegment(const ZORMathPoint& start, const ZORMathPoint& end);
  //! A body of one unbounded plane face.
  static ZORVar<ZORBody> MakePlane(const ZORMathPlane& plane);

  //! The highest dimension of its cells: 0 points, 1 curves, 2 surfaces; -1 for an empty body.
  int GetHighestDimension() const { return dimension_; }
  //! 1 when the body holds geometry a command can hand on (it is not empty), 0 otherwise.
  int HasGeometry() const { return dimension_ >= 0 ? 1 : 0; }
  //! The points of its vertices, in their order (a segment: start then end).
  const std::vector<ZORMathPoint>& GetVertices() const { return vertices_; }
  //! The carrying line of a body that is one straight edge, with the parameters of its ends.
  bool GetLine(ZORMathLine& line, double& start, double& end) const;
  //! The plane of a body whose first face is planar.
  bool GetPlane(ZORMathPlane& plane) const;

  //! Every cell, vertices and edges and faces in the order they were built.
  const std::vector<ZORCell_var>& GetCells() const { return BuiltCells(); }
  //! The cell numbered `number` (from 1); null outside.
  ZORCell* GetCell(int number) const;
  //! Appends its cells of `dimension` (those of its highest dimension for -1).
  void GetCells(int dimension, ZORListPtrZORCell& cells) const;
  //! The `index`-th cell of `dimension` (from 1); null outside.
  ZORCell* GetCellOfDimension(int dimension, int index) const;
  //! How many cells of `dimension` it holds.
  int GetCellCount(int dimension) const;

  //! The number of connected pieces.
  int GetNumberOfDomains() const;
  //! The domain `index` (1..GetNumberOfDomains()); null outside.
  ZORDomain* GetDomain(int index) const;

  //! The centre and diagonal length of the axis-aligned box around it; false for an empty or
  //! unbounded body.
  bool GetBoundingBox(ZORMathPoint& centre, double& diagonal) const;
  //! The centre of gravity of its cells of highest dimension (weighted by length or area).
  ZORMathPoint GetCenterOfGravity() const;

  //! A short stable text: "point(1,2,3)", "segment(0,0,0)-(1,0,0)", "plane(0,0,0 n=0,0,1)",
  //! "arc(...)", "wire(3 edges, open, length=12)", "cylinder(...)", "empty",
  //! "body(4 vertices, 3 edges, 0 faces, 2 domains)".
  virtual std::string Describe() const;
  //! One line per cell, then one per domain.
  std::vector<std::string> DescribeCells() const;
  //! The geometric factory that holds it; null when none does.
  ZORGeoFactory* GetFactory() const { return factory_; }

  //! An edge's vertices, by their positions among the cells (from 0), and its curve.
  struct EdgeEnds {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    ZORCurve* curve = nullptr;  // null: the cell at this position is no edge
  };
  //! One entry per cell, in the order of the cells: what chaining edges into wires reads
  //! instead of the cells themselves.
  const std::vector<EdgeEnds>& GetEdgeEnds() const {
    BuiltCells();
    return edgeEnds_;
  }

 private:
  friend class ZORBodyBuilder;
  friend class ZORGeoFactory;

  // A point or segment body awaiting its cells: they are built from vertices_ on first use.
  enum class Pending { kNone, kPoint, kSegment };
  const std::vector<ZORCell_var>& BuiltCells() const;
  // The domains, made on first request.
  const std::vector<ZORDomain_var>& Domains() const;

  ZORGeoFactory* factory_ = nullptr;

  int dimension_ = -1;
  mutable Pending pending_ = Pending::kNone;
  mutable std::vector<ZORCell_var> cells_;
  mutable std::vector<EdgeEnds> edgeEnds_;
  // Each cell's domain (from 0), known once the body is built; the ZORDomain objects are made
  // from it when first asked for: most bodies are only asked how many pieces they have.
  mutable std::vector<std::uint32_t> domainOf_;
  mutable std::size_t domainCount_ = 0;
  mutable std::vector<ZORDomain_var> domains_;
  std::vector<ZORMathPoint> vertices_;
};

using ZORBody_var = ZORVar<ZORBody>;
