// The example coupling command through the driver: points picked into couplings, the lines
// drawn through them with their names, the profiles' markers, the menus of the frame and of a
// line, and the polylines OK makes.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ExampleCouplingCommand.h"
#include "ZOR3DBagRep.h"
#include "ZOR3DPointRep.h"
#include "ZOR3DVisuHandle.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgList.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCouplingFrame.h"
#include "ZORGuiCouplingPointSymbol.h"
#include "ZORGuiCouplingSymbol.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORISO.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestListener.h"

namespace {

constexpr const char* kList = "CouplingPanel/couplPointsFrame/CouplingList";

class CouplingCommand : public ::testing::Test {
 protected:
  CouplingCommand() {
    ExampleCouplingCommand::Register();
    ZORDocument& doc = session_.Document();
    set_ = doc.CreateTool("GeometricalSet");
    for (const auto& [x, y] : std::vector<std::pair<double, double>>{{0, 0}, {10, 0}, {10, 4}}) {
      points_.push_back(doc.CreatePoint(x, y, 0, set_.get()));
    }
    profile_ = doc.CreateFeature("WENPolyline", set_.get());
    profile_->SetInput("Point1", points_[0].get());
    profile_->SetInput("Point2", points_[1].get());
    profile_->SetInput("Point3", points_[2].get());
    doc.UpdateAll();
    session_.Editor().SetCurrentFeature(set_.get());
    EXPECT_EQ(driver_.StartByName("ExampleCouplingCommand"), S_OK);
    command_ = dynamic_cast<ExampleCouplingCommand*>(driver_.CurrentCommand());
  }
  ~CouplingCommand() override {
    driver_.CancelCurrent();
    driver_.EndTransaction();
  }

