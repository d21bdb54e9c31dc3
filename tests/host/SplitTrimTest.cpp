#include <gtest/gtest.h>

#include "ZORFrmEditor.h"
#include "ZORGuiBodyInErrorSymbol.h"
#include "ZORHostSession.h"
#include "ZORIWENBuildDiagnosis.h"
#include "ZORIWENSplit.h"
#include "ZORIWENTrim.h"
#include "ZORMfErrUpdate.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestGeometricalSet.h"
#include "ZORTransaction.h"
#include "ZORWire.h"

namespace {

// Splits and trims built as a user builds them: points, curves and planes, then the cut.
class SplitTrim : public ::testing::Test {
 protected:
  ZORFeature_var Split(ZORFeature* element, ZORFeature* cutter, double side = 1) {
    return geometry.Make("WENSplit", {element, cutter}, {"Element", "Cutter"}, {{"Side", side}});
  }
  static std::string Error(const ZORFeature& f) {
    auto error = const_cast<ZORFeature&>(f).GetUpdateError();
    return error ? error->GetDiagnostic().str() : "";
  }
  static ZORGmoBuildDiagnosisDataSplitTrim_var Diagnosis(ZORFeature& f) {
    ZORIWENBuildDiagnosis_var diagnosis(ZORSpecObjectOf(&f));
    ZORGmoBuildDiagnosisDataSplitTrim_var data;
    EXPECT_TRUE(diagnosis);
    if (diagnosis) {
      EXPECT_EQ(diagnosis->GetBuildDiagnosisData(data), S_OK);
    }
    return data;
  }
  static std::vector<ZORMathPoint> Ends(const ZORBody& body) {
    ZORWire_var wire = ZORWire::FromBody(body);
    if (!wire) return {};
    return {wire->StartOf(0), wire->EndOf(wire->GetPieces().size() - 1)};
  }
  static void ExpectAt(const ZORMathPoint& p, double x, double y, double z) {
    EXPECT_NEAR(p.GetX(), x, 1e-6);
    EXPECT_NEAR(p.GetY(), y, 1e-6);
    EXPECT_NEAR(p.GetZ(), z, 1e-6);
  }

