#include <gtest/gtest.h>

#include <cctype>

#include "ZORDriver.h"
#include "ZORGmoUtilitiesCCP.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORICkeParm.h"
#include "ZORIDescendants.h"
#include "ZORIGSOFactory.h"
#include "ZORISpecAttrAccess.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORIWENMultiSelFactory.h"
#include "strWENCompo.h"

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
    return MultiSelOf(starts, matrix, end);
  }
  // The same with copies of `model`, whose list-2 input is `second` in every result.
  ZORISpecObject_var MultiSelOf(const std::vector<int>& starts, const ZORFeature_var& model,
                                const ZORFeature_var& second) {
    auto factory = ZORGuiBasicUtilitiesServices::GetCurrentWENMultiSelFactory();
    ZORIWENMultiSel_var ms = factory->CreateMultiSel();
    ZORIDescendants_var(set)->AddChild(ZORISpecObject_var(ms));
    ms->StartMultiSel();
    for (std::size_t i = 0; i < starts.size(); ++i) ms->Declare(AsSpecObject(points[i].get()), 1);
    ZORIWENMultiSelAccess_var access(model);
    for (std::size_t i = 0; i < starts.size(); ++i) {
      access->SetMultiSelInput(2, AsSpecObject(second.get()));
      ZORISpecObject_var copy = ZORGmoUtilitiesCCP::DuplicateSpec(
          ZORBaseUnknown_var(model), AsSpecObject(model.get())->GetFeatContainer(), 1);
      ZORIDescendants_var(ms)->AddChild(copy);
      ZORIWENMultiSelAccess_var copyAccess(copy);
      copyAccess->SetMultiSelInput(
          1, starts[i] < 0 ? ZORISpecObject_var()
                           : AsSpecObject(points[static_cast<std::size_t>(starts[i])].get()));
      copyAccess->SetMultiSelInput(2, AsSpecObject(second.get()));
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

// Whether `text` names `name` itself, not a longer name it begins ("Line.1" in "Line.12").
bool Names(const ZORUnicodeString& text, const std::string& name) {
  const std::string s = text.str();
  for (auto at = s.find(name); at != std::string::npos; at = s.find(name, at + 1)) {
    const auto after = at + name.size();
    if (after == s.size() || !std::isdigit(static_cast<unsigned char>(s[after]))) return true;
  }
  return false;
}

TEST_F(UtilitiesServices, RepeatsCloseAndFarApartEachGiveWayToTheFirstInTheirOrder) {
  // More results than the check looks at in one go: a repeat next to its first, one a few
  // results on, one of the same inputs much later, and one in last place.
  for (int i = 4; i < 24; ++i) points.push_back(doc().CreatePoint(i, 0, 0, set.get()));
  std::vector<int> starts;
  for (int i = 0; i < 24; ++i) starts.push_back(i);
  starts[1] = 0;
  starts[6] = 2;
  starts[15] = 2;
  starts[23] = 3;
  ZORISpecObject_var ms = MultiSelOf(starts);
  const auto before = ResultNames(ms);
  driver.DrainMessages();
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms), S_OK);

  std::vector<std::string> expected;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (i != 1 && i != 6 && i != 15 && i != 23) expected.push_back(before[i]);
  }
  EXPECT_EQ(ResultNames(ms), expected);
  const auto shown = driver.DrainMessages();
  const std::vector<std::pair<std::size_t, std::size_t>> pairs = {{0, 1}, {2, 6}, {2, 15}, {3, 23}};
  ASSERT_EQ(shown.size(), pairs.size());
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    EXPECT_EQ(shown[k].name, "ReplacePanel");
    EXPECT_TRUE(Names(shown[k].text, before[pairs[k].first])) << k << ": " << shown[k].text.str();
    EXPECT_TRUE(Names(shown[k].text, before[pairs[k].second])) << k << ": " << shown[k].text.str();
  }
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

TEST_F(UtilitiesServices, TheLastResultIsCheckedLikeTheOthers) {
  // A duplicate in last place gives way to the result it repeats.
  ZORISpecObject_var ms = MultiSelOf({1, 0, 0});
  const auto before = ResultNames(ms);
  driver.DrainMessages();
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms), S_OK);
  EXPECT_EQ(ResultNames(ms), (std::vector<std::string>{before[0], before[1]}));
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "ReplacePanel");

  // A missing input in last place is asked about, and the answer is followed.
  ZORISpecObject_var missingLast = MultiSelOf({0, -1});
  driver.SetDefaultAnswer(0);
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, missingLast), S_OK);
  shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "NullInputPanel");
  driver.QueueAnswer(3);
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, missingLast), S_OK);
  EXPECT_EQ(ResultNames(missingLast).size(), 1u);
}

