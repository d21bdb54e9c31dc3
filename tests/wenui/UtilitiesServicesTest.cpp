#include <gtest/gtest.h>

#include "ZORDriver.h"
#include "ZORGmoUtilitiesCCP.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORICkeParm.h"
#include "ZORIDescendants.h"
#include "ZORIGSOFactory.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORIWENMultiSelFactory.h"

namespace {

ZORISpecObject_var AsSpecObject(ZORFeature* f) {
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(f));
}

// A multi-selection of lines from points P0.. to one end point, converted into real lines.
class UtilitiesServices : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    for (int i = 0; i < 4; ++i) points.push_back(doc().CreatePoint(i, 0, 0, set.get()));
    end = doc().CreatePoint(0, 0, 5, set.get());
    other = doc().CreatePoint(0, 9, 5, set.get());
    matrix = doc().CreateFeature("WENLine", set.get());
    doc().UpdateAll();
    session.Editor().SetCurrentFeature(end.get());
  }

  ZORDocument& doc() { return session.Document(); }

  // `starts[i]` is the list-1 input of result i (-1: none); every result ends at `end`.
  ZORISpecObject_var MultiSelOf(const std::vector<int>& starts) {
    auto factory = ZORGuiBasicUtilitiesServices::GetCurrentWENMultiSelFactory();
    ZORIWENMultiSel_var ms = factory->CreateMultiSel();
    ZORIDescendants_var(set)->AddChild(ZORISpecObject_var(ms));
    ms->StartMultiSel();
    for (std::size_t i = 0; i < starts.size(); ++i) ms->Declare(AsSpecObject(points[i].get()), 1);
    ZORIWENMultiSelAccess_var access(matrix);
    for (std::size_t i = 0; i < starts.size(); ++i) {
      access->SetMultiSelInput(2, AsSpecObject(end.get()));
      ZORISpecObject_var copy = ZORGmoUtilitiesCCP::DuplicateSpec(
          ZORBaseUnknown_var(matrix), AsSpecObject(matrix.get())->GetFeatContainer(), 1);
      ZORIDescendants_var(ms)->AddChild(copy);
      ZORIWENMultiSelAccess_var copyAccess(copy);
      copyAccess->SetMultiSelInput(
          1, starts[i] < 0 ? ZORISpecObject_var()
                           : AsSpecObject(points[static_cast<std::size_t>(starts[i])].get()));
      copyAccess->SetMultiSelInput(2, AsSpecObject(end.get()));
    }
    EXPECT_EQ(ms->GetNumberOfRealFeatures(), static_cast<int>(starts.size()));
    return ZORISpecObject_var(ms);
  }

  std::vector<std::string> ResultNames(const ZORISpecObject_var& ms) {
    ZORListValZORISpecObject_var results;
    ZORIWENMultiSel_var(ms)->GetRealFeatures(results);
    std::vector<std::string> names;
    for (const auto& f : results) names.push_back(f->GetDisplayName().str());
    return names;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, end, other, matrix;
  std::vector<ZORFeature_var> points;
};

TEST_F(UtilitiesServices, ThreeIdenticalResultsKeepTheFirstAndReplaceEachOtherOnce) {
  ZORISpecObject_var ms = MultiSelOf({0, 0, 0, 1});
  const auto before = ResultNames(ms);
  ASSERT_EQ(before.size(), 4u);
  driver.DrainMessages();
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms), S_OK);
  EXPECT_EQ(ResultNames(ms), (std::vector<std::string>{before[0], before[3]}));
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 2u);  // one replacement per duplicate, none for a removed feature
  EXPECT_EQ(shown[0].name, "ReplacePanel");
  EXPECT_NE(shown[1].text.str().find(before[2]), std::string::npos);
  EXPECT_TRUE(driver.AbendLines().empty());
}

TEST_F(UtilitiesServices, MissingInputsAreRemovedOnlyWhenTheUserSaysSo) {
  ZORISpecObject_var ms = MultiSelOf({0, -1, 2});
  driver.SetDefaultAnswer(0);
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms), S_OK);
  EXPECT_EQ(ResultNames(ms).size(), 3u);  // kept
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "NullInputPanel");
  EXPECT_EQ(shown[0].style, 0x00800200u);

  driver.QueueAnswer(3);
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms), S_OK);
  EXPECT_EQ(ResultNames(ms).size(), 2u);  // removed
}

TEST_F(UtilitiesServices, TheLastResultLeftStaysAndSaysWhy) {
  ZORISpecObject_var ms = MultiSelOf({-1});
  driver.QueueAnswer(3);
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms), S_OK);
  EXPECT_EQ(ResultNames(ms).size(), 1u);
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "SingleChildrenPanel");
  EXPECT_EQ(shown[0].style, 0x08000200u);
}

TEST_F(UtilitiesServices, AFeatureWithoutResultsIsNoMultiOutput) {
  ZORISpecObject_var line = AsSpecObject(matrix.get());
  EXPECT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, line), E_FAIL);
}

