// The preview command and its sites through the example point-along-line command: what the
// view shows, what the selector and the clicks choose, and what is left after OK or Cancel.

#include <gtest/gtest.h>

#include <string>

#include "ExamplePointAlongLineCommand.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORFaultGate.h"
#include "ZORFrmEditor.h"
#include "ZORFrmLayout.h"
#include "ZORGeoFactory.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORISO.h"
#include "ZORWENUIPreviewSite.h"

namespace {

// A preview command on any feature, without panel widgets of its own.
class PlainPreview : public ZORWENUIPreviewCommand {
 public:
  explicit PlainPreview(ZORFeature* feature) : ZORWENUIPreviewCommand("PlainPreview", 0) {
    SetMyFeature(ZORISpecObject_var(ZORBaseUnknown_var(feature)));
    panel_ = new ZORDlgDialog(nullptr, "PlainPanel");
  }
  ~PlainPreview() override { panel_->Destroy(); }
  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  HRESULT CreationJournal(const ZORISpecObject_var&, const ZORISpecObject_var&) override {
    return S_OK;
  }
  void AdjustData(int solution) override { adjusted += std::to_string(solution); }
  std::string adjusted;

 private:
  ZORDlgDialog* panel_;
};

class Preview : public ::testing::Test {
 protected:
  Preview() {
    ExamplePointAlongLineCommand::Register();
    ZORDocument& doc = session_.Document();
    set_ = doc.CreateTool("GeometricalSet");
    line_ = doc.CreateFeature("WENLine", set_.get());
    line_->SetInput("Start", doc.CreatePoint(0, 0, 0, set_.get()).get());
    line_->SetInput("End", doc.CreatePoint(0, 0, 10, set_.get()).get());
    point_ = doc.CreatePoint(5, 5, 0, set_.get());
    doc.UpdateAll();
    factory_ = ZORGeoFactory::GetFactoryOf(doc.GetContainer());
    bodies_ = factory_->GetBodyCount();
    session_.Editor().SetCurrentFeature(line_.get());
  }
  ~Preview() override { driver_.EndTransaction(); }

  ExamplePointAlongLineCommand* Start() {
    EXPECT_EQ(driver_.StartByName("ExamplePointAlongLineCommand"), S_OK);
    auto* command = dynamic_cast<ExamplePointAlongLineCommand*>(driver_.CurrentCommand());
    EXPECT_TRUE(command && ZORDriverPick::Pick(driver_, point_.get()));
    return command;
  }
  std::string Shown() {
    std::string all;
    for (const std::string& line : session_.Editor().GetISO()->Describe()) all += line + "\n";
    return all;
  }
  std::string Status() const { return driver_.DescribeWidget("PointAlongLinePanel/Status"); }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORFeature_var set_, line_, point_;
  ZORGeoFactory_var factory_;
  int bodies_ = 0;
};

TEST_F(Preview, BothSolutionsAreNumberedSitesAndTheCurrentOneStandsOut) {
  ExamplePointAlongLineCommand* command = Start();
  ASSERT_EQ(command->GetNbSol(), 2);
  EXPECT_EQ(factory_->GetBodyCount(), bodies_ + 2);
  EXPECT_NE(Shown().find("point(5,5,10) color=251; custom(text(5,5,10 \"1\"))"), std::string::npos)
      << Shown();
  EXPECT_NE(Shown().find("point(5,5,-10) color=245; custom(text(5,5,-10 \"(2)\"))"),
            std::string::npos)
      << Shown();
  int* orientations = nullptr;
  command->GetCurrentOrientations(orientations);
  ASSERT_TRUE(orientations);
  EXPECT_EQ(orientations[0], 1);
  EXPECT_EQ(orientations[1], -1);
  // The busy cursor went with the computation.
  EXPECT_EQ(ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer()->GetCursor(),
            ZORViewer::kArrowCursor);
}

TEST_F(Preview, NextAndPreviousWrapAndASiteClickIsTakenAtOnce) {
  ExamplePointAlongLineCommand* command = Start();
  command->NextSol();
  EXPECT_EQ(command->GetCurrentSol(), 1);
  command->NextSol();
  EXPECT_EQ(command->GetCurrentSol(), 0);
  command->PreviousSol();
  EXPECT_EQ(command->GetCurrentSol(), 1);
  EXPECT_NE(Status().find("solution 2 of 2"), std::string::npos) << Status();
  // The pointer clicks the first site: taken by the command within the click.
  ASSERT_TRUE(ZORHandleDriver(driver_).Click(1));
  EXPECT_EQ(command->GetCurrentSol(), 0);
  for (ZORWENUIPreviewSite* site : command->GetSites()) EXPECT_EQ(site->ChangeState(), 0);
  EXPECT_NE(Status().find("solution 1 of 2"), std::string::npos) << Status();
  EXPECT_NE(driver_.DescribeWidget("PointAlongLinePanel").find("text=\"1\""), std::string::npos);
}

TEST_F(Preview, NeitherOkNorCancelLeavesASiteOrASolutionBody) {
  Start();
  ASSERT_TRUE(driver_.PressOK());
  driver_.EndTransaction();
  EXPECT_EQ(driver_.CurrentCommand(), nullptr);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(factory_->GetBodyCount(), bodies_);
  EXPECT_NE(driver_.DumpDocument().find("PointAlongLine.1 [WENPointAlongLine] Point=Point.3 "
                                        "Line=Line.1 Solution=0"),
            std::string::npos)
      << driver_.DumpDocument();

  session_.Editor().SetCurrentFeature(line_.get());
  Start();
  ASSERT_TRUE(driver_.PressCancel());
  driver_.EndTransaction();
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(factory_->GetBodyCount(), bodies_);
}

TEST_F(Preview, AFeatureWithoutSolutionsGivesNoSiteAndStepsNowhere) {
  PlainPreview plain(point_.get());
  plain.PreviewSolutions();
  EXPECT_EQ(plain.GetNbSol(), 0);
  EXPECT_TRUE(plain.GetSites().empty());
  plain.PreviousSol();
  plain.NextSol();
  EXPECT_EQ(plain.GetCurrentSol(), 0);
  int* orientations = &bodies_;
  plain.GetCurrentOrientations(orientations);
  EXPECT_EQ(orientations, nullptr);
  EXPECT_EQ(plain.adjusted, "0");  // PreviewSolutions only
}

TEST_F(Preview, AComputationThatFailsHalfWayLeavesNoBodyBehind) {
  ZORFeature_var along = session_.Document().CreateFeature("WENPointAlongLine");
  along->SetInput("Line", line_.get());
  PlainPreview plain(along.get());
  plain.PreviewSolutions();  // no point yet: an error, flushed
  EXPECT_EQ(plain.GetNbSol(), 0);
  along->SetInput("Point", point_.get());
  for (long k = 1; k < 40; ++k) {
    plain.RemoveSites();
    ZORFaultGate::Arm(k);
    plain.PreviewSolutions();
    const bool fired = ZORFaultGate::Fired();
    ZORFaultGate::Disarm();
    // Whatever failed, the factory holds exactly the solutions the command knows.
    EXPECT_EQ(factory_->GetBodyCount(), bodies_ + plain.GetNbSol()) << "fault at call " << k;
    EXPECT_EQ(static_cast<int>(plain.GetSites().size()), plain.GetNbSol());
    if (!fired) break;
  }
  EXPECT_EQ(plain.GetNbSol(), 2);
  plain.RemoveSites();
  EXPECT_EQ(factory_->GetBodyCount(), bodies_);
}

}  // namespace
