#include <gtest/gtest.h>

#include "ZORDocument.h"
#include "ZORGmoDatumServices.h"
#include "ZORProgressTaskUI.h"
#include "ZORSpecObjectOf.h"
#include "ZORSurfacicUIStateCommand.h"
#include "ZORWENUIFeatureAgent.h"

namespace {

// The host base's own datum conversion and icon refresh, on a bare command.
class BareCommand : public ZORSurfacicUIStateCommand {
 public:
  ZORDlgDialog* GiveMyPanel() override { return nullptr; }
};

class OkPathServices : public ::testing::Test {
 protected:
  OkPathServices() {
    set = doc.CreateTool("GeometricalSet");
    a = doc.CreatePoint(1, 2, 3, set.get());
    b = doc.CreatePoint(4, 5, 6, set.get());
    doc.UpdateAll();
  }
  ~OkPathServices() override { command->Release(); }

  ZORDocument doc{"OkPath"};
  ZORFeature_var set, a, b;
  BareCommand* command = new BareCommand();
};

TEST(ProgressTask, ValuesStayInTheirRangeAndANewRangeStartsAgain) {
  auto task = ZORMake<ZORProgressTaskUI>();
  EXPECT_EQ(task->SetRange(10, 5), E_INVALIDARG);
  ASSERT_EQ(task->SetRange(0, 1000), S_OK);
  EXPECT_EQ(task->SetValue(1), S_OK);
  EXPECT_EQ(task->SetValue(1001), E_INVALIDARG);
  EXPECT_EQ(task->GetValues(), (std::vector<int>{1}));
  task->SetRange(0, 10);
  EXPECT_TRUE(task->GetValues().empty());
}

TEST_F(OkPathServices, ADatumStandsForTheFeatureAtTheEndOfItsFather) {
  // Answer 1: a datum copy with the same result is appended; the caller removes the feature.
  EXPECT_EQ(command->ConvertToDatum(ZORSpecObjectOf(a)), 1);
  ASSERT_EQ(set->GetChildren().size(), 3u);
  ZORFeature* datum = set->GetChildren()[2].get();
  EXPECT_TRUE(ZORGmoDatumServices::IsDatum(*datum));
  EXPECT_EQ(datum->GetResultBody()->Describe(), "point(1,2,3)");
  // The datum keeps its result when what it came from changes.
  a->SetValue("X", 7);
  doc.UpdateAll();
  EXPECT_EQ(datum->GetResultBody()->Describe(), "point(1,2,3)");
  // A datum is not converted again.
  EXPECT_EQ(command->ConvertToDatum(ZORSpecObjectOf(datum)), 0);
}

TEST_F(OkPathServices, WithoutAFatherOrAResultNothingIsReplaced) {
  ZORFeature_var loose = doc.CreatePoint(0, 0, 9);
  doc.UpdateAll();
  EXPECT_EQ(command->ConvertToDatum(ZORSpecObjectOf(loose)), 0);
  EXPECT_TRUE(ZORGmoDatumServices::IsDatum(*loose));
  b->SetValue("X", 1);  // out of date: no current result to keep
  EXPECT_LT(command->ConvertToDatum(ZORSpecObjectOf(b)), 0);
  EXPECT_EQ(set->GetChildren().size(), 2u);
  EXPECT_LT(command->ConvertToDatum(nullptr), 0);
}

TEST_F(OkPathServices, IconsAreRedrawnFromTheFeatureUpToThePart) {
  EXPECT_EQ(command->UpdateIcons(), E_FAIL);  // no feature
  command->SetMyFeature(ZORSpecObjectOf(a));
  const int before = a->GetRedrawCount();
  const int setBefore = set->GetRedrawCount();
  EXPECT_EQ(command->UpdateIcons(), S_OK);
  EXPECT_EQ(a->GetRedrawCount(), before + 1);
  EXPECT_EQ(set->GetRedrawCount(), setBefore + 1);
}

TEST_F(OkPathServices, AnAgentOfferedAPathKeepsTheWholePath) {
  auto agent = ZORMake<ZORWENUIFeatureAgent>("_Point", "WENPoint");
  ZORDialogAgent* asDialogAgent = agent.get();
  const ZORPathElement path = doc.GivePathElementFrom(ZORSpecObjectOf(a));
  ASSERT_TRUE(asDialogAgent->TryValue(path));
  EXPECT_TRUE(*agent->GetValuePath() == path);
  // A plain dialog agent takes what the path designates.
  ZORDialogAgent plain("_Plain");
  ASSERT_TRUE(plain.TryValue(path));
  EXPECT_EQ(plain.GetValue(), path.GetLeaf().get());
}

}  // namespace