TEST_F(UtilitiesServices, RepeatedIntersectionsAndResultsWithoutSecondInputAreDuplicatesToo) {
  ZORFeature_var intersect = doc().CreateFeature("WENIntersect", set.get());
  ZORISpecObject_var intersections = MultiSelOf({0, 0, 1}, intersect, end);
  const auto before = ResultNames(intersections);
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, intersections), S_OK);
  EXPECT_EQ(ResultNames(intersections), (std::vector<std::string>{before[0], before[2]}));

  ZORISpecObject_var open = MultiSelOf({2, 2}, matrix, ZORFeature_var());
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, open), S_OK);
  EXPECT_EQ(ResultNames(open).size(), 1u);
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].name, "ReplacePanel");
  EXPECT_EQ(shown[1].name, "ReplacePanel");
}

TEST_F(UtilitiesServices, ARemovedTransformationLeavesItsSharedInputsToAResultThatStays) {
  ZORFeature_var direction = doc().CreateFeature("WENLine", set.get());
  direction->SetInput("Start", points[3].get());
  direction->SetInput("End", end.get());
  ZORFeature_var translate = doc().CreateFeature("WENTranslate", set.get());
  // The first result has no element and goes; the second keeps the direction.
  ZORISpecObject_var ms = MultiSelOf({-1, 0, 1}, translate, direction);
  ZORListValZORISpecObject_var results;
  ZORIWENMultiSel_var(ms)->GetRealFeatures(results);
  ASSERT_EQ(results.Size(), 3);
  driver.QueueAnswer(3);
  ASSERT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms), S_OK);
  EXPECT_EQ(ResultNames(ms).size(), 2u);
  EXPECT_FALSE(ZORFeature::From(results[1].get())->IsInDocument());
  ZORListValZORISpecObject_var owned;
  ZORISpecAttrAccess_var(results[2])->GetLinked(strWENCompo.c_str(), owned);
  EXPECT_EQ(owned.Size(), 1);
  EXPECT_EQ(owned.Locate(AsSpecObject(direction.get())), 1);
  owned.RemoveAll();
  ZORISpecAttrAccess_var(results[3])->GetLinked(strWENCompo.c_str(), owned);
  EXPECT_TRUE(owned.IsEmpty());

  // A feature without results is no multi-output feature, nor is a set of features.
  ZORISpecObject_var line = AsSpecObject(matrix.get());
  EXPECT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, line), E_FAIL);
  ZORISpecObject_var features = AsSpecObject(set.get());
  EXPECT_EQ(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, features), E_FAIL);
}

// A result picked on a feature designates that feature; a result picked on such a result is
// linked to another pick of the same support through it.
TEST_F(UtilitiesServices, LinksFollowTheDesignatedFeatureAndItsSupport) {
  ZORISpecObject_var support = AsSpecObject(points[0].get());
  ZORISpecObject_var elsewhere = AsSpecObject(points[1].get());
  ZORFeature_var pick = doc().CreateBRep(points[0].get());
  ZORFeature_var samePick = doc().CreateBRep(points[0].get());
  ZORFeature_var otherPick = doc().CreateBRep(points[1].get());
  ZORFeature_var onPick = doc().CreateBRep(pick.get());
  ASSERT_TRUE(pick && samePick && otherPick && onPick);
  const ZORISpecObject_var picked = AsSpecObject(pick.get());

  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinked(support, picked), 1);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinked(elsewhere, picked), 0);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinked(picked, support), 0);  // a point designates nothing
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinked(support, ZORISpecObject_var()), 0);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsSame(picked, AsSpecObject(samePick.get())), 1);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsSame(picked, AsSpecObject(otherPick.get())), 0);

  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinkedBySupport(support, picked), 1);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinkedBySupport(elsewhere, picked), 0);
  const ZORISpecObject_var second = AsSpecObject(onPick.get());
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinked(AsSpecObject(samePick.get()), second), 0);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinkedBySupport(AsSpecObject(samePick.get()), second), 1);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinkedBySupport(AsSpecObject(otherPick.get()), second), 0);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinkedBySupport(ZORISpecObject_var(), picked), 0);
  EXPECT_EQ(ZORGuiUtilitiesServices::IsLinkedBySupport(support, ZORISpecObject_var()), 0);
}

TEST_F(UtilitiesServices, HidingTheParentPutsTheFeatureInNoShowOnce) {
  ZORISpecObject_var p = AsSpecObject(points[2].get());
  driver.DrainEvents();
  EXPECT_EQ(ZORGuiUtilitiesServices::ZORWENUINoShowParent(p), S_OK);
  EXPECT_EQ(ZORGuiUtilitiesServices::ZORWENUIIsInNoShow(p), 1);
  const std::string dump = driver.DumpDocument();
  const auto at = dump.find(points[2]->GetDisplayName().str() + " [");
  ASSERT_NE(at, std::string::npos);
  EXPECT_NE(dump.substr(at, dump.find('\n', at) - at).find(" hidden"), std::string::npos);
  ASSERT_EQ(driver.DrainEvents().size(), 1u);
  EXPECT_EQ(ZORGuiUtilitiesServices::ZORWENUINoShowParent(p), S_OK);  // already hidden
  EXPECT_TRUE(driver.DrainEvents().empty());
  EXPECT_EQ(ZORGuiUtilitiesServices::ZORWENUINoShowParent(ZORISpecObject_var()), E_FAIL);
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
