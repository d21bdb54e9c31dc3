#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "CreateLengthFromBodyOnShell.h"
#include "ZORBodyBuilder.h"
#include "ZORCldBody.h"
#include "ZORClosedForm.h"
#include "ZORCreateTopPointXYZ.h"
#include "ZORCylinder.h"
#include "ZOREyeLineHit.h"
#include "ZORGmoTopologicalTools.h"
#include "ZORGmoUtilitiesGetCenter.h"
#include "ZORI3DGeoVisu.h"
#include "ZORLine.h"
#include "ZORPlane.h"
#include "ZORProtectedSection.h"
#include "ZORVertexOperator.h"
#include "ZORWire.h"

namespace {

constexpr double kPi = std::numbers::pi;

// A patch of the cylinder of radius 2 around the Z axis from 0 to 10, between two angles.
ZORCylinder_var Cylinder(double from, double to) {
  return ZORMake<ZORCylinder>(ZORMathPoint(0, 0, 0), ZORMathPoint(0, 0, 10), ZORMathVector(1, 0, 0),
                              2.0, from, to);
}

ZORBody_var FaceBody(const ZORSurface_var& surface) {
  ZORBodyBuilder builder;
  builder.AddFace(surface);
  return builder.Finish();
}

ZORBody_var Segments(const std::vector<std::pair<ZORMathPoint, ZORMathPoint>>& pieces) {
  ZORBodyBuilder builder;
  for (const auto& [a, b] : pieces) builder.AddChain({ZORMake<ZORLine>(a, b)}, false);
  return builder.Finish();
}

// A face's boundary edges and a segment whose cells are made on first use chain like edges
// added one by one.
TEST(GeometryTopology, BoundariesAndLazySegmentsChainIntoWires) {
  ZORWire_var boundary = ZORWire::FromBody(*FaceBody(Cylinder(0, kPi / 2)));
  ASSERT_TRUE(boundary);
  EXPECT_TRUE(boundary->IsClosed());
  EXPECT_EQ(boundary->GetPieces().size(), 4u);
  EXPECT_NEAR(boundary->GetLength(), 20.0 + 2.0 * kPi, 1e-9);
  ZORWire_var segment = ZORWire::FromBody(*ZORBody::MakeSegment({0, 0, 0}, {0, 3, 4}));
  ASSERT_TRUE(segment);
  EXPECT_FALSE(segment->IsClosed());
  EXPECT_NEAR(segment->GetLength(), 5.0, 1e-12);
}

TEST(GeometryTopology, ThreeDisjointSegmentsAreThreeDomainsNumberedFromOne) {
  ZORBody_var body =
      Segments({{{0, 0, 0}, {1, 0, 0}}, {{0, 5, 0}, {1, 5, 0}}, {{0, 9, 0}, {1, 9, 0}}});
  ASSERT_EQ(body->GetNumberOfDomains(), 3);
  EXPECT_FALSE(body->GetDomain(0));
  EXPECT_FALSE(body->GetDomain(4));
  const double heights[] = {0, 5, 9};
  for (int d = 1; d <= 3; ++d) {
    EXPECT_EQ(body->GetDomain(d)->GetNumber(), d);
    ZORListPtrZORCell edges;
    body->GetDomain(d)->GetCells(1, edges);
    ASSERT_EQ(edges.Size(), 1);
    ExpectPoint({0.5, heights[d - 1], 0}, edges[1]->GetCenterOfGravity());
  }
  EXPECT_EQ(body->Describe(), "body(6 vertices, 3 edges, 0 faces, 3 domains)");
  // Joined by a shared vertex, two edges are one domain.
  ZORBodyBuilder builder;
  builder.AddChain({ZORMake<ZORLine>(ZORMathPoint(0, 0, 0), ZORMathPoint(1, 0, 0)),
                    ZORMake<ZORLine>(ZORMathPoint(1, 0, 0), ZORMathPoint(1, 1, 0))},
                   false);
  EXPECT_EQ(builder.Finish()->GetNumberOfDomains(), 1);
}

// Two pieces built interleaved, a lone vertex, then (in a second body) an edge joining them.
TEST(GeometryTopology, DomainsFollowTheJoinsMadeWhileBuilding) {
  const auto build = [](bool joined) {
    ZORBodyBuilder builder;
    const ZORMathPoint at[] = {{0, 0, 0}, {5, 0, 0}, {1, 0, 0}, {9, 0, 0}};
    ZORCell* v[4];
    for (int i = 0; i < 4; ++i) v[i] = builder.AddVertex(at[i]);
    builder.AddEdge(ZORMake<ZORLine>(at[0], at[2]), v[0], v[2]);
    builder.AddEdge(ZORMake<ZORLine>(at[1], at[3]), v[1], v[3]);
    builder.AddVertex({20, 0, 0});
    if (joined) builder.AddEdge(ZORMake<ZORLine>(at[2], at[1]), v[2], v[1]);
    return builder.Finish();
  };
  const auto numbers = [](const ZORDomain* domain) {
    std::vector<int> found;
    for (const ZORCell_var& cell : domain->GetCells()) found.push_back(cell->GetNumber());
    return found;
  };
  ZORBody_var apart = build(false);
  ASSERT_EQ(apart->GetNumberOfDomains(), 3);
  EXPECT_EQ(numbers(apart->GetDomain(1)), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(numbers(apart->GetDomain(2)), (std::vector<int>{2, 4, 6}));
  EXPECT_EQ(numbers(apart->GetDomain(3)), (std::vector<int>{7}));
  EXPECT_EQ(apart->DescribeCells().back(), apart->GetDomain(3)->Describe());
  ZORBody_var joined = build(true);
  ASSERT_EQ(joined->GetNumberOfDomains(), 2);
  EXPECT_EQ(numbers(joined->GetDomain(1)), (std::vector<int>{1, 2, 3, 4, 5, 6, 8}));
  EXPECT_EQ(numbers(joined->GetDomain(2)), (std::vector<int>{7}));
}

TEST(GeometryTopology, ASegmentAnswersAlikeBeforeAndAfterItsCellsAreBuilt) {
  ZORBody_var segment = ZORBody::MakeSegment({1, 2, 3}, {4, 6, 3});
  ZORMathLine before;
  double start = -1, end = -1;
  ASSERT_TRUE(segment->GetLine(before, start, end));
  EXPECT_EQ(start, 0.0);
  EXPECT_DOUBLE_EQ(end, 5.0);
  EXPECT_EQ(segment->Describe(), "segment(1,2,3)-(4,6,3)");
  // Its cells: two vertices at the ends and the edge between them, one domain.
  ASSERT_EQ(segment->GetNumberOfDomains(), 1);
  ASSERT_EQ(segment->GetCells().size(), 3u);
  EXPECT_EQ(segment->GetCell(2)->GetPoint()->GetPoint().DistanceTo({4, 6, 3}), 0.0);
  const ZORCurve* edge = segment->GetCellOfDimension(1, 1)->GetCurve();
  EXPECT_NEAR(edge->EndPoint().DistanceTo({4, 6, 3}), 0.0, 1e-12);
  ZORMathLine after;
  ASSERT_TRUE(segment->GetLine(after, start, end));
  EXPECT_DOUBLE_EQ(end, 5.0);
  EXPECT_NEAR(after.EvalPoint(end).DistanceTo(before.EvalPoint(5.0)), 0.0, 1e-12);
  EXPECT_EQ(segment->Describe(), "segment(1,2,3)-(4,6,3)");
  // What the cells would refuse is refused at once.
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(ZORBody::MakeSegment({0, 0, 0}, {kNaN, 0, 0}));
  EXPECT_FALSE(ZORBody::MakePoint({0, std::numeric_limits<double>::infinity(), 0}));
}

TEST(GeometryTopology, CellsByDimensionAndTheOldShortForms) {
  ZORBody_var segment = ZORBody::MakeSegment({0, 0, 0}, {1, 0, 0});
  EXPECT_EQ(segment->Describe(), "segment(0,0,0)-(1,0,0)");
  EXPECT_EQ(segment->GetHighestDimension(), 1);
  EXPECT_EQ(segment->GetCellCount(0), 2);
  ZORListPtrZORCell highest;
  segment->GetCells(-1, highest);
  ASSERT_EQ(highest.Size(), 1);
  EXPECT_EQ(highest[1]->GetBoundary().size(), 2u);
  EXPECT_EQ(ZORBody::MakePoint({1, 2, 3})->Describe(), "point(1,2,3)");
  EXPECT_EQ(ZORBody::MakePlane(ZORMathPlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}))->Describe(),
            "plane(0,0,0 n=0,0,1)");
  ZORBody_var empty = ZORBodyBuilder().Finish();
  EXPECT_EQ(empty->GetHighestDimension(), -1);
  EXPECT_EQ(empty->HasGeometry(), 0);
  EXPECT_EQ(empty->GetNumberOfDomains(), 0);
  EXPECT_EQ(empty->Describe(), "empty");
  ZORMathPoint centre;
  double diagonal = 0;
  EXPECT_FALSE(empty->GetBoundingBox(centre, diagonal));
  EXPECT_FALSE(ZORBody::MakeSegment({1, 1, 1}, {1, 1, 1}));
}