  bool Pick(const ZORFeature_var& feature) { return ZORDriverPick::Pick(driver_, feature.get()); }
  std::string Status() const { return driver_.DescribeWidget("CouplingPanel/Status"); }
  int Couplings() const { return static_cast<int>(command_->GetCouplings().size()); }
  ZORISO* ISO() { return session_.Editor().GetISO(); }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORFeature_var set_, profile_;
  std::vector<ZORFeature_var> points_;
  ExampleCouplingCommand* command_ = nullptr;
};

TEST_F(CouplingCommand, ALineThroughTwoPointsIsNamedAtItsMiddleAcrossItsDirection) {
  ASSERT_TRUE(command_);
  ASSERT_TRUE(Pick(points_[0]));
  EXPECT_NE(Status().find("in coupling 1"), std::string::npos) << Status();
  ZORGuiCouplingSymbol* symbol = command_->GetSymbol(1);
  ASSERT_TRUE(symbol);
  // One point: no line yet, nothing drawn.
  EXPECT_FALSE(symbol->GetLine());
  EXPECT_EQ(symbol->GetBag()->GetChildCount(), 0);
  ASSERT_TRUE(Pick(points_[1]));
  ASSERT_TRUE(symbol->GetLine());
  // Along x: the name at (5, 0, 0), read along a unit direction square to x.
  const ZORMathPointf& at = symbol->GetTextPosition();
  EXPECT_NEAR(at.GetX(), 5.0, 1e-6);
  EXPECT_NEAR(at.GetY(), 0.0, 1e-6);
  const ZORMathDirection& across = symbol->GetTextDirection();
  EXPECT_FALSE(std::isnan(across.GetX()) || std::isnan(across.GetY()) || std::isnan(across.GetZ()));
  EXPECT_NEAR(across.Norm(), 1.0, 1e-12);
  EXPECT_NEAR(across.GetX(), 0.0, 1e-12);
  // One edge and the name; a redraw replaces them instead of adding.
  EXPECT_EQ(symbol->GetBag()->GetChildCount(), 2);
  EXPECT_EQ(symbol->GetBag()->GetColor(), ZORGuiCouplingSymbol::kColor);
  symbol->SetText("Renamed");
  symbol->SetNoPick(1);
  EXPECT_EQ(symbol->GetBag()->GetChildCount(), 2);
  EXPECT_TRUE(symbol->GetBag()->IsNoPick());
  for (const ZOR3DRep_var& child : symbol->GetBag()->GetChildren()) EXPECT_TRUE(child->IsNoPick());
  EXPECT_NE(symbol->GetBag()->Describe().find("Renamed"), std::string::npos);
  ASSERT_TRUE(Pick(points_[2]));
  EXPECT_EQ(symbol->GetBag()->GetChildCount(), 3);  // two edges and the name
  EXPECT_NE(symbol->GetBag()->Describe().find("Coupling1"), std::string::npos);
  int id = 0;
  EXPECT_EQ(symbol->GetId(id), S_OK);
  EXPECT_EQ(id, 1);
}

TEST_F(CouplingCommand, AFeatureWithoutBodyDoesNotCountTowardsALine) {
  auto owned = ZORMake<ZORGuiCouplingSymbol>(nullptr);
  ZORGuiCouplingSymbol& symbol = *owned;
  int id = 5;
  EXPECT_EQ(symbol.GetId(id), E_FAIL);
  EXPECT_EQ(id, 0);
  ZORFeature_var bodiless = session_.Document().CreateFeature("WENPoint", set_.get());
  symbol.SetCouplingPoints({ZORSpecObjectOf(points_[0]), ZORSpecObjectOf(bodiless)});
  EXPECT_FALSE(symbol.GetLine());
  symbol.SetCouplingPoints(
      {ZORSpecObjectOf(points_[0]), ZORSpecObjectOf(bodiless), ZORSpecObjectOf(points_[2])});
  ASSERT_TRUE(symbol.GetLine());
  const ZORBody_var line = symbol.GetLine();
  // A coupling of one body keeps the line drawn before.
  symbol.SetCouplingPoints({ZORSpecObjectOf(points_[1])});
  EXPECT_EQ(symbol.GetLine().get(), line.get());
  EXPECT_EQ(symbol.GetBag()->GetChildCount(), 2);
  symbol.Destroy();
  symbol.Destroy();
  EXPECT_EQ(symbol.GetHandle(), nullptr);
  EXPECT_EQ(ISO()->IsMember(symbol.GetBag()), 0);
}

// The name reads square to the line and to the axis the line leans on least; ties go to the
// earlier axis, so the same line is always named the same way.
TEST_F(CouplingCommand, TheNameIsSquareToTheLineAndToTheAxisItLeansOnLeast) {
  struct Case {
    ZORMathVector along;
    ZORMathVector across;
  };
  const Case cases[] = {{{1, 1, 2}, {0, 2, -1}},   // x and y lean least alike: x
                        {{2, 4, 1}, {4, -2, 0}},   // z
                        {{2, 1, 1}, {-1, 0, 2}}};  // y and z alike: y
  ZORDocument& doc = session_.Document();
  for (const Case& c : cases) {
    ZORFeature_var end =
        doc.CreatePoint(c.along.GetX(), c.along.GetY(), c.along.GetZ(), set_.get());
    doc.UpdateAll();
    auto symbol = ZORMake<ZORGuiCouplingSymbol>(nullptr);
    symbol->SetCouplingPoints({ZORSpecObjectOf(points_[0]), ZORSpecObjectOf(end)});
    ASSERT_TRUE(symbol->GetLine());
    const ZORMathDirection expected(c.across);
    const ZORMathDirection& across = symbol->GetTextDirection();
    EXPECT_NEAR(across.GetX(), expected.GetX(), 1e-9) << c.along.GetX() << c.along.GetY();
    EXPECT_NEAR(across.GetY(), expected.GetY(), 1e-9) << c.along.GetX() << c.along.GetY();
    EXPECT_NEAR(across.GetZ(), expected.GetZ(), 1e-9) << c.along.GetX() << c.along.GetY();
    symbol->Destroy();
  }
}

TEST_F(CouplingCommand, TheFrameMenuAddsAndRemovesCouplingsAroundTheSelectedOne) {
  ASSERT_TRUE(driver_.Menu(kList, 0, "CouplingAddItem"));
  ASSERT_TRUE(Pick(points_[0]));
  ASSERT_TRUE(driver_.Menu(kList, 0, "CouplingAddBeforeItem"));
  ASSERT_TRUE(Pick(points_[1]));
  ASSERT_EQ(Couplings(), 2);
  // The new coupling stands first and took the pick.
  EXPECT_EQ(command_->GetCouplings()[0][1]->GetImpl(), points_[1]->GetImpl());
  EXPECT_EQ(command_->GetCouplings()[1][1]->GetImpl(), points_[0]->GetImpl());
  ASSERT_TRUE(driver_.Menu(kList, 0, "CouplingAddAfterItem"));
  ASSERT_EQ(Couplings(), 3);
  EXPECT_TRUE(command_->GetCouplings()[1].IsEmpty());
  ASSERT_TRUE(driver_.Menu(kList, 2, "CouplingRemoveItem"));
  // The third, which held the first point, is gone.
  ASSERT_EQ(Couplings(), 2);
  EXPECT_EQ(command_->GetCouplings()[0][1]->GetImpl(), points_[1]->GetImpl());
  EXPECT_TRUE(command_->GetCouplings()[1].IsEmpty());
  EXPECT_EQ(driver_.ListAt(kList)->GetLineCount(), 2);
  // The lines follow the rows.
  int id = 0;
  EXPECT_EQ(command_->GetSymbol(2)->GetId(id), S_OK);
  EXPECT_EQ(id, 2);
  ASSERT_TRUE(driver_.Menu(kList, 0, "CouplingRemoveAllItem"));
  EXPECT_EQ(Couplings(), 0);
  EXPECT_EQ(driver_.ListAt(kList)->GetLineCount(), 1);
}

TEST_F(CouplingCommand, EditingShowsThePointsAndHidingLinesTakesThemOutOfTheView) {
  ASSERT_TRUE(Pick(points_[0]));
  ASSERT_TRUE(Pick(points_[1]));
  ASSERT_TRUE(driver_.DoubleClickLine(kList, 0));
  EXPECT_NE(Status().find("editing coupling 1"), std::string::npos) << Status();
  EXPECT_EQ(driver_.ListAt("ZORGuiCouplingPanel/CouplPointsList")->GetLineCount(), 2);
  ASSERT_TRUE(driver_.ClickLine("ZORGuiCouplingPanel/CouplPointsList", 1));
  EXPECT_NE(Status().find("point 2 of coupling 1"), std::string::npos) << Status();
  // A selection emptied names no point.
  ASSERT_TRUE(driver_.SelectLines("ZORGuiCouplingPanel/CouplPointsList", {}));
  EXPECT_NE(Status().find("point 2 of coupling 1"), std::string::npos) << Status();
  const int shown = ISO()->GetSize();
  ASSERT_TRUE(driver_.Check("CouplingPanel/couplPointsFrame/ShowCouplLines", false));
  EXPECT_EQ(command_->GetSymbol(1), nullptr);
  driver_.EndTransaction();
  EXPECT_EQ(ISO()->GetSize(), shown - 1);
  ASSERT_TRUE(driver_.Check("CouplingPanel/couplPointsFrame/ShowCouplLines", true));
  ASSERT_TRUE(command_->GetSymbol(1));
  EXPECT_TRUE(command_->GetSymbol(1)->GetLine());
}

TEST_F(CouplingCommand, ALineIsClickedToEditAndRemovedFromEachOfItsMenus) {
  ASSERT_TRUE(Pick(points_[0]));
  ASSERT_TRUE(Pick(points_[1]));
  ASSERT_TRUE(driver_.Menu(kList, 0, "CouplingAddItem"));
  ASSERT_TRUE(Pick(points_[1]));
  ASSERT_TRUE(Pick(points_[2]));
  ZORHandleDriver handles(driver_);
  ASSERT_EQ(handles.ShownHandles().size(), 2u);
  ASSERT_TRUE(handles.Click(1));
  EXPECT_NE(Status().find("coupling 1 clicked"), std::string::npos) << Status();
  int row = 0;
  command_->GetCouplingFrame()->GetSelected(row);
  EXPECT_EQ(row, 1);
  // The first menu is left; the second, a fresh one, gets the item too.
  ASSERT_TRUE(handles.Context(2));
  ASSERT_TRUE(handles.Context(2, "RemoveCoupling"));
  ASSERT_EQ(Couplings(), 1);
  EXPECT_EQ(command_->GetCouplings()[0][2]->GetImpl(), points_[1]->GetImpl());
}

TEST_F(CouplingCommand, AProfileIsDrawnWithAMarkerPerVertexShapedByItsKind) {
  ASSERT_TRUE(Pick(profile_));
  ASSERT_EQ(command_->GetProfiles().size(), 1u);
  ZORGuiCouplingPointSymbol* profile = command_->GetProfiles()[0];
  ASSERT_TRUE(profile->GetShown());
  auto* bag = dynamic_cast<ZOR3DBagRep*>(profile->GetShown()->GetRep());
  ASSERT_TRUE(bag);
  EXPECT_EQ(bag->GetColor(), ZORGuiCouplingPointSymbol::kColor);
  std::vector<int> symbols;
  for (const ZOR3DRep_var& child : bag->GetChildren()) {
    if (auto* marker = dynamic_cast<ZOR3DPointRep*>(child.get())) {
      symbols.push_back(marker->GetSymbol());
    }
  }
  EXPECT_EQ(symbols, (std::vector<int>{6, 4, 12}));
  EXPECT_EQ(bag->GetChildCount(), 5);  // two edges, three markers
  // Unequal lists are refused and the drawing stays; an unknown kind gets the default marker.
  EXPECT_EQ(profile->SetPoints({ZORMathPoint(1, 1, 1)}, {}), E_INVALIDARG);
  EXPECT_EQ(profile->GetShown()->GetRep(), bag);
  EXPECT_EQ(profile->SetPoints({ZORMathPoint(1, 1, 1)}, {7}), S_OK);
  auto* redrawn = dynamic_cast<ZOR3DBagRep*>(profile->GetShown()->GetRep());
  ASSERT_TRUE(redrawn);
  EXPECT_NE(redrawn, bag);
  EXPECT_EQ(dynamic_cast<ZOR3DPointRep*>(redrawn->GetChildren().back().get())->GetSymbol(), 5);
  EXPECT_EQ(ISO()->IsMember(profile->GetShown()), 1);
}

TEST_F(CouplingCommand, OKMakesAPolylinePerCouplingOfTwoPoints) {
  driver_.PressOK();
  // Nothing to make: the command stays.
  EXPECT_EQ(driver_.CurrentCommand(), command_);
  EXPECT_NE(Status().find("no coupling has two points"), std::string::npos);
  ASSERT_TRUE(Pick(points_[0]));
  ASSERT_TRUE(Pick(points_[2]));
  ASSERT_TRUE(driver_.Menu(kList, 0, "CouplingAddItem"));
  ASSERT_TRUE(Pick(points_[1]));
  ASSERT_TRUE(driver_.PressOK());
  EXPECT_EQ(driver_.CurrentCommand(), nullptr);
  const std::string dump = driver_.DumpDocument();
  EXPECT_NE(dump.find("Polyline.2"), std::string::npos) << dump;
  EXPECT_EQ(dump.find("Polyline.3"), std::string::npos) << dump;
  // The lines and markers went with the command.
  driver_.EndTransaction();
  EXPECT_EQ(ZORHandleDriver(driver_).ShownHandles().size(), 0u);
}

}  // namespace
