// Temporary bags and flags: what a diagnosis viewer shows of bodies, cells and labels, and a
// flag that keeps its size on the screen.

#include <gtest/gtest.h>

#include <array>

#include "ZOR3DCustomRep.h"
#include "ZOR3DLineRep.h"
#include "ZOR3DPointRep.h"
#include "ZORDriver.h"
#include "ZORGuiAxisLine3DGeoVisuExt.h"
#include "ZORGuiBagRep.h"
#include "ZORGuiDirectionSymbol.h"
#include "ZORGuiFlagGP.h"
#include "ZORHostSession.h"
#include "ZORI3DGeoVisu.h"
#include "ZORILineicGraphicProperties.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENSettings.h"
#include "ZORWENUIObjectAgent.h"

namespace {

class TemporaryBag : public ::testing::Test {
 protected:
  std::vector<std::string> Shown() { return session.Editor().GetISO()->Describe(); }
  // The drawings of the one display shown.
  const std::vector<ZOR3DRep_var>& Children(const ZORGuiBagRep& bag) const {
    return dynamic_cast<const ZOR3DBagRep&>(*bag.GetShownObject()->GetRep()).GetChildren();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORBody_var segment = ZORBody::MakeSegment({0, 0, 0}, {10, 0, 0});
};

TEST_F(TemporaryBag, ShowsTheCellsTheTopologyAsksForAndLabelsEachDomainAtItsCentre) {
  ZORGuiBagRep bag;
  bag.SetTopology(ZORGuiBagRep::kEdges | ZORGuiBagRep::kVertices);
  bag.SetPointType(3);
  ZORUnicodeString label("gap");
  ASSERT_EQ(bag.Set(segment.get(), &label), S_OK);
  const auto& children = Children(bag);
  ASSERT_EQ(children.size(), 4u);  // the edge, its two vertices, the label
  EXPECT_EQ(children[1]->Describe(), "pointrep(0,0,0 symbol=3)");
  EXPECT_EQ(children[2]->Describe(), "pointrep(10,0,0 symbol=3)");
  EXPECT_EQ(children[3]->Describe(), "custom(flag(5,0,0 \"gap\"))");
  EXPECT_EQ(Shown().size(), 1u);

  // Topology 0 with a text: the labels alone.
  bag.SetTopology(0);
  ASSERT_EQ(bag.Set(segment.get(), &label), S_OK);
  ASSERT_EQ(Children(bag).size(), 1u);
  EXPECT_EQ(Children(bag)[0]->Describe(), "custom(flag(5,0,0 \"gap\"))");
  EXPECT_EQ(Shown().size(), 1u);  // the second Set replaced the first

  ASSERT_EQ(bag.Delete(), S_OK);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(TemporaryBag, ACellAskedTwiceIsDrawnOnceAndADrawingMayBeInTwoBags) {
  ZORListPtrZORCell cells;
  segment->GetCells(1, cells);
  cells.Append(cells[1]);
  ZORGuiBagRep first;
  ZORGuiBagRep second;
  ASSERT_EQ(first.Set(cells), S_OK);
  EXPECT_EQ(Children(first).size(), 1u);
  ASSERT_EQ(second.Set(cells[1]), S_OK);
  // The edge keeps one drawing, shown by both displays.
  EXPECT_EQ(Children(first)[0].get(), Children(second)[0].get());
  EXPECT_EQ(Shown().size(), 2u);
  first.SetColor(12);
  ASSERT_EQ(first.Set(cells), S_OK);
  EXPECT_EQ(Shown()[1].find("color=12") != std::string::npos, true);
}

TEST_F(TemporaryBag, AFeatureGivesItsResultBodyANullOneNothing) {
  ZORFeature_var point = session.Document().CreatePoint(1, 2, 3);
  ASSERT_EQ(point->Update(), S_OK);
  ZORGuiBagRep bag;
  ZORISpecObject_var feature(point.get());
  ASSERT_EQ(bag.Set(feature), S_OK);
  ASSERT_EQ(Children(bag).size(), 1u);  // the body's own drawing
  EXPECT_EQ(Children(bag)[0]->GetModel(), point->GetResultBody().get());

  ZORISpecObject_var none;
  ASSERT_EQ(bag.Set(none), S_OK);
  EXPECT_TRUE(Children(bag).empty());
  EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(TemporaryBag, AppendOutsideABagAndEverythingWithoutAnEditorFails) {
  ZORGuiBagRep bag;
  ZORMathPoint at(1, 1, 1);
  ZORUnicodeString text("x");
  EXPECT_EQ(bag.Append(at, text), E_FAIL);
  EXPECT_EQ(bag.Append(segment.get()), E_FAIL);
  ZORCell* edge = segment->GetCellOfDimension(1, 1);
  EXPECT_EQ(bag.Append(edge, nullptr, nullptr), E_FAIL);
  ZORBody empty;
  ASSERT_EQ(bag.Initialize(), S_OK);
  EXPECT_EQ(bag.Append(&empty), E_FAIL);  // a body with nothing to draw
  EXPECT_EQ(bag.Append(static_cast<ZOR3DRep*>(nullptr)), S_OK);
  EXPECT_EQ(bag.Update(), S_OK);
  EXPECT_EQ(bag.Append(edge, nullptr, nullptr), E_FAIL);  // handed over: no bag any more

  ZORFrmEditor::SetCurrentEditor(nullptr);
  ZORGuiBagRep lost;
  // Without an editor the setters still take their values.
  EXPECT_EQ(lost.SetColor(3), S_OK);
  EXPECT_EQ(lost.SetLineType(2), S_OK);
  EXPECT_EQ(lost.SetPointType(4), S_OK);
  EXPECT_EQ(lost.SetThickness(3), S_OK);
  EXPECT_EQ(lost.SetTopology(ZORGuiBagRep::kEdges), S_OK);
  ZORGraphicAttributeSet attributes;
  EXPECT_EQ(lost.SetGraphicAttributeSet(attributes), S_OK);
  EXPECT_EQ(lost.Initialize(), E_FAIL);
  EXPECT_EQ(lost.Set(segment.get()), E_FAIL);
  EXPECT_EQ(lost.Update(), E_FAIL);
  EXPECT_EQ(lost.Delete(), E_FAIL);
  EXPECT_EQ(lost.GetShownObject(), nullptr);
}

TEST_F(TemporaryBag, IsPlacedInTheEditorsFrame) {
  const double turn[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  session.Editor().SetTransformation(ZORMathTransformation(turn, {5, 0, 0}));
  ZORGuiBagRep bag;
  ASSERT_EQ(bag.Set(segment.get()), S_OK);
  const auto& shown = dynamic_cast<const ZOR3DBagRep&>(*bag.GetShownObject()->GetRep());
  const ZORMathPoint end = shown.GetMatrix().Transform(ZORMathPoint(10, 0, 0));
  EXPECT_NEAR(end.GetX(), 5, 1e-6);
  EXPECT_NEAR(end.GetY(), 10, 1e-6);
}

// The flag's banner in model units, as drawn at a scale of `pixelsPerUnit`.
struct Drawn {
  double staffLength;
  double bannerHeight;
  std::vector<std::string> texts;
};
Drawn Draw(ZORGuiFlagGP& flag, double pixelsPerUnit) {
  const ZORViewport viewport(400, 300, pixelsPerUnit);
  const ZORViewpoint front({0, 0, -1}, {0, 1, 0});
  ZORRender render(viewport);
  flag.ImmediateDraw(render, &front, &viewport);
  Drawn drawn{};
  for (const ZORRender::Item& item : render.GetItems()) {
    if (item.kind == ZORRender::Item::Kind::kPolyline) {
      drawn.staffLength = item.points[0].DistanceTo(item.points[1]);
    } else if (item.kind == ZORRender::Item::Kind::kPolygon) {
      drawn.bannerHeight = item.points[1].DistanceTo(item.points[2]);
    } else {
      drawn.texts.push_back(item.text);
    }
  }
  return drawn;
}

TEST(Flag, KeepsItsScreenSizeAtAnyZoomAndShowsOneLinePerText) {
  ZORGuiFlagGP flag(ZORMathPointf(ZORMathPoint(1, 2, 3)), 10, 3, 0, 1.0f);
  flag.AssociateTexts({"first", "second"});
  const Drawn near = Draw(flag, 4.0);
  const Drawn far = Draw(flag, 2.0);
  EXPECT_EQ(near.texts, (std::vector<std::string>{"first", "second"}));
  // Twice the pixels per unit: half the model size, the same on the screen.
  EXPECT_NEAR(far.staffLength, 2 * near.staffLength, 1e-9);
  // Two lines of 10 pixels and a margin of a quarter line above and below: 25 pixels.
  EXPECT_NEAR(near.bannerHeight * 4.0, 25.0, 1e-9);

  ZORGuiFlagGP tiny(ZORMathPointf(ZORMathPoint()), 1, 0, 0, 1.0f);
  EXPECT_EQ(tiny.GetTextHeight(), ZORGuiFlagGP::kMinTextHeight);
  ZORRender render(ZORViewport(10, 10, 1.0));
  tiny.ImmediateDraw(render, nullptr, nullptr);
  EXPECT_TRUE(render.GetItems().empty());
}

TEST_F(TemporaryBag, ADirectionSymbolShowsItsArrowUntilItsOwnerLetsItGo) {
  ZORMathDirection up(0, 0, 1);
  ZORMathPoint at(1, 2, 3);
  auto symbol = ZORVar<ZORGuiDirectionSymbol>::Adopt(new ZORGuiDirectionSymbol(nullptr, up, at));
  symbol->AssociateText("N");
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "ZORSt3DISO custom(arrow(1,2,3 dir=0,0,1 size=15,5 \"N\") color=247)"}));
  symbol->RequestDelayedDestruction();
  EXPECT_TRUE(Shown().empty());
  symbol.Detach();

  ZORFrmEditor::SetCurrentEditor(nullptr);
  ZORGuiDirectionSymbol blind(nullptr, up, at);
  blind.AssociateText("N");  // no arrow: nothing to write on
  EXPECT_EQ(blind.GetDrawing(), nullptr);
}

TEST_F(TemporaryBag, AnObjectAgentIsDrawnByTheBagItBuilds) {
  auto agent = ZORMake<ZORWENUIObjectAgent>();
  ZORI3DGeoVisu_var visu(agent.get());
  ASSERT_TRUE(visu);
  ZOR3DRep* rep = visu->GiveRep();
  ASSERT_NE(rep, nullptr);
  EXPECT_EQ(rep, agent->GetBagRep());
  EXPECT_EQ(visu->GiveRep(), rep);  // kept
}

// An axis line through (0, 0, 5) along a segment from (0, 0, 0) to (20, 0, 0), from -2 to 2.
class AxisLine : public TemporaryBag {
 protected:
  AxisLine() {
    ZORDocument& doc = session.Document();
    ZORFeature_var set = doc.CreateTool("GeometricalSet");
    ZORFeature_var a = doc.CreatePoint(0, 0, 0, set.get());
    ZORFeature_var b = doc.CreatePoint(20, 0, 0, set.get());
    reference = doc.CreateFeature("WENLine", set.get());
    reference->SetInput("Start", a.get());
    reference->SetInput("End", b.get());
    ZORFeature_var through = doc.CreatePoint(0, 0, 5, set.get());
    axis = doc.CreateFeature("WENAxisLine", set.get());
    axis->SetInput("Point", through.get());
    axis->SetInput("Reference", reference.get());
    axis->SetValue("Start", -2);
    axis->SetValue("End", 2);
    doc.UpdateAll();
  }
  ~AxisLine() override { ZORWENSettings::GetWENSettings()->SetAxisLineVisuOption(0); }
  const ZOR3DLineRep& Segment() {
    ZORI3DGeoVisu_var visu(ZORSpecObjectOf(axis));
    rep = visu ? visu->BuildRep() : nullptr;
    const auto& bag = dynamic_cast<const ZOR3DBagRep&>(*rep);
    return dynamic_cast<const ZOR3DLineRep&>(*bag.GetChildren().at(0));
  }
  ZORFeature_var reference, axis;
  ZOR3DRep_var rep;
};

TEST_F(AxisLine, IsDrawnBetweenItsLimitsOrFittedToItsReference) {
  const ZOR3DLineRep& own = Segment();
  EXPECT_EQ(own.GetStart(), ZORMathPoint(-2, 0, 5));
  EXPECT_EQ(own.GetEnd(), ZORMathPoint(2, 0, 5));
  EXPECT_FLOAT_EQ(own.GetBoundingElement()->radius, 2.0f);

  ZORWENSettings::GetWENSettings()->SetAxisLineVisuOption(1);
  // The reference's box: diagonal 20, centre (10, 0, 0), projected on the line at (10, 0, 5).
  const ZOR3DLineRep& fitted = Segment();
  EXPECT_EQ(fitted.GetStart(), ZORMathPoint(0, 0, 5));
  EXPECT_EQ(fitted.GetEnd(), ZORMathPoint(20, 0, 5));
  EXPECT_EQ(fitted.GetRGB(), (std::array<int, 3>{255, 255, 255}));

  // The feature's own line properties go on its segment.
  ZORILineicGraphicProperties_var lineic(ZORSpecObjectOf(axis));
  ASSERT_TRUE(lineic);
  lineic->SetColor(200, 10, 0);
  lineic->SetThickness(3);
  lineic->SetLineType(2);
  const ZOR3DLineRep& styled = Segment();
  EXPECT_EQ(styled.GetRGB(), (std::array<int, 3>{200, 10, 0}));
  EXPECT_EQ(styled.GetThickness(), 3);
  EXPECT_EQ(styled.GetLineType(), 2);

  // Only a line representation takes the line attributes.
  ZORVisPropertiesValues values;
  values.SetPick(0);
  ZORGuiAxisLine3DGeoVisuExt ext;
  auto other = ZORMake<ZOR3DCustomRep>();
  ext.SetLineGraphicAttribute(other.get(), ZORVPPick, values);
  EXPECT_FALSE(other->IsNoPick());
  auto line = ZORMake<ZOR3DLineRep>(ZORMathPoint(), ZORMathPoint(1, 0, 0));
  ext.SetLineGraphicAttribute(line.get(), ZORVPPick, values);
  EXPECT_TRUE(line->IsNoPick());
  values.SetColor(0, 128, 255);
  ext.SetLineGraphicAttribute(line.get(), ZORVPColor, values);
  ext.SetLineGraphicAttribute(other.get(), ZORVPColor, values);
  EXPECT_EQ(line->GetRGB(), (std::array<int, 3>{0, 128, 255}));
  EXPECT_EQ(other->GetColor(), -1);
}

TEST_F(AxisLine, WithoutABodyItIsDrawnEmpty) {
  axis->SetInput("Reference", ZORBaseUnknown_var());
  session.Document().UpdateAll();
  ZORI3DGeoVisu_var visu(ZORSpecObjectOf(axis));
  ZOR3DRep_var empty = visu->BuildRep();
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Describe(), "custom()");
}

}  // namespace
