#include <gtest/gtest.h>

#include "ZORFaultGate.h"
#include "ZORHostSession.h"
#include "ZORTestListener.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUISelectorList.h"

namespace {

// Two points and a line through them, computed, in a geometrical set.
class FeatureAgent : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    a = doc().CreatePoint(0, 0, 0, set);
    b = doc().CreatePoint(1, 0, 0, set);
    line = doc().CreateFeature("WENLine", set);
    ASSERT_EQ(line->SetInput("Start", ZORBaseUnknown_var(a)), S_OK);
    ASSERT_EQ(line->SetInput("End", ZORBaseUnknown_var(b)), S_OK);
    ASSERT_EQ(doc().UpdateAll(), 0);
  }
  ZORDocument& doc() { return session.Document(); }
  ZORHSO& hso() { return *session.Editor().GetHSO(); }
  static ZORPathElement Pick(ZORBaseUnknown* f) { return ZORWENUIFeatureAgent::GivePickPath(f); }
  static std::vector<std::string> Values(ZORWENUIFeatureAgent& agent) {
    std::vector<std::string> out;
    for (const ZORPathElement& p : agent.GetListOfValues()->GetElements()) {
      out.push_back(ZORFeature::From(p.GetFatherOfLeaf())->GetDisplayNameText());
    }
    return out;
  }

  ZORHostSession session;
  ZORFeature_var set, a, b, line;
};

// Refuses every path whose feature is `refused`; drops the leaf of the others.
class TestTrimmingAgent : public ZORWENUIFeatureAgent {
 public:
  ZORPathElement* PrecheckPath(ZORPathElement* path) override {
    if (!ZORWENUIFeatureAgent::PrecheckPath(path)) return nullptr;
    path->RemoveElement(path->GetLeaf());
    return path;
  }
  bool ExtraCheckPath(ZORPathElement* path, int) override {
    return ZORFeature::From(path->GetFatherOfLeaf()) != refused;
  }
  ZORFeature* refused = nullptr;
};

TEST_F(FeatureAgent, APickPathEndsWithTheResultBodyUnderThePickedFeature) {
  const ZORPathElement path = Pick(line);
  ASSERT_TRUE(path.IsSet());
  EXPECT_EQ(path.GetLeaf(), ZORBaseUnknown_var(line->GetResultBody()));
  EXPECT_EQ(path.GetFatherOfLeaf(), ZORBaseUnknown_var(line));
  EXPECT_EQ(path.GetObject(1), ZORBaseUnknown_var(doc().GetPart()));

  ZORFeature_var uncomputed = doc().CreatePoint(5, 5, 5, set);
  EXPECT_FALSE(Pick(uncomputed).IsSet());
  EXPECT_FALSE(Pick(nullptr).IsSet());
  auto body = ZORBody::MakePoint({0, 0, 0});
  EXPECT_FALSE(Pick(body.get()).IsSet());
}

TEST_F(FeatureAgent, AOneValueAgentKeepsTheLastPickAndHighlightsOnlyIt) {
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("SelPoint"));
  EXPECT_EQ(agent->GetValuePath(), nullptr);
  ASSERT_TRUE(agent->TryValue(Pick(a)));
  ASSERT_TRUE(agent->TryValue(b.get()));  // a feature offered directly is picked
  EXPECT_EQ(Values(*agent), (std::vector<std::string>{"Point.2"}));
  EXPECT_TRUE(agent->IsOutputSet());
  EXPECT_EQ(agent->GetValue(), static_cast<ZORBaseUnknown*>(agent->GetListOfValues()));
  ASSERT_NE(agent->GetValuePath(), nullptr);
  EXPECT_EQ(*agent->GetValuePath(), Pick(b));
  EXPECT_TRUE(hso().IsMember(Pick(b)));
  EXPECT_FALSE(hso().IsMember(Pick(a)));

  agent->RemoveFromHSO();
  EXPECT_EQ(hso().GetSize(), 0);
  agent->SetFeature(ZORISpecObject_var(b.get()));
  agent->SetGeometricType(ZORWENUIFeatureAgent::Point);
  agent->InitializeAcquisition();
  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_EQ(agent->GetListOfValues()->GetSize(), 0);
  // What a condition recorded outlives the re-arm, for the transition's action.
  EXPECT_EQ(agent->GetFeature(), ZORISpecObject_var(b.get()));
  EXPECT_EQ(agent->GetGeometricType(), ZORWENUIFeatureAgent::Point);
}

TEST_F(FeatureAgent, AMultiAcquisitionAgentAddsEachPathOnce) {
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("SelMany"), ZORString(),
                                             ZORWENUIFeatureAgent::kMultiAcquisition);
  for (ZORFeature* f : {a.get(), line.get(), a.get(), b.get()}) ASSERT_TRUE(agent->TryValue(f));
  EXPECT_EQ(Values(*agent), (std::vector<std::string>{"Point.1", "Line.1", "Point.2"}));
  EXPECT_EQ(hso().GetSize(), 3);
}