  ZORHostSession session;
  ZORTestGeometricalSet geometry{session.Document()};
};

TEST_F(SplitTrim, ASplitKeepsThePartOnTheSideItIsToldAndOffersOnlyTheSplitInterface) {
  ZORFeature_var line = geometry.Polyline({{0, 0, 0}, {10, 0, 0}});
  ZORFeature_var plane = geometry.PlaneAtX(4);
  ZORFeature_var ahead = Split(line.get(), plane.get());
  ASSERT_EQ(Error(*ahead), "");
  EXPECT_EQ(ahead->GetResultBody()->Describe(), "segment(4,0,0)-(10,0,0)");
  ZORFeature_var behind = Split(line.get(), plane.get(), -1);
  EXPECT_EQ(behind->GetResultBody()->Describe(), "segment(0,0,0)-(4,0,0)");
  EXPECT_FALSE(Diagnosis(*ahead));
  ZORIWENSplit_var split(ZORSpecObjectOf(ahead.get()));
  ASSERT_TRUE(split);
  EXPECT_EQ(split->GetElement(), ZORSpecObjectOf(line.get()));
  EXPECT_EQ(split->GetCutter(), ZORSpecObjectOf(plane.get()));
  EXPECT_FALSE(ZORIWENTrim_var(ZORSpecObjectOf(ahead.get())));
  EXPECT_FALSE(ZORIWENBuildDiagnosis_var(ZORSpecObjectOf(line.get())));
}

TEST_F(SplitTrim, AnArcIsCutWhereItReallyCrossesThePlane) {
  ZORFeature_var a = geometry.Point(-5, 0, 0), b = geometry.Point(0, 5, 0),
                 c = geometry.Point(5, 0, 0);
  ZORFeature_var arc =
      geometry.Make("WENArc", {a.get(), b.get(), c.get()}, {"Point1", "Point2", "Point3"});
  ZORFeature_var split = Split(arc.get(), geometry.PlaneAtX(3).get());
  ASSERT_EQ(Error(*split), "");
  const std::vector<ZORMathPoint> ends = Ends(*split->GetResultBody());
  ASSERT_EQ(ends.size(), 2U);
  // On the circle of radius 5 at x = 3: y = 4.
  ExpectAt(ends[0], 3, 4, 0);
  ExpectAt(ends[1], 5, 0, 0);
}

TEST_F(SplitTrim, ASplitCutInSeveralPlacesWarnsWithTheCutVertices) {
  ZORFeature_var u = geometry.Polyline({{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}});
  ZORFeature_var plane = geometry.PlaneAtX(4);
  ZORFeature_var kept = Split(u.get(), plane.get());
  ASSERT_EQ(Error(*kept), "");
  EXPECT_EQ(kept->GetResultBody()->GetNumberOfDomains(), 1);
  ZORGmoBuildDiagnosisDataSplitTrim_var data = Diagnosis(*kept);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->IsAWarning(), 1);
  ZORString key, catalog;
  data->GetMessage(key, catalog);
  EXPECT_EQ(key.str(), "WENMODELINPUT_ERR_5100");
  EXPECT_EQ(catalog.str(), "ZORGmoInputError");
  ZORListValZORBaseUnknown_var objects;
  data->GetTopObjects(objects);
  ASSERT_EQ(objects.Size(), 2);
  auto* first = dynamic_cast<ZORCell*>(objects[1].get());
  auto* second = dynamic_cast<ZORCell*>(objects[2].get());
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->GetDimension(), 0);
  ExpectAt(first->GetCenterOfGravity(), 4, 0, 0);
  ExpectAt(second->GetCenterOfGravity(), 4, 5, 0);
  // The other side is in two pieces.
  ZORFeature_var ends = Split(u.get(), plane.get(), -1);
  EXPECT_EQ(ends->GetResultBody()->GetNumberOfDomains(), 2);
}

TEST_F(SplitTrim, ASplitThatCutsNothingFailsNamingTheElementAndItsCutterUntilCleared) {
  ZORFeature_var line = geometry.Polyline({{0, 0, 0}, {10, 0, 0}});
  ZORFeature_var plane = geometry.PlaneAtX(20);
  ZORFeature_var split = Split(line.get(), plane.get());
  EXPECT_EQ(Error(*split), "The cutter does not cut the element");
  ZORGmoBuildDiagnosisDataSplitTrim_var data = Diagnosis(*split);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->IsAWarning(), 0);
  EXPECT_EQ(data->GetBody(), line->GetResultBody());
  EXPECT_EQ(data->GetContextBody(), plane->GetResultBody());
  ZORIWENBuildDiagnosis_var(ZORSpecObjectOf(split.get()))->CleanBuildDiagnosisData();
  EXPECT_FALSE(Diagnosis(*split));
  // Touching the plane at an end is no cut either.
  ZORFeature_var touching = Split(line.get(), geometry.PlaneAtX(10).get());
  EXPECT_EQ(Error(*touching), "The cutter does not cut the element");
  // A cutter that is no plane is refused without a diagnosis.
  ZORFeature_var byCurve = Split(line.get(), line.get());
  EXPECT_NE(Error(*byCurve), "");
  EXPECT_FALSE(Diagnosis(*byCurve));
}

