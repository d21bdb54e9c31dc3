#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LifeCycleObject.h"
#include "ZORDriver.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORIDescendants.h"
#include "ZORIGraphicProperties.h"
#include "ZORIMechanicalFeature.h"
#include "ZORIModelEvents.h"
#include "ZORINavigateObject.h"
#include "ZORIPathAccess.h"
#include "ZORIRedrawEvent.h"
#include "ZORISpecAttrAccess.h"
#include "ZORISpecScan.h"
#include "ZORIUpdateError.h"
#include "ZORIVisProperties.h"
#include "ZORTestFeatureCommand.h"
#include "ZORWENUIFeatureAgent.h"

namespace {

// A kind whose computation may make nothing: a point at X unless its value "Empty" is set.
bool ComputeMaybePoint(const ZORFeature& f, ZORBody_var& body, std::string&) {
  if (f.GetValue("Empty") == 0) body = ZORBody::MakePoint({f.GetValue("X"), 0, 0});
  return true;
}

const bool registered = ZORFeatureTypeRegistry::Get().Register(
    {"TestMaybePoint",
     "Maybe",
     "",
     {ZORISpecObject::ClassIID(), ZORIVisProperties::ClassIID(), ZORIGraphicProperties::ClassIID(),
      ZORIModelEvents::ClassIID(), ZORIPathAccess::ClassIID(), LifeCycleObject::ClassIID(),
      ZORISpecAttrAccess::ClassIID(), ZORISpecScan::ClassIID(), ZORIMechanicalFeature::ClassIID(),
      ZORIRedrawEvent::ClassIID(), ZORINavigateObject::ClassIID(), ZORIUpdateError::ClassIID(),
      ZORIDescendants::ClassIID()},
     {},
     ComputeMaybePoint});

class EmptyResult : public ::testing::Test {
 protected:
  EmptyResult() {
    EXPECT_TRUE(registered);
    set = doc().CreateTool("GeometricalSet");
    maybe = doc().CreateFeature("TestMaybePoint", set.get());
    maybe->SetValue("X", 4);
  }
  ~EmptyResult() override { ZORFeatureTypeRegistry::Get().ClearAllFailures(); }

  ZORDocument& doc() { return session.Document(); }
  // The result made for a command waiting with `waiting` (none: nobody waits), OK pressed.
  void OkForWaitingCommand(ZORDialogAgent* waiting) {
    doc().UpdateAll();
    driver.DrainMessages();
    auto* command = new ZORTestFeatureCommand(
        {.feature = maybe.get(), .startMode = ZORSurfacicUIStateCommand::kStartForInput});
    std::vector<ZORDialogAgent*> agents;
    if (waiting) agents.push_back(waiting);
    ZORGuiCommandStack::Instance()->StartCommand(command, ZORGuiCommandStack::Mode::Shared, agents);
    driver.EndTransaction();
    EXPECT_TRUE(driver.PressOK("TestPanel"));
    EXPECT_EQ(driver.CurrentCommand(), nullptr);
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, maybe;
};

TEST_F(EmptyResult, AComputationThatMakesNothingOrFailsLeavesAnEmptyBody) {
  maybe->SetValue("Empty", 1);
  ASSERT_EQ(doc().UpdateAll(), 0);
  ASSERT_TRUE(maybe->GetResultBody());
  EXPECT_EQ(maybe->GetResultBody()->HasGeometry(), 0);
  EXPECT_NE(doc().Dump().find("Maybe.1 [TestMaybePoint] Empty=1 X=4 => empty"), std::string::npos);
  // Nothing to pick on it.
  EXPECT_FALSE(ZORWENUIFeatureAgent::GivePickPath(maybe.get()).IsSet());

  ZORFeatureTypeRegistry::Get().Find("TestMaybePoint")->FailFor({}, "Not today");
  maybe->SetValue("Empty", 0);
  ASSERT_EQ(doc().UpdateAll(), 1);
  ASSERT_TRUE(maybe->GetResultBody());
  EXPECT_EQ(maybe->GetResultBody()->HasGeometry(), 0);
  // Kinds that compute nothing keep no body at all.
  EXPECT_FALSE(set->GetResultBody());
}

TEST_F(EmptyResult, AnEmptyResultIsNeitherOfferedToTheWaitingCommandNorReported) {
  auto waiting = ZORMake<ZORDialogAgent>(ZORString("Waiting"));
  maybe->SetValue("Empty", 1);
  OkForWaitingCommand(waiting.get());
  EXPECT_EQ(waiting->GetValue(), nullptr);
  EXPECT_TRUE(driver.DrainMessages().empty());
  EXPECT_FALSE(maybe->IsInError());

  // The same command with a point made: the waiting command gets it.
  maybe->SetValue("Empty", 0);
  OkForWaitingCommand(waiting.get());
  EXPECT_EQ(ZORFeature::From(waiting->GetValue()), maybe.get());
}

TEST_F(EmptyResult, AResultNobodyTakesIsReportedAndMarkedOnlyWhenItHoldsGeometry) {
  maybe->SetValue("Empty", 1);
  OkForWaitingCommand(nullptr);
  EXPECT_TRUE(driver.DrainMessages().empty());
  EXPECT_FALSE(maybe->IsInError());

  maybe->SetValue("Empty", 0);
  OkForWaitingCommand(nullptr);
  EXPECT_EQ(driver.DrainMessages().size(), 1u);
  EXPECT_TRUE(maybe->IsInError());
}

}  // namespace
