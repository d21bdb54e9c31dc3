// The implicit law in the law panel, through the example law command: a support and points
// picked, their values typed in the row editor, the interpolation chosen, a point removed from
// the list's menu, and what the viewer, the list and the command show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleLawCommand.h"
#include "ZORDlgMultiList.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORGuiBasicLawPanel.h"
#include "ZORHostSession.h"
#include "ZORIWENIntegratedLaw.h"
#include "ZORNavigation2DViewer.h"
#include "ZORParmDictionary.h"
#include "ZORTestGeometricalSet.h"
#include "ZORWENUIMultiList.h"

namespace {

constexpr const char* kPanel = "ZORGuiBasicLawPanel";
constexpr const char* kList = "ZORGuiBasicLawPanel/FrameImplicitLaw/MultiListPointsParams";
constexpr const char* kRowEditor =
    "ZORGuiBasicLawPanel/FrameImplicitLaw/FrameParamRadiusList/FraParamImp";

class ImplicitLawPanel : public ::testing::Test {
 protected:
  ImplicitLawPanel() {
    ExampleLawCommand::Register();
    // An L of two 10 mm segments; points at 0.75, 0.1 and 0.5 of it, picked in that order.
    support_ = geometry_.Polyline({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
    for (const auto& [x, y] : {std::pair{10.0, 5.0}, {2.0, 0.0}, {10.0, 0.0}}) {
      points_.push_back(geometry_.Point(x, y, 0));
    }
    doc().UpdateAll();
    session_.Editor().SetCurrentFeature(geometry_.Set());
    EXPECT_EQ(driver_.StartByName("ExampleLawCommand"), S_OK);
    command_ = dynamic_cast<ExampleLawCommand*>(driver_.CurrentCommand());
  }
  ~ImplicitLawPanel() override { driver_.EndTransaction(); }

  ZORDocument& doc() { return session_.Document(); }
  ZORGuiBasicLawPanel* Panel() const { return command_ ? command_->GetLawPanel() : nullptr; }
  std::string Status() const { return driver_.DescribeWidget("LawCommand/Status"); }
  ZORDlgMultiList* Rows() const { return dynamic_cast<ZORDlgMultiList*>(driver_.ListAt(kList)); }
  std::string Cell(int column, int row) const {
    return Rows() ? Rows()->GetColumnItem(column, row).str() : "";
  }
  ZORIWENIntegratedLaw_var Law() const {
    return command_ ? ZORIWENIntegratedLaw_var(command_->GiveMyFeature()) : nullptr;
  }
  // The value sampled at t = i / 100 (the panel's default step).
  double At(int i) const { return Panel()->GetSamples().at(static_cast<std::size_t>(i)); }
  // Implicit type, the support and the three points picked.
  void PickAll() {
    ASSERT_TRUE(driver_.Type(std::string(kPanel) + "/FraParam1", "10"));
    ASSERT_TRUE(driver_.Click(std::string(kPanel) + "/ImplicitBut"));
    ASSERT_TRUE(ZORDriverPick::PickInTree(driver_, support_.get()));
    EXPECT_NE(Status().find("support Polyline.1"), std::string::npos) << Status();
    for (const ZORFeature_var& point : points_) {
      ASSERT_TRUE(ZORDriverPick::PickInTree(driver_, point.get()));
    }
  }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORTestGeometricalSet geometry_{session_.Document()};
  ZORFeature_var support_;
  std::vector<ZORFeature_var> points_;
  ExampleLawCommand* command_ = nullptr;
};

TEST_F(ImplicitLawPanel, TheFrameLivesWithTheImplicitTypeOnly) {
  ASSERT_TRUE(Panel());
  EXPECT_FALSE(driver_.Find(std::string(kPanel) + "/FrameImplicitLaw"));
  ASSERT_TRUE(driver_.Click(std::string(kPanel) + "/ImplicitBut"));
  EXPECT_NE(Status().find("type 5"), std::string::npos) << Status();
  ASSERT_TRUE(Rows());
  EXPECT_EQ(Rows()->GetColumnTitle(0).str(), "Num");
  EXPECT_EQ(Rows()->GetColumnTitle(2).str(), "Radius");
  EXPECT_EQ(Rows()->GetVisibleLineCount(), 5);
  // Until a row is chosen the editor shows the panel's own inactive "Radius".
  EXPECT_NE(driver_.DescribeWidget(kRowEditor).find("insensitive"), std::string::npos)
      << driver_.DescribeWidget(kRowEditor);
  EXPECT_EQ(Panel()->GetImplicitLawInterpoMode(), 1);
  EXPECT_EQ(Panel()->GetListSelectedLine(), 0);
  EXPECT_NE(driver_.DescribeWidget(std::string(kPanel) + "/InvButton").find("insensitive"),
            std::string::npos);
  // Stacked under the inversion button in the layout the command asked for.
  EXPECT_NE(Panel()->DescribeAttachments().find("V5=5:FrameImplicitLaw"), std::string::npos)
      << Panel()->DescribeAttachments();
  ASSERT_TRUE(driver_.Click(std::string(kPanel) + "/LinearBut"));
  EXPECT_FALSE(driver_.Find(std::string(kPanel) + "/FrameImplicitLaw"));
  EXPECT_EQ(Panel()->DescribeAttachments().find("FrameImplicitLaw"), std::string::npos);
  EXPECT_EQ(Panel()->GetImplicitLawInterpoMode(), 1);
  EXPECT_EQ(Panel()->GetListSelectedLine(), 0);
}

TEST_F(ImplicitLawPanel, RowsShowThePointsAlongTheSupportAndTheLawRunsThroughThem) {
  PickAll();
  ASSERT_TRUE(Rows());
  ASSERT_EQ(Rows()->GetLineCount(), 3);
  // Picked at 0.75, 0.1, 0.5: rows in support order.
  EXPECT_EQ(Panel()->GetMappingList().std(), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(Cell(0, 0), "1");
  EXPECT_EQ(Cell(0, 2), "3");
  EXPECT_EQ(Cell(1, 0), "Point.5");
  EXPECT_EQ(Cell(1, 2), "Point.4");
  EXPECT_EQ(Cell(2, 1), "10mm");
  for (double v : Panel()->GetSamples()) EXPECT_EQ(v, 10.0);

  // The second row (the point at 0.5) set to 20, the last (0.75) to 30.
  ASSERT_TRUE(driver_.ClickLine(kList, 1));
  EXPECT_NE(Status().find("row of point 3"), std::string::npos) << Status();
  EXPECT_EQ(Panel()->GetListSelectedLine(), 3);
  ASSERT_TRUE(driver_.Type(kRowEditor, "20"));
  EXPECT_EQ(Cell(2, 1), "20mm");
  ASSERT_TRUE(driver_.ClickLine(kList, 2));
  ASSERT_TRUE(driver_.Type(kRowEditor, "30"));
  EXPECT_EQ(Cell(2, 2), "30mm");
  EXPECT_EQ(At(0), 10.0);  // before the first point the law holds its value
  EXPECT_NEAR(At(30), 15.0, 1e-9);
  EXPECT_NEAR(At(50), 20.0, 1e-9);
  EXPECT_NEAR(At(60), 24.0, 1e-9);
  EXPECT_NEAR(Panel()->GetSamples().back(), 30.0, 1e-9);
  double low = 0, high = 0;
  Panel()->GetRange(low, high);
  EXPECT_EQ(low, 10.0);
  EXPECT_NEAR(high, 30.0, 1e-9);

  // Cubic: through the same points, another curve between them.
  ASSERT_TRUE(driver_.SelectInCombo(
      std::string(kPanel) + "/FrameImplicitLaw/FrameTempoParam/ComboInterpoMode", 1));
  EXPECT_NE(Status().find("interpolation 2"), std::string::npos) << Status();
  EXPECT_EQ(Law()->GetInterpolationMode(), 2);
  EXPECT_EQ(Panel()->GetImplicitLawInterpoMode(), 2);
  EXPECT_NEAR(At(50), 20.0, 1e-9);
  EXPECT_GT(std::abs(At(30) - 15.0), 1e-3);
  // The row chosen stays chosen across the filling.
  EXPECT_EQ(Panel()->GetListSelectedLine(), 1);
}

TEST_F(ImplicitLawPanel, PointsAreRemovedFromTheMenuWhileMoreThanTwoRemain) {
  PickAll();
  EXPECT_TRUE(Panel()->GetRowsNotToRemove().IsEmpty());
  ASSERT_TRUE(driver_.Menu(kList, 0, "RemoveItem"));
  EXPECT_NE(Status().find("removed point 2"), std::string::npos) << Status();
  ASSERT_EQ(Rows()->GetLineCount(), 2);
  EXPECT_EQ(Cell(1, 0), "Point.6");
  EXPECT_EQ(Panel()->GetMappingList().std(), (std::vector<int>{2, 1}));
  // Two left: both rows protected, the item insensitive, nothing removed.
  EXPECT_EQ(Panel()->GetRowsNotToRemove().std(), (std::vector<int>{2, 1}));
  EXPECT_FALSE(driver_.Menu(kList, 1, "RemoveItem"));
  EXPECT_EQ(Rows()->GetLineCount(), 2);
  // Without a chosen row a selection callback has nothing to tell.
  Rows()->ClearSelect();
  Panel()->SelInPointsParamsList(nullptr, nullptr, nullptr);
  EXPECT_NE(Status().find("removed point 2"), std::string::npos) << Status();
  EXPECT_EQ(Panel()->GetListSelectedLine(), 0);
  ZORListValZORISpecObject_var points, parameters;
  Law()->GetImplicitLawPoints(points, parameters);
  EXPECT_EQ(points.Size(), 2);
}

TEST_F(ImplicitLawPanel, AValueChangeRedrawsOnceHoweverOftenThePanelWasFilled) {
  PickAll();
  auto* viewer =
      dynamic_cast<ZORNavigation2DViewer*>(driver_.Find(std::string(kPanel) + "/LawViewer"));
  ASSERT_TRUE(viewer);
  ZORListValZORISpecObject_var points, parameters;
  Law()->GetImplicitLawPoints(points, parameters);
  ZORICkeParm_var value{ZORBaseUnknown_var(parameters[1].get())};
  ASSERT_TRUE(value);
  const int before = viewer->GetRedrawCount();
  ASSERT_EQ(value->Valuate(40), S_OK);
  EXPECT_EQ(viewer->GetRedrawCount(), before + 1);
  EXPECT_EQ(Cell(2, 2), "40mm");
  // OK: the law stays with its points, the panel and its subscriptions go.
  ASSERT_TRUE(driver_.PressOK());
  command_ = nullptr;
  driver_.EndTransaction();
  EXPECT_EQ(value->Valuate(50), S_OK);
  EXPECT_NE(driver_.DumpDocument().find("Point1"), std::string::npos);
}

TEST_F(ImplicitLawPanel, AnotherTypeFilledInForgetsTheImplicitFrameAndItsValues) {
  PickAll();
  auto* viewer =
      dynamic_cast<ZORNavigation2DViewer*>(driver_.Find(std::string(kPanel) + "/LawViewer"));
  ASSERT_TRUE(viewer);
  ZORListValZORISpecObject_var points, parameters;
  Law()->GetImplicitLawPoints(points, parameters);
  Law()->SetLawType(ZORWENSTypeLaw);
  Panel()->RefreshPanel(Law());
  EXPECT_FALSE(driver_.Find(std::string(kPanel) + "/FrameImplicitLaw"));
  EXPECT_EQ(Panel()->DescribeAttachments().find("FrameImplicitLaw"), std::string::npos);
  EXPECT_TRUE(Panel()->GetMappingList().IsEmpty());
  EXPECT_EQ(driver_.DescribeWidget(std::string(kPanel) + "/InvButton").find("insensitive"),
            std::string::npos);
  const int redraws = viewer->GetRedrawCount();
  ASSERT_EQ(ZORICkeParm_var(ZORBaseUnknown_var(parameters[1].get()))->Valuate(3), S_OK);
  EXPECT_EQ(viewer->GetRedrawCount(), redraws);
}

TEST_F(ImplicitLawPanel, AnEditionListsThePointsWithoutTellingTheCommand) {
  PickAll();
  ASSERT_TRUE(driver_.ClickLine(kList, 2));
  ZORFeature_var law(ZORFeature::From(Law().get()));
  ASSERT_TRUE(law);
  ASSERT_TRUE(driver_.PressOK());
  command_ = nullptr;
  driver_.EndTransaction();
  session_.Editor().SetCurrentFeature(law.get());
  ASSERT_EQ(driver_.StartByName("ExampleLawEdition"), S_OK);
  command_ = dynamic_cast<ExampleLawCommand*>(driver_.CurrentCommand());
  ASSERT_TRUE(Panel());
  EXPECT_EQ(Panel()->GetBasicLawType(), ZORWENImplicitLaw);
  ASSERT_TRUE(Rows());
  EXPECT_EQ(Rows()->GetLineCount(), 3);
  EXPECT_EQ(Cell(1, 0), "Point.5");
  // A new panel: no row chosen yet, the first one shown; the command heard nothing.
  EXPECT_EQ(Panel()->GetListSelectedLine(), 2);
  EXPECT_EQ(Status().find("row"), std::string::npos) << Status();
  EXPECT_EQ(Status().find("type"), std::string::npos) << Status();
}

TEST_F(ImplicitLawPanel, AClosedSupportKeepsItsInterpolation) {
  // The L closed by a segment back to its start, assembled into one wire.
  ZORFeature_var back = doc().CreateFeature("WENPolyline", geometry_.Set());
  back->SetInput("Point1", ZORBaseUnknown_var(support_->GetInput("Point3")));
  back->SetInput("Point2", ZORBaseUnknown_var(support_->GetInput("Point1")));
  ZORFeature_var loop = doc().CreateFeature("WENAssemble", geometry_.Set());
  loop->SetInput("Element1", ZORBaseUnknown_var(support_.get()));
  loop->SetInput("Element2", ZORBaseUnknown_var(back.get()));
  doc().UpdateAll();
  const std::string combo =
      std::string(kPanel) + "/FrameImplicitLaw/FrameTempoParam/ComboInterpoMode";
  ASSERT_TRUE(driver_.Click(std::string(kPanel) + "/ImplicitBut"));
  ASSERT_TRUE(ZORDriverPick::PickInTree(driver_, support_.get()));
  EXPECT_EQ(driver_.DescribeWidget(combo).find("insensitive"), std::string::npos);
  ASSERT_TRUE(ZORDriverPick::PickInTree(driver_, loop.get()));
  EXPECT_NE(Status().find("support Assemble.1"), std::string::npos) << Status();
  EXPECT_NE(driver_.DescribeWidget(combo).find("insensitive"), std::string::npos)
      << driver_.DescribeWidget(combo);
  EXPECT_FALSE(driver_.SelectInCombo(combo, 1));
  EXPECT_EQ(Law()->GetInterpolationMode(), 1);
}

TEST(ImplicitLawPanelAlone, RowsToKeepAndTheFrameWithoutLawOrMode) {
  ZORHostSession session;
  ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
  ZORICkeParm_var start = factory->CreateLength("S", 1);
  ZORICkeParm_var end = factory->CreateLength("E", 2);
  // Without implicit creation mode there is no implicit button, and the type cannot be shown.
  auto* plain = new ZORGuiBasicLawPanel(nullptr, 0);
  ASSERT_EQ(plain->BuildPanel(start, end, ZORWENLinearLaw, ZORWENAdvancedLaw), 1);
  EXPECT_FALSE(plain->FindChild("FrameBoutons/ImplicitBut"));
  plain->SetBasicLawType(ZORWENImplicitLaw, 1);
  EXPECT_EQ(plain->GetBasicLawType(), ZORWENLinearLaw);
  plain->Destroy();

  auto* panel = new ZORGuiBasicLawPanel(nullptr, 0);
  panel->SetWithImplicitLawCreationMode(1);
  ASSERT_EQ(panel->BuildPanel(start, end, ZORWENImplicitLaw, ZORWENAdvancedLaw), 1);
  // Built with the implicit type checked: the frame comes with the first user change only.
  ZORRawCollint indices = {0, 1, 5};
  panel->SetListElemToNotRemove(indices);
  EXPECT_TRUE(panel->GetRowsNotToRemove().IsEmpty());
  EXPECT_EQ(panel->GetListSelectedLine(), 0);
  panel->BuildImplicitLawCreationFrame();
  ASSERT_TRUE(panel->FindChild("FrameImplicitLaw/MultiListPointsParams"));
  // No law point yet: an implicit law without feature is flat at 0.
  panel->DrawLawViewer(1);
  for (double v : panel->GetSamples()) EXPECT_EQ(v, 0.0);
  panel->ResetHighlight();
  panel->RefreshPanel(nullptr);
  panel->Destroy();
}

}  // namespace