TEST_F(SplitTrim, ATrimJoinsTheStartOfTheFirstToTheEndOfTheSecondWhereTheyMeet) {
  ZORFeature_var across = geometry.Polyline({{0, 0, 0}, {10, 0, 0}});
  ZORFeature_var up = geometry.Polyline({{5, -5, 0}, {5, 5, 0}});
  ZORFeature_var trim =
      geometry.Make("WENTrim", {across.get(), up.get()}, {"Element1", "Element2"});
  ASSERT_EQ(Error(*trim), "");
  std::vector<ZORMathPoint> ends = Ends(*trim->GetResultBody());
  ASSERT_EQ(ends.size(), 2U);
  ExpectAt(ends[0], 0, 0, 0);
  ExpectAt(ends[1], 5, 5, 0);
  EXPECT_EQ(trim->GetResultBody()->GetCellCount(1), 2);
  ZORFeature_var other = geometry.Make("WENTrim", {across.get(), up.get()},
                                       {"Element1", "Element2"}, {{"Side1", -1}, {"Side2", -1}});
  ends = Ends(*other->GetResultBody());
  ASSERT_EQ(ends.size(), 2U);
  ExpectAt(ends[0], 10, 0, 0);
  ExpectAt(ends[1], 5, -5, 0);
  ZORIWENTrim_var trimmed(ZORSpecObjectOf(trim.get()));
  ASSERT_TRUE(trimmed);
  EXPECT_EQ(trimmed->GetSecondElement(), ZORSpecObjectOf(up.get()));
  EXPECT_FALSE(ZORIWENSplit_var(ZORSpecObjectOf(trim.get())));
}

TEST_F(SplitTrim, ATrimOfElementsThatMeetTwiceWarnsWithTheOtherPointAndOneThatNeverMeetsFails) {
  ZORFeature_var u = geometry.Polyline({{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}});
  ZORFeature_var bar = geometry.Polyline({{4, -1, 0}, {4, 6, 0}});
  ZORFeature_var trim = geometry.Make("WENTrim", {u.get(), bar.get()}, {"Element1", "Element2"});
  ASSERT_EQ(Error(*trim), "");
  ZORGmoBuildDiagnosisDataSplitTrim_var data = Diagnosis(*trim);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->IsAWarning(), 1);
  ZORListValZORBaseUnknown_var objects;
  data->GetTopObjects(objects);
  ASSERT_EQ(objects.Size(), 1);
  auto* point = dynamic_cast<ZORBody*>(objects[1].get());
  ASSERT_TRUE(point);
  EXPECT_EQ(point->Describe(), "point(4,5,0)");
  // Trimmed at the first meeting along the first element.
  const std::vector<ZORMathPoint> ends = Ends(*trim->GetResultBody());
  ASSERT_EQ(ends.size(), 2U);
  ExpectAt(ends[0], 0, 0, 0);
  ExpectAt(ends[1], 4, 6, 0);

  ZORFeature_var apart = geometry.Polyline({{0, 10, 0}, {10, 10, 0}});
  ZORFeature_var never =
      geometry.Make("WENTrim", {apart.get(), bar.get()}, {"Element1", "Element2"});
  EXPECT_EQ(Error(*never), "The elements do not meet");
  data = Diagnosis(*never);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->GetBody(), apart->GetResultBody());
  EXPECT_EQ(data->GetContextBody(), bar->GetResultBody());
}

TEST_F(SplitTrim, ABodyInErrorSymbolShowsItsBodyInItsColourAndLeavesTheViewAtOnceOnRequest) {
  ZORFeature_var line = geometry.Polyline({{0, 0, 0}, {10, 0, 0}});
  ZORISO* iso = session.Editor().GetISO();
  const int before = iso->GetSize();
  // Its creator's reference is handed over by the delayed destruction.
  auto* symbol = new ZORGuiBodyInErrorSymbol();
  symbol->SetBody(nullptr);
  EXPECT_EQ(iso->GetSize(), before);
  symbol->SetBody(line->GetResultBody().get());
  ASSERT_EQ(iso->GetSize(), before + 1);
  ASSERT_TRUE(symbol->GetRep());
  EXPECT_EQ(symbol->GetRep()->GetColor(), ZORGuiBodyInErrorSymbol::kErrorColor);
  EXPECT_TRUE(symbol->IsPickable());
  symbol->SetPickable(0);
  symbol->SetColor(244);
  EXPECT_FALSE(symbol->IsPickable());
  EXPECT_EQ(symbol->GetRep()->GetColor(), 244);
  EXPECT_EQ(iso->GetSize(), before + 1);
  symbol->RequestDelayedDestruction();
  EXPECT_EQ(iso->GetSize(), before);
  ZORTransaction::End();
}

}  // namespace