TEST(GeometryTopology, NoBodyEverHoldsANaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(ZORBody::MakePoint({nan, 0, 0}));
  ZORBodyBuilder builder;
  builder.AddVertex({0, 0, 0});
  builder.AddChain({ZORMake<ZORLine>(ZORMathPoint(0, 0, 0), ZORMathPoint(0, nan, 0))}, false);
  EXPECT_TRUE(builder.HasFailed());
  EXPECT_FALSE(builder.Finish());
  EXPECT_FALSE(ZORCldBody::Make({{0, 0, 0}, {1, nan, 1}}));
}

TEST(GeometryTopology, ACylinderPatchHasItsBoundaryCornersAreaAndBox) {
  ZORBody_var body = FaceBody(Cylinder(0, kPi / 2));
  EXPECT_EQ(body->GetCellCount(0), 4);
  EXPECT_EQ(body->GetCellCount(1), 4);
  EXPECT_EQ(body->GetCellCount(2), 1);
  EXPECT_EQ(body->GetNumberOfDomains(), 1);
  ExpectNear(2 * (kPi / 2) * 10, body->GetCellOfDimension(2, 1)->GetMeasure());
  ZORMathPoint centre;
  double diagonal = 0;
  ASSERT_TRUE(body->GetBoundingBox(centre, diagonal));
  EXPECT_NEAR(centre.GetX(), 1.0, 1e-3);
  EXPECT_NEAR(centre.GetZ(), 5.0, 1e-9);
  EXPECT_NEAR(diagonal, std::sqrt(4 + 4 + 100), 1e-3);
  // All around: two circles and one seam, two vertices.
  ZORBody_var full = FaceBody(Cylinder(0, 2 * kPi));
  EXPECT_EQ(full->GetCellCount(0), 2);
  EXPECT_EQ(full->GetCellCount(1), 3);
  EXPECT_EQ(full->Describe(), "cylinder(0,0,0 axis=0,0,1 r=2 h=10 angle=360)");
  // An unbounded plane has no box.
  EXPECT_FALSE(ZORBody::MakePlane(ZORMathPlane())->GetBoundingBox(centre, diagonal));
}

