#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORDriver.h"
#include "ZORExternalObjectRegistry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoDatumServices.h"
#include "ZORIInterrupt.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIWENFeatureType.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORSpecObjectOf.h"
#include "ZORSysLogAbend.h"
#include "ZORTestFeatureCommand.h"
#include "ZORWENMSManager.h"
#include "ZORWENSettings.h"
#include "ZORWENUIDialog.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIUpdateErrorMS.h"

namespace {

using Options = ZORTestFeatureCommand::Options;

class OkPath : public ::testing::Test {
 protected:
  OkPath() {
    set = doc().CreateTool("GeometricalSet");
    origin = doc().CreatePoint(0, 0, 0, set.get());
    doc().UpdateAll();
    session.Editor().SetCurrentFeature(origin.get());
  }
  ~OkPath() override { Type("WENLine").ClearFailures(); }

  ZORDocument& doc() { return session.Document(); }
  static ZORFeatureType& Type(const char* name) {
    return *ZORFeatureTypeRegistry::Get().Find(name);
  }
  ZORTestFeatureCommand* Start(Options options) {
    ZORTestFeatureCommand* command = nullptr;
    driver.Start([&] { return command = new ZORTestFeatureCommand(options); });
    return command;
  }
  // Runs `act` as the command's reaction to a click of its button.
  void Act(ZORTestFeatureCommand* command, std::function<void(ZORTestFeatureCommand&)> act) {
    command->OnAct(std::move(act));
    ASSERT_TRUE(driver.Click("TestPanel/Act"));
  }
  // A multi-selection of lines from `starts` to the origin, in the set, its results made.
  ZORFeature_var MultiSelOfLines(const std::vector<ZORFeature*>& starts) {
    auto* manager = new ZORWENMSManager(ZORSpecObjectOf(Matrix()), nullptr);
    ZORIDescendants_var(ZORSpecObjectOf(set))->AddChild(manager->GetMultiSel());
    for (ZORFeature* start : starts) manager->Declare(ZORSpecObjectOf(start), 1, false);
    manager->ValidateResults();
    manager->FinalizeMultisel(false, false);
    ZORFeature_var multiSel(ZORFeature::From(manager->GetMultiSel().get()));
    manager->Release();
    doc().UpdateAll();
    return multiSel;
  }
  ZORFeature_var Matrix() {
    ZORFeature_var matrix = doc().CreateFeature("WENLine");
    ZORIWENMultiSelAccess_var(ZORSpecObjectOf(matrix))
        ->SetMultiSelInput(2, ZORSpecObjectOf(origin));
    return matrix;
  }
  // A command editing `multiSel` through a manager of its own.
  ZORTestFeatureCommand* EditMultiSel(const ZORFeature_var& multiSel, ZORWENUIStateCmdInfo* info) {
    Options options{.feature = multiSel.get(), .edit = true, .info = info};
    options.setUp = [this, multiSel](ZORTestFeatureCommand& c) {
      ZORWENMSManager* manager = nullptr;
      c.initMultiSelMode(manager, ZORSpecObjectOf(Matrix()), ZORSpecObjectOf(multiSel));
    };
    return Start(options);
  }
  std::vector<ZORFeature_var> Points(const std::vector<double>& xs) {
    std::vector<ZORFeature_var> points;
    for (double x : xs) points.push_back(doc().CreatePoint(x, 1, 0, set.get()));
    doc().UpdateAll();
    return points;
  }
  static std::vector<ZORFeature*> Raw(const std::vector<ZORFeature_var>& features) {
    std::vector<ZORFeature*> raw;
    for (const auto& f : features) raw.push_back(f.get());
    return raw;
  }
  static std::string Children(const ZORFeature_var& father) {
    std::string names;
    for (const auto& child : father->GetChildren()) {
      names +=
          child->GetDisplayNameText() + (ZORGmoDatumServices::IsDatum(*child) ? "*" : "") + " ";
    }
    return names;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, origin;
};

TEST_F(OkPath, TheUpdateFollowsItsProgressBarOnlyWhenThereIsSomethingToUpdate) {
  ZORFeature_var joined = doc().CreateFeature("WENAssemble", set.get());
  doc().UpdateAll();  // an assembly of nothing is up to date, with no result
  ZORIInterrupt_var interrupt(ZORSpecObjectOf(joined));
  ASSERT_TRUE(interrupt);
  auto progress = ZORMake<ZORProgressTaskUI>();
  interrupt->SetProgressTaskUI(progress);
  ZORTestFeatureCommand* command = Start({.feature = joined.get(), .edit = true});
  // Up to date: no update is run, the bar does not move.
  ASSERT_TRUE(driver.PressApply());
  EXPECT_TRUE(progress->GetValues().empty());
  EXPECT_EQ(interrupt->GetProgressTaskUI(), progress);

  ZORFeature_var end = doc().CreatePoint(5, 0, 0, set.get());
  ZORFeature_var line = doc().CreateFeature("WENLine", set.get());
  line->SetInput("Start", origin.get());
  line->SetInput("End", end.get());
  joined->SetInput("Element1", line.get());
  ASSERT_TRUE(driver.PressApply());
  EXPECT_EQ(progress->GetLow(), 0);
  EXPECT_EQ(progress->GetHigh(), 1000);
  EXPECT_EQ(progress->GetValues(), (std::vector<int>{1, 1000}));
  EXPECT_FALSE(interrupt->GetProgressTaskUI());
  EXPECT_TRUE(joined->IsUpToDate());
  EXPECT_NE(command, nullptr);
}

TEST_F(OkPath, OneFailingResultOfThreeOpensOneUpdateErrorCommandOnIt) {
  std::vector<ZORFeature_var> starts = Points({1, 2, 3});
  ZORFeature_var multiSel = MultiSelOfLines(Raw(starts));
  ZORTestFeatureCommand* command = EditMultiSel(multiSel, nullptr);
  ZORWENUIStackStateCommand::UpdateErrorMS = 0;
  Type("WENLine").FailFor({starts[1].get()}, "Too close");
  for (const auto& child : multiSel->GetChildren()) child->MarkOutOfDate();
  HRESULT hr = S_OK;
  Act(command, [&](ZORTestFeatureCommand& c) { hr = c.RunUpdate(nullptr, 1, 1); });
  EXPECT_EQ(hr, E_FAIL);
  EXPECT_EQ(ZORWENUIStackStateCommand::UpdateErrorMS, 1);
  ASSERT_NE(dynamic_cast<ZORWENUIUpdateErrorMS*>(driver.CurrentCommand()), nullptr);
  // The others were updated; the multi-selection carries the failure.
  const auto& reals = multiSel->GetChildren();
  EXPECT_TRUE(reals[0]->IsUpToDate());
  EXPECT_FALSE(reals[1]->IsUpToDate());
  EXPECT_TRUE(reals[2]->IsUpToDate());
  EXPECT_TRUE(multiSel->IsInError());
  EXPECT_EQ(reals[1]->GetMechanicalRefreshCount(), 1);
  driver.CancelCurrent();

  // Repaired, the next update clears the multi-selection's error.
  Type("WENLine").ClearFailures();
  reals[1]->MarkOutOfDate();
  Act(command, [&](ZORTestFeatureCommand& c) { hr = c.RunUpdate(nullptr, 1, 1); });
  EXPECT_EQ(hr, S_OK);
  EXPECT_FALSE(multiSel->IsInError());
}

TEST_F(OkPath, DatumConversionReplacesOnlyTheResultsTheCommandMade) {
  // Results from before, then new ones: a loop running past the new ones meets no result and
  // must not fail the conversion; one stopping short leaves a new result unconverted.
  const auto convert = [&](const std::vector<double>& oldXs, const std::vector<double>& newXs) {
    SCOPED_TRACE(testing::Message() << oldXs.size() << " old, " << newXs.size() << " new");
    ZORFeature_var multiSel = MultiSelOfLines(Raw(Points(oldXs)));
    const std::string before = Children(multiSel);
    ZORWENUIStateCmdInfo info;
    info.SetDatumMode(1);
    ZORTestFeatureCommand* command = EditMultiSel(multiSel, &info);
    std::vector<ZORFeature_var> added = Points(newXs);
    Act(command, [&](ZORTestFeatureCommand& c) {
      for (const auto& p : added) c.GetManager()->Declare(ZORSpecObjectOf(p), 1, false);
      c.GetManager()->ValidateResults();
    });
    const std::size_t total = oldXs.size() + newXs.size();
    ASSERT_EQ(multiSel->GetChildren().size(), total);
    ZORAbendLog::Clear();
    ASSERT_TRUE(driver.PressApply());
    // The results from before stay; the new ones are datums now, in their order.
    const auto& children = multiSel->GetChildren();
    ASSERT_EQ(children.size(), total) << Children(multiSel);
    EXPECT_EQ(Children(multiSel).rfind(before, 0), 0u) << Children(multiSel);
    for (std::size_t i = 0; i < total; ++i) {
      EXPECT_EQ(ZORGmoDatumServices::IsDatum(*children[i]), i >= oldXs.size()) << i;
    }
    for (std::size_t i = 0; i < newXs.size(); ++i) {
      EXPECT_EQ(children[oldXs.size() + i]->GetResultBody()->Describe(),
                "segment(" + std::to_string(static_cast<int>(newXs[i])) + ",1,0)-(0,0,0)");
    }
    EXPECT_TRUE(ZORAbendLog::Lines().empty());
    driver.CancelCurrent();
  };
  convert({1, 2}, {3, 4, 5});
  convert({6, 8}, {7});
}

TEST_F(OkPath, ASingleResultMadeAsADatumTakesThePlaceOfTheFeature) {
  ZORFeature_var line = doc().CreateFeature("WENLine");
  line->SetInput("Start", Points({7})[0].get());
  line->SetInput("End", origin.get());
  ZORWENUIStateCmdInfo info;
  info.SetDatumMode(1);
  ZORTestFeatureCommand* command = Start({.feature = line.get(), .info = &info});
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  ASSERT_NE(command, nullptr);
  // The line went after the origin, then a datum keeping its result replaced it.
  EXPECT_EQ(Children(set), "Point.1 Line.2* Point.2 ");
  EXPECT_FALSE(line->IsInDocument());
}

TEST_F(OkPath, AResultMadeForAWaitingCommandIsMarkedAsSuch) {
  const auto make = [&](int contextual) {
    ZORFeature_var line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", Points({7})[0].get());
    line->SetInput("End", origin.get());
    doc().UpdateAll();
    ZORWENUIStateCmdInfo info;
    info.SetContextualAgregMode(contextual);
    driver.Start([&] {
      return new ZORTestFeatureCommand({.feature = line.get(),
                                        .info = &info,
                                        .startMode = ZORSurfacicUIStateCommand::kStartForInput});
    });
    EXPECT_TRUE(driver.PressOK());
    return line;
  };
  // Made for another command: typed so; inside another command's context: contextual instead.
  ZORFeature_var typed = make(0);
  EXPECT_EQ(typed->GetWENFeatureType(), ZORIWENFeatureType::kMadeForInput);
  ZORFeature_var contextual = make(1);
  EXPECT_EQ(contextual->GetWENFeatureType(), ZORIWENFeatureType::kOrdinary);
  EXPECT_TRUE(ZORIMmiContextualManager_var(ZORSpecObjectOf(contextual))->IsContextual());
}

// A command whose panel offers repetition, on a feature in a shape body.
class RepeatCommand : public ZORTestFeatureCommand {
 public:
  explicit RepeatCommand(const Options& options) : ZORTestFeatureCommand(options) {
    panel_ = new ZORWENUIDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "RepeatPanel", 0);
    panel_->BuildElements(panel_);
  }
  ~RepeatCommand() override { panel_->RequestDelayedDestruction(); }
  ZORDlgDialog* GiveMyPanel() override { return panel_; }

