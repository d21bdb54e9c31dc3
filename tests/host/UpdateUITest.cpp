#include <gtest/gtest.h>

#include "ZORDocument.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoDatumServices.h"
#include "ZORUpdateUI.h"

namespace {

class UpdateUI : public ::testing::Test {
 protected:
  UpdateUI() {
    line->SetInput("Start", start.get());
    line->SetInput("End", end.get());
    intersect->SetInput("Element1", line.get());
    ZORUpdateUI::ClearReports();
  }
  ~UpdateUI() override {
    ZORFeatureTypeRegistry::Get().ClearAllFailures();
    ZORUpdateUI::ClearReports();
  }

  static std::string Names(const ZORListValZORISpecObject_var& features) {
    std::string names;
    for (const auto& f : features) names += f->GetDisplayName().str() + " ";
    return names;
  }
  ZORVar<ZORUpdateUI> Create(const ZORFeature_var& element, int updateAll) {
    auto update = ZORVar<ZORUpdateUI>::Adopt(ZORUpdateUI::CreateUpdateUI());
    update->SetUpdateAllArg(updateAll);
    update->SetDestroyOldReport(0);
    update->AddElement(ZORBaseUnknown_var(element));
    return update;
  }

  ZORDocument doc;
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var start = doc.CreatePoint(0, 0, 0, set);
  ZORFeature_var end = doc.CreatePoint(1, 0, 0, set);
  ZORFeature_var line = doc.CreateFeature("WENLine", set.get());
  ZORFeature_var intersect = doc.CreateFeature("WENIntersect", set.get());  // lacks a plane
};

TEST_F(UpdateUI, UpdateAllReachesTheUsersAndNamesWhatFailedInOrder) {
  auto alone = Create(start, 0);
  EXPECT_EQ(alone->Run(), S_OK);
  EXPECT_TRUE(start->IsUpToDate());
  EXPECT_FALSE(line->IsUpToDate());  // only the element

  auto all = Create(start, 1);
  EXPECT_EQ(all->Run(), E_FAIL);
  EXPECT_TRUE(line->IsUpToDate());
  ZORListValZORISpecObject_var failed;
  all->GetErrorFeatures(failed);
  EXPECT_EQ(Names(failed), "Intersect.1 ");

  // The input fails: the line fails naming it, then the intersection, in that order.
  ZORFeatureTypeRegistry::Get().Find("WENPoint")->FailFor({}, "No point today");
  start->SetValue("X", 2);
  auto again = Create(line, 1);
  EXPECT_EQ(again->Run(), E_FAIL);
  again->GetErrorFeatures(failed);
  EXPECT_EQ(Names(failed), "Point.1 Line.1 Intersect.1 ");
}

TEST_F(UpdateUI, ReportsStayUntilARunDestroysThem) {
  auto first = Create(intersect, 1);
  first->Run();
  EXPECT_EQ(first->CreateReport(3), S_OK);
  ASSERT_EQ(ZORUpdateUI::GetReports().size(), 1u);
  EXPECT_EQ(ZORUpdateUI::GetReports()[0].mode, 3);
  ASSERT_EQ(ZORUpdateUI::GetReports()[0].lines.size(), 1u);
  EXPECT_EQ(ZORUpdateUI::GetReports()[0].lines[0].rfind("Intersect.1: Input Element2", 0), 0u);

  auto keeping = Create(intersect, 1);
  keeping->Run();
  keeping->CreateReport();
  EXPECT_EQ(ZORUpdateUI::GetReports().size(), 2u);

  auto clean = Create(start, 0);
  clean->SetDestroyOldReport(1);
  EXPECT_EQ(clean->Run(), S_OK);
  EXPECT_EQ(clean->CreateReport(), S_FALSE);
  EXPECT_TRUE(ZORUpdateUI::GetReports().empty());
}

TEST_F(UpdateUI, OnlyTheUpdateActionRunsAndVisualisationRedrawsWhatWasRecomputed) {
  auto update = Create(line, 0);
  update->SetAction(2);
  EXPECT_EQ(update->Run(), E_INVALIDARG);
  EXPECT_FALSE(line->IsUpToDate());
  update->SetAction(ZORUpdateUI::kUpdateAction);
  update->SetUpdateVisuArg(1);
  EXPECT_EQ(update->Run(), S_OK);
  EXPECT_EQ(line->GetRedrawCount(), 1);
  EXPECT_EQ(update->Run(), S_OK);  // nothing recomputed, nothing redrawn
  EXPECT_EQ(line->GetRedrawCount(), 1);
  EXPECT_EQ(update->AddElement(ZORBaseUnknown_var()), E_FAIL);
}

TEST_F(UpdateUI, ADatumKeepsItsResultWhateverItsInputsDo) {
  ASSERT_TRUE(Create(line, 0)->Run() == S_OK);
  const std::string before = line->GetResultBody()->Describe();
  ZORGmoDatumServices::SetDatum(ZORBaseUnknown_var(line), 1);
  end->SetValue("X", 5);
  EXPECT_EQ(Create(line, 0)->Run(), S_OK);
  EXPECT_EQ(line->GetResultBody()->Describe(), before);
  ZORGmoDatumServices::SetDatum(ZORBaseUnknown_var(line), 0);
  end->SetValue("X", 6);
  EXPECT_EQ(Create(line, 0)->Run(), S_OK);
  EXPECT_NE(line->GetResultBody()->Describe(), before);
}

}  // namespace
