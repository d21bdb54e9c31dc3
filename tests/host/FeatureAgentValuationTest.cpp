#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORHostSession.h"
#include "ZORVisuHandle.h"
#include "ZORWENSettings.h"
#include "ZORWENUIFeatureAgent.h"

namespace {

class ValuationTestPick : public ZORNotification {
  ZOR_DECLARE_CLASS(ValuationTestPick, ZORNotification, ZORMetaObject::Implementation, "Test")
};

class FeatureAgentValuations : public ::testing::Test {
 protected:
  void SetUp() override {
    ZORFeature* set = session.Document().CreateTool("GeometricalSet");
    for (int i = 0; i < 3; ++i) points.push_back(session.Document().CreatePoint(i, 0, 0, set));
    ASSERT_EQ(session.Document().UpdateAll(), 0);
  }
  ZORPathElement PathOf(int i) {
    return session.Document().GivePathElementFrom(ZORBaseUnknown_var(points[i]));
  }
  static std::string Value(ZORWENUIFeatureAgent& agent) {
    const ZORPathElement* path = agent.GetValuePath();
    if (!path) return "(none)";
    ZORFeature* f = ZORFeature::From(path->GetLeaf());
    return (f ? f : ZORFeature::From(path->GetFatherOfLeaf()))->GetDisplayNameText();
  }

  ZORHostSession session;
  std::vector<ZORFeature_var> points;
};

TEST_F(FeatureAgentValuations, UndoAndRedoWalkThePicksAndTypedValues) {
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("SelPoint"), ZORUnicodeString("Point"), 0,
                                             2048ul, nullptr, 0, 0, 1);
  EXPECT_EQ(agent->GetUndoTitle(), "Point");
  EXPECT_FALSE(agent->SetValue(ZORPathElement(), ZORString("ZORIMfPoint")));
  ASSERT_TRUE(agent->TryValue(points[0].get()));
  ASSERT_TRUE(agent->TryValue(points[1].get()));
  ASSERT_TRUE(agent->SetValue(PathOf(2), ZORString("ZORIMfPoint")));
  agent->InitializeAcquisition();  // a new acquisition keeps them for undo
  EXPECT_EQ(agent->GetValuationIndex(), 3);

  EXPECT_EQ(agent->UndoValue(), 1);
  EXPECT_EQ(Value(*agent), "Point.2");
  EXPECT_TRUE(agent->GetValueType().IsEmpty());
  agent->UndoValue();
  agent->UndoValue();
  EXPECT_EQ(agent->UndoValue(), 0);
  EXPECT_EQ(Value(*agent), "(none)");
  agent->RedoValue();
  agent->RedoValue();
  EXPECT_EQ(agent->RedoValue(), 1);
  EXPECT_EQ(Value(*agent), "Point.3");
  EXPECT_EQ(agent->GetValueType(), "ZORIMfPoint");
  EXPECT_TRUE(session.Editor().GetHSO()->IsMember(PathOf(2)));
  EXPECT_EQ(agent->RedoValue(), 0);

  // A new valuation after undoing forgets what was undone.
  agent->UndoValue();
  ASSERT_TRUE(agent->TryValue(points[0].get()));
  EXPECT_EQ(agent->GetNumberOfValuations(), 3);
  EXPECT_EQ(agent->RedoValue(), 0);
}

TEST_F(FeatureAgentValuations, NotificationsCarryingAFeatureArePicksUnlessAHandleSentThem) {
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("SelPoint"), ZORString("ZORIMfPoint"));
  auto pick = ZORMake<ValuationTestPick>();
  auto viewer = ZORMake<ZORCommand>(nullptr, ZORString("Viewer"));
  auto handle = ZORMake<ZORVisuHandle>(nullptr, ZORString("handle"));
  EXPECT_EQ(agent->DecodeNotification(viewer.get(), pick.get()), 0);  // nothing sent
  pick->SendObject(points[1].get());
  EXPECT_EQ(agent->DecodeNotification(handle.get(), pick.get()), 0);
  EXPECT_FALSE(agent->IsOutputSet());
  // Through the notification chain, as the dialog engine delivers it.
  EXPECT_TRUE(viewer->SendNotification(agent.get(), pick.get()));
  EXPECT_EQ(Value(*agent), "Point.2");
}

TEST(WorkbenchSettingsCallbacks, IdsAreNotGivenAgainAfterAReset) {
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  int fresh = 0;
  const auto before = settings->AddCallback(ZORWENSettings::WorkOnSupportMode(), [] {});
  ZORWENSettings::ResetToDefaults();
  EXPECT_EQ(settings->GetNumberOfCallbacks(ZORWENSettings::WorkOnSupportMode()), 0);
  settings->AddCallback(ZORWENSettings::WorkOnSupportMode(), [&] { ++fresh; });
  // A subscriber that outlived the reset lets go of its id: the newer subscription stays.
  settings->RemoveCallback(before);
  settings->SetWorkOnSupportSnap(!settings->IsWorkOnSupportSnapOn());
  EXPECT_EQ(fresh, 1);
  ZORWENSettings::ResetToDefaults();
}

}  // namespace