 private:
  ZORWENUIDialog* panel_;
};

TEST_F(OkPath, KeepMode2RepeatsInEditionOnlyInAShapeBody) {
  ZORWENSettings::GetWENSettings()->SetShapeDesignVersion(4);
  ZORWENSettings::GetWENSettings()->SetKeepMode(2);
  ZORExternalObjectRegistry::Get().ClearRequests();
  ZORFeature_var shape = doc().CreateTool("ShapeBody");
  ZORFeature_var line = doc().CreateFeature("WENLine", shape.get());
  line->SetInput("Start", Points({7})[0].get());
  line->SetInput("End", origin.get());
  doc().UpdateAll();
  const auto run = [&](bool edit) {
    driver.DrainMessages();
    driver.Start([&] { return new RepeatCommand({.feature = line.get(), .edit = edit}); });
    EXPECT_TRUE(driver.Check("RepeatPanel/CheckRepeat", true));
    EXPECT_TRUE(driver.PressOK("RepeatPanel"));
    return driver.DrainMessages().size();
  };
  EXPECT_EQ(run(true), 0u);
  EXPECT_EQ(ZORExternalObjectRegistry::Get().GetRequests().size(), 1u);
  driver.CancelCurrent();  // the stand-in repetition
  EXPECT_EQ(run(false), 1u);
  EXPECT_EQ(ZORExternalObjectRegistry::Get().GetRequests().size(), 1u);
  ZORWENSettings::GetWENSettings()->SetKeepMode(0);
}

TEST_F(OkPath, AnElementOfAnotherBodyOfThePartIsImported) {
  ZORFeature_var working = doc().CreateTool("ShapeBody");
  ZORFeature_var other = doc().CreateTool("ShapeBody");
  ZORFeature_var here = doc().CreatePoint(1, 0, 0, working.get());
  ZORFeature_var there = doc().CreatePoint(2, 0, 0, other.get());
  doc().UpdateAll();
  session.Editor().SetCurrentFeature(here.get());
  ZORTestFeatureCommand* command = Start({.feature = here.get(), .edit = true});
  auto agent = ZORMake<ZORWENUIFeatureAgent>("_Element");
  const auto check = [&](const ZORFeature_var& support) {
    ZORFeature_var brep = doc().CreateBRep(support.get());
    agent->SetAgentBehavior(0);
    agent->SetValue(ZORPathElement({doc().GetPart(), brep.get()}), "ZORIMfBRep");
    return command->IsAValidFeatBrepForPart(agent.get(), nullptr);
  };
  EXPECT_TRUE(check(here));
  EXPECT_EQ(agent->GetAgentBehavior() & ZORWENUIStateCommand::kImportFromOtherBody, 0);
  EXPECT_TRUE(check(there));
  EXPECT_NE(agent->GetAgentBehavior() & ZORWENUIStateCommand::kImportFromOtherBody, 0);
  // An element of another part's body is not for this part.
  ZORDocument elsewhere("Other");
  ZORFeature_var foreign = elsewhere.CreatePoint(0, 0, 0, elsewhere.CreateTool("ShapeBody").get());
  elsewhere.UpdateAll();
  ZORFeature_var foreignBRep = elsewhere.CreateBRep(foreign.get());
  agent->SetValue(ZORPathElement({foreignBRep.get()}), "ZORIMfBRep");
  EXPECT_FALSE(command->IsAValidFeatBrepForPart(agent.get(), nullptr));
  // Nothing picked, or not a feature agent: not valid.
  agent->InitializeAcquisition();
  EXPECT_FALSE(command->IsAValidFeatBrepForPart(agent.get(), nullptr));
  ZORDialogAgent plain("_Plain");
  EXPECT_FALSE(command->IsAValidFeatBrepForPart(&plain, nullptr));
}

}  // namespace