TEST_F(UtilitiesServices, ShowAndHideSendAnEventOnlyForAChange) {
  ZORISpecObject_var p = AsSpecObject(points[0].get());
  driver.DrainEvents();
  EXPECT_EQ(ZORGuiUtilitiesServices::Show(p), S_OK);
  EXPECT_TRUE(driver.DrainEvents().empty());
  EXPECT_EQ(ZORGuiUtilitiesServices::Hide(p), S_OK);
  EXPECT_EQ(ZORGuiUtilitiesServices::ZORWENUIIsInNoShow(p), 1);
  auto events = driver.DrainEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_NE(events[0].find("ZORModifyShowAttribut"), std::string::npos);
  EXPECT_EQ(ZORGuiUtilitiesServices::Show(ZORISpecObject_var()), E_FAIL);
  EXPECT_EQ(ZORGuiUtilitiesServices::ZORWENUIIsInNoPick(p), 0);
}

TEST_F(UtilitiesServices, SamenessDimensionAndRemoval) {
  ZORISpecObject_var p = AsSpecObject(points[0].get());
  EXPECT_EQ(ZORGuiUtilitiesServices::IsSame(p, p), 1);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsSame(p, AsSpecObject(points[1].get())), 0);
  EXPECT_EQ(
      ZORGuiUtilitiesServices::IsSame(p, ZORListValZORISpecObject_var{AsSpecObject(end.get()), p}),
      1);
  EXPECT_EQ(ZORGuiUtilitiesServices::GetDimension(p), -1);  // neither result interface nor BRep
  EXPECT_EQ(ZORGuiUtilitiesServices::IsInfinite(p), 0);

  ZORFeature_var loose = doc().CreatePoint(7, 7, 7);
  EXPECT_EQ(ZORGuiUtilitiesServices::RemoveIfNotAggregated(p), S_OK);  // has a father: stays
  EXPECT_TRUE(points[0]->IsInDocument());
  EXPECT_EQ(ZORGuiUtilitiesServices::RemoveIfNotAggregated(AsSpecObject(loose.get())), S_OK);
  EXPECT_FALSE(loose->IsInDocument());
  EXPECT_EQ(ZORGuiUtilitiesServices::RemoveIfNotAggregated(ZORISpecObject_var()), E_FAIL);

  EXPECT_EQ(ZORGuiUtilitiesServices::GetCurrentPart(), AsSpecObject(doc().GetPart()));
  EXPECT_TRUE(ZORGuiUtilitiesServices::GetCurrentGeoFactory());
}

TEST_F(UtilitiesServices, TheSetFactoryPlacesNewSetsWhereAsked) {
  ZORIGSOFactory_var factory = ZORGuiUtilitiesServices::GetCurrentGSOFactory();
  ASSERT_TRUE(factory);
  ZORISpecObject_var part = AsSpecObject(doc().GetPart());
  ZORISpecObject_var first = factory->CreateGeometricalSet(part, 1);
  ASSERT_TRUE(first);
  EXPECT_EQ(ZORIDescendants_var(part)->GetPosition(first), 1);
  EXPECT_EQ(first->GetType().str(), "GeometricalSet");
  EXPECT_EQ(factory->CreateGeometricalSet(part, 99), nullptr);
  EXPECT_EQ(factory->CreateGeometricalSet(nullptr), nullptr);
  ZORDocument elsewhere("Other");  // a part of another document cannot take it
  EXPECT_EQ(factory->CreateGeometricalSet(AsSpecObject(elsewhere.GetPart())), nullptr);
}

TEST_F(UtilitiesServices, LabelsLoseTrailingSpacesAndOneColon) {
  ZORUnicodeString text = "Radius : :  ";
  ZORGuiUtilitiesServices::RemoveTrailingSpacesColon(text);
  EXPECT_EQ(text, "Radius : ");
  ZORUnicodeString inside = "a:b";
  ZORGuiUtilitiesServices::RemoveTrailingSpacesColon(inside);
  EXPECT_EQ(inside, "a:b");
}

TEST_F(UtilitiesServices, ParametersAreNumberedAfterTheLargestExisting) {
  ZORFeature_var p1 = doc().CreateParameter("Length.1", "Longueur", 1.0);
  ZORFeature_var p7 = doc().CreateParameter("Length.7", "Longueur", 2.0);
  ZORFeature_var fresh = doc().CreateParameter("Length", "Longueur", 3.0);
  ZORICkeParm_var(fresh.get())->SetAccess(1);  // read-only: numbering opens it for the rename
  ZORListValZORISpecObject_var existing{AsSpecObject(p1.get()), AsSpecObject(p7.get())};
  ZORISpecObject_var parameter = AsSpecObject(fresh.get());
  EXPECT_EQ(ZORGuiUtilitiesServices::ParamAutoNumbering(existing, parameter), S_OK);
  EXPECT_EQ(ZORICkeParm_var(fresh.get())->GetParmName(), "Length##8##");
  EXPECT_EQ(ZORICkeParm_var(fresh.get())->GetAccess(), 1);
  ZORISpecObject_var notAParameter = AsSpecObject(end.get());
  EXPECT_EQ(ZORGuiUtilitiesServices::ParamAutoNumbering(existing, notAParameter), E_FAIL);
}

}  // namespace