TEST(GeometryTopology, CentresOfGravityOfAnLShapedWireAndOfACylinderPatch) {
  ZORBodyBuilder builder;
  builder.AddChain({ZORMake<ZORLine>(ZORMathPoint(0, 0, 0), ZORMathPoint(4, 0, 0)),
                    ZORMake<ZORLine>(ZORMathPoint(4, 0, 0), ZORMathPoint(4, 2, 0))},
                   false);
  ZORBody_var wire = builder.Finish();
  ZORMathPoint centre;
  ASSERT_EQ(ZORGmoTopologicalTools::GetCenterOfGravity(wire->GetDomain(1), centre), S_OK);
  ExpectPoint({16.0 / 6, 2.0 / 6, 0}, centre);
  ZORBody_var patch = FaceBody(Cylinder(0, kPi / 2));
  ASSERT_EQ(ZORGmoUtilitiesGetCenter(patch, centre), S_OK);
  ExpectPoint({4 / kPi, 4 / kPi, 5}, centre);
  // The estimated centre lies on the element: half way along the wire, on the patch.
  ASSERT_EQ(ZORGmoTopologicalTools::EstimateCenter(wire->GetDomain(1), centre), S_OK);
  EXPECT_TRUE(wire->GetCellOfDimension(1, 1)->GetCurve()->Contains(centre, 1e-9) ||
              wire->GetCellOfDimension(1, 2)->GetCurve()->Contains(centre, 1e-9));
  ASSERT_EQ(ZORGmoTopologicalTools::EstimateCenter(patch->GetCellOfDimension(2, 1), centre), S_OK);
  ExpectPoint({std::sqrt(2.0), std::sqrt(2.0), 5}, centre);
  EXPECT_EQ(ZORGmoTopologicalTools::GetCenterOfGravity(static_cast<ZORDomain*>(nullptr), centre),
            E_FAIL);
  EXPECT_EQ(ZORGmoUtilitiesGetCenter(nullptr, centre), E_FAIL);
  EXPECT_EQ(ZORGmoUtilitiesGetCenter(ZORBodyBuilder().Finish(), centre), E_FAIL);
}