TEST_F(FeatureAgent, OrderedTypesDecideWhichPicksPass) {
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("SelPoint"), ZORString("ZORIMfPoint"));
  EXPECT_FALSE(agent->TryValue(line.get()));
  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_TRUE(agent->TryValue(a.get()));

  auto lines = ZORMake<ZORWENUIFeatureAgent>(ZORString("SelLine"));
  lines->AddOrderedLineAcquisition(0, 2048);
  lines->AddOrderedLineAcquisition();  // listed once
  EXPECT_FALSE(lines->TryValue(a.get()));
  EXPECT_TRUE(lines->TryValue(line.get()));
  // Feature types and classes name types too.
  lines->ClearOrderedTypeList();
  lines->AddOrderedElementType(ZORString("WENPoint"));
  EXPECT_TRUE(lines->TryValue(b.get()));
  lines->ClearOrderedTypeList();
  lines->AddOrderedElementType(ZORString("ZORBody"));
  EXPECT_TRUE(lines->TryValue(line.get()));

  lines->AddOrderedPointAcquisition();
  EXPECT_TRUE(lines->InsertOrderedElementType(ZORString("ZORSurface"), ZORString("ZORIMfPoint")));
  EXPECT_FALSE(lines->InsertOrderedElementType(ZORString("ZORCurve"), ZORString("Missing")));
  EXPECT_TRUE(lines->InsertOrderedElementType(ZORString("ZORCurve"), ZORString("ZORBody")));
  std::vector<std::string> names;
  for (const ZORString& t : lines->GetOrderedTypeList()) names.push_back(t.str());
  EXPECT_EQ(names, (std::vector<std::string>{"ZORCurve", "ZORBody", "ZORSurface", "ZORIMfPoint"}));
}

TEST_F(FeatureAgent, PrecheckFilterAndGateRefuseWithoutTouchingTheValues) {
  auto agent = ZORMake<TestTrimmingAgent>();
  agent->refused = b.get();
  EXPECT_FALSE(agent->TryValue(b.get()));
  ASSERT_TRUE(agent->TryValue(a.get()));
  // The agent's precheck dropped the body: the value is the feature's own path.
  EXPECT_EQ(*agent->GetValuePath(), doc().GivePathElementFrom(ZORBaseUnknown_var(a)));

  bool open = false;
  agent->SetFilter([&open](ZORDialogAgent*, ZORCallbackData) { return open; }, nullptr);
  EXPECT_FALSE(agent->TryValue(line.get()));
  ZORFaultGate::Arm(1);
  open = true;
  EXPECT_FALSE(agent->TryValue(line.get()));
  ZORFaultGate::Disarm();
  EXPECT_EQ(*agent->GetValuePath(), doc().GivePathElementFrom(ZORBaseUnknown_var(a)));
  EXPECT_EQ(hso().GetSize(), 1);
  EXPECT_FALSE(agent->TryValue(ZORPathElement()));
}

TEST_F(FeatureAgent, ConstructionKeepsTheModesAndTheCommandAsALink) {
  auto command = ZORMake<ZORCommand>(nullptr, ZORString("Owner"));
  const ULONG refs = command->GetRefCount();
  auto agent = ZORMake<ZORWENUIFeatureAgent>(ZORString("Sel"), ZORString(), 3, 2048ul,
                                             ZORBaseUnknown_var(command.get()), 1, 2);
  EXPECT_EQ(command->GetRefCount(), refs);
  EXPECT_EQ(agent->GetCommandObject(), static_cast<ZORBaseUnknown*>(command.get()));
  EXPECT_EQ(agent->GetAgentBehavior(), 3);
  EXPECT_EQ(agent->GetFilterFlags(), 2048ul);
  EXPECT_EQ(agent->GetImplicitSelectionMode(), 1);
  EXPECT_EQ(agent->GetConnexSelectionMode(), 2);
  EXPECT_TRUE(agent->IsAKindOf("ZORDialogAgent"));
}

TEST(WENUISelectorList, SelectingARowLeavesItTheOnlyOneAndNotifiesOnRequest) {
  auto listener = ZORMake<ZORTestListener>();
  auto list =
      ZORMake<ZORWENUISelectorList>(nullptr, ZORString("List"), ZORDlgList::kMultipleSelection);
  for (const char* text : {"Point.1", "Point.2", "Line.1"}) list->SetLine(ZORUnicodeString(text));
  list->SetFather(listener.get());
  listener->Listen(list.get(), list->GetListSelectNotification(), "select");
  const int both[] = {0, 2};
  list->SetSelect(both, 2, 0);

  EXPECT_FALSE(list->SelectRow(3));
  EXPECT_EQ(list->GetSelectCount(), 2);
  EXPECT_EQ(list->GetSelectedRow(), -1);
  EXPECT_TRUE(list->SelectRow(1));
  EXPECT_EQ(list->GetSelect(), std::vector<int>{1});
  EXPECT_EQ(list->GetSelectedRow(), 1);
  EXPECT_TRUE(listener->log.empty());
  EXPECT_TRUE(list->SelectRow(2, 1));
  EXPECT_EQ(listener->log, std::vector<std::string>{"select"});
  list->ClearSelection();
  EXPECT_EQ(list->GetSelectCount(), 0);
  EXPECT_EQ(listener->log.size(), 1u);
}

}  // namespace