TEST(GeometryTopology, TheGeodesicOnACylinderIsTheUnrolledDistance) {
  ZORCylinder_var cylinder = Cylinder(0, 2 * kPi);
  const ZORMathPoint a = cylinder->Eval(0.3, 1.0), b = cylinder->Eval(1.9, 7.5);
  double length = 0;
  ASSERT_EQ(cylinder->LengthOnSurface(a, b, 1e-9, length), S_OK);
  ExpectNear(std::hypot(2.0 * 1.6, 6.5), length);
  // All around, the way over the seam is shorter.
  ASSERT_EQ(cylinder->LengthOnSurface(cylinder->Eval(0.2, 0), cylinder->Eval(6.0, 0), 1e-9, length),
            S_OK);
  ExpectNear(2.0 * (2 * kPi - 5.8), length);
  EXPECT_EQ(cylinder->LengthOnSurface(a, {0, 0, 5}, 1e-6, length), E_FAIL);
  // Through the shell services, from the patch's centre (off the shell) projected onto it.
  ZORGeoFactory factory;
  ZORTopData data;
  ZORBody_var shell = FaceBody(Cylinder(0, kPi));
  ZORVertexOperator vertex(&factory, &data, Cylinder(0, kPi)->Eval(kPi / 2 + 0.5, 8));
  ASSERT_EQ(vertex.Run(), S_OK);
  ZORMathPoint origin;
  ZORGmoUtilitiesGetCenter(shell, origin);
  ASSERT_EQ(CreateLengthFromBodyOnShell(&factory, &data, shell.get(), origin,
                                        vertex.GetResult().get(), length),
            S_OK);
  ExpectNear(std::hypot(2.0 * 0.5, 3.0), length);
  ZORVertexOperator off(&factory, &data, {0, 0, 5});
  ASSERT_EQ(off.Run(), S_OK);
  EXPECT_EQ(CreateLengthFromBodyOnShell(&factory, &data, shell.get(), origin, off.GetResult().get(),
                                        length),
            E_FAIL);
  // On a plane, the straight distance.
  ZORBody_var plane = ZORBody::MakePlane(ZORMathPlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}));
  ZORBody_var onPlane = ZORCreateTopPointXYZ(&factory, &data, 3, 4, 0);
  ASSERT_EQ(
      CreateLengthFromBodyOnShell(&factory, &data, plane.get(), {0, 0, 0}, onPlane.get(), length),
      S_OK);
  ExpectNear(5.0, length);
  // A patch measures only between points on it.
  auto patch = ZORMake<ZORPlane>(ZORMathPlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), 0, 10, 0, 10);
  ASSERT_EQ(patch->LengthOnSurface({1, 1, 0}, {4, 5, 0}, 1e-9, length), S_OK);
  ExpectNear(5.0, length);
  EXPECT_EQ(patch->LengthOnSurface({1, 1, 0}, {4, 5, 1}, 1e-9, length), E_FAIL);
  EXPECT_EQ(patch->LengthOnSurface({-1, 1, 0}, {4, 5, 0}, 1e-9, length), E_FAIL);
  ZORBody_var abovePlane = ZORCreateTopPointXYZ(&factory, &data, 3, 4, 2);
  EXPECT_EQ(CreateLengthFromBodyOnShell(&factory, &data, plane.get(), {0, 0, 0}, abovePlane.get(),
                                        length),
            E_FAIL);
}

TEST(GeometryTopology, TheEyeLineFirstHitsTheNearerSideOfACylinder) {
  ZORBody_var full = FaceBody(Cylinder(0, 2 * kPi));
  ZOREyeLineHit hit;
  // Clear of the seam (an edge, which would win at the same depth), the face.
  ASSERT_TRUE(ZOREyeLineHit::First(*full, ZORMathLine({10, 1, 5}, {-1, 0, 0}), 0.01, hit));
  EXPECT_EQ(hit.GetCell()->GetDimension(), 2);
  ExpectPoint({std::sqrt(3.0), 1, 5}, hit.GetPoint());
  ExpectNear(10 - std::sqrt(3.0), hit.GetParameter());
  ASSERT_TRUE(ZOREyeLineHit::First(*full, ZORMathLine({10, 0, 5}, {-1, 0, 0}), 0.01, hit));
  EXPECT_EQ(hit.GetCell()->GetDimension(), 1);
  // On a quarter patch, a line that first crosses the missing part hits the patch behind it.
  ZORBody_var quarter = FaceBody(Cylinder(0, kPi / 2));
  ASSERT_TRUE(ZOREyeLineHit::First(*quarter, ZORMathLine({-10, 0.5, 5}, {1, 0, 0}), 0.01, hit));
  ExpectPoint({std::sqrt(3.75), 0.5, 5}, hit.GetPoint());
  EXPECT_FALSE(ZOREyeLineHit::First(*quarter, ZORMathLine({-10, -0.5, 5}, {1, 0, 0}), 0.01, hit));
  // At a corner, the vertex wins over the edges and the face at the same depth.
  ASSERT_TRUE(ZOREyeLineHit::First(*quarter, ZORMathLine({10, 0.001, 10}, {-1, 0, 0}), 0.01, hit));
  EXPECT_EQ(hit.GetCell()->GetDimension(), 0);
  // A cell that may not be picked is looked through.
  hit.GetCell()->SetNoPick(true);
  ASSERT_TRUE(ZOREyeLineHit::First(*quarter, ZORMathLine({10, 0.001, 10}, {-1, 0, 0}), 0.01, hit));
  EXPECT_EQ(hit.GetCell()->GetDimension(), 1);
}

TEST(GeometryTopology, NormalsAndProjectionsOnPatches) {
  ZORCylinder_var quarter = Cylinder(0, kPi / 2);
  ExpectPoint({0, 1, 0}, ZORMathPoint() + quarter->Normal({0, 5, 3}));
  // Beyond the angular range, the nearer border.
  ExpectPoint({2, 0, 10}, quarter->ProjectPoint({3, -0.1, 12}));
  ZORPlane patch(ZORMathPlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), 0, 2, 0, 1);
  ExpectPoint({2, 1, 0}, patch.ProjectPoint({5, 5, 5}));
  EXPECT_TRUE(patch.Intersect(ZORMathLine({3, 0.5, 5}, {0, 0, -1})).empty());
  ASSERT_EQ(patch.Intersect(ZORMathLine({1, 0.5, 5}, {0, 0, -1})).size(), 1u);
  EXPECT_EQ(patch.Describe(), "plane-patch(0,0,0 n=0,0,1 2x1)");
}

TEST(GeometryTopology, CellsDrawThemselvesWithTheirPickState) {
  ZORBody_var body = ZORBody::MakeSegment({0, 0, 0}, {1, 0, 0});
  ZORCell* edge = body->GetCellOfDimension(1, 1);
  edge->SetNoPick(true);
  ZORI3DGeoVisu_var visu(static_cast<ZORBaseUnknown*>(edge));
  ASSERT_TRUE(visu);
  ZOR3DRep* rep = visu->GiveRep();
  ASSERT_TRUE(rep);
  EXPECT_TRUE(rep->IsNoPick());
  EXPECT_EQ(rep->GetModel(), edge);
  EXPECT_EQ(visu->GiveRep(), rep);
}

TEST(GeometryTopology, VerticesAreMadeInAFactoryAndRemovedFromIt) {
  ZORGeoFactory factory;
  ZORTopData data;
  ASSERT_TRUE(data.GetSoftwareConfiguration());
  ZORBody_var vertex = ZORCreateTopPointXYZ(&factory, &data, 1, 2, 3);
  ASSERT_TRUE(vertex);
  EXPECT_EQ(vertex->GetFactory(), &factory);
  EXPECT_EQ(ZORGmoTopologicalTools::Remove(vertex.get()), S_OK);
  EXPECT_FALSE(factory.IsInFactory(vertex.get()));
  EXPECT_EQ(ZORGmoTopologicalTools::Remove(vertex.get()), S_FALSE);
  EXPECT_EQ(ZORGmoTopologicalTools::Remove(nullptr), E_INVALIDARG);
  // A missing factory: null outside a protected section, a raised error inside one.
  EXPECT_FALSE(ZORCreateTopPointXYZ(nullptr, &data, 0, 0, 0));
  ZORException* raised = ZORProtect([&] { ZORCreateTopPointXYZ(nullptr, &data, 0, 0, 0); });
  ASSERT_TRUE(raised);
  EXPECT_TRUE(ZORError::Cast(raised));
  raised->Release();
  ZORVertexOperator nowhere(nullptr, &data, {0, 0, 0});
  EXPECT_EQ(nowhere.Run(), E_FAIL);
  EXPECT_FALSE(nowhere.GetResult());
}

TEST(GeometryTopology, TheBasicBodyFactoryBuildsAWireThroughPointBodies) {
  ZORGeoFactory factory;
  ZORTopData data;
  ZORBody_var a = factory.CreatePoint({0, 0, 0}), b = factory.CreatePoint({3, 0, 0}),
              c = factory.CreatePoint({3, 4, 0});
  ZORBody_var wire =
      factory.CreateWireThrough({a.get(), b.get(), c.get()}, data.GetSoftwareConfiguration());
  ASSERT_TRUE(wire);
  EXPECT_EQ(wire->Describe(), "wire(2 edges, open, length=7)");
  EXPECT_TRUE(factory.IsInFactory(wire.get()));
  EXPECT_FALSE(factory.CreateWireThrough({a.get()}, data.GetSoftwareConfiguration()));
  EXPECT_FALSE(factory.CreateWireThrough({a.get(), a.get()}, data.GetSoftwareConfiguration()));
  EXPECT_FALSE(factory.CreateWireThrough({a.get(), wire.get()}, data.GetSoftwareConfiguration()));
  EXPECT_FALSE(factory.CreateWireThrough({a.get(), b.get()}, nullptr));
}

}  // namespace
