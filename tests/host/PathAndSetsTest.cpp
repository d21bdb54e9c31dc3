#include <gtest/gtest.h>

#include <set>

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORHSO.h"
#include "ZORSO.h"

namespace {

class PathAndSets : public ::testing::Test {
 protected:
  ZORDocument doc;
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var a = doc.CreatePoint(0, 0, 0, set);
  ZORFeature_var b = doc.CreatePoint(1, 0, 0, set);
  ZORFeature_var c = doc.CreatePoint(2, 0, 0, set);

  ZORPathElement PathOf(ZORFeature* f) { return doc.GivePathElementFrom(ZORBaseUnknown_var(f)); }
  static std::vector<std::string> Leaves(const std::vector<ZORPathElement>& paths) {
    std::vector<std::string> names;
    for (const auto& p : paths)
      names.push_back(ZORFeature::From(p.GetLeaf())->GetDisplayNameText());
    return names;
  }
};

TEST_F(PathAndSets, PathsRunFromThePartToTheFeatureAndCompareByContent) {
  ZORPathElement path = PathOf(b);
  ASSERT_TRUE(path.IsSet());
  EXPECT_EQ(path.Describe(), "Part.1/Geometrical Set.1/Point.2");
  EXPECT_TRUE(path.GetLeaf() == b);
  EXPECT_TRUE(path.GetFatherOfLeaf() == set);

  // Built another way, through the feature's own path access: equal by content.
  ZORPathElement other;
  ASSERT_EQ(ZORIPathAccess_var(b)->GetPathElement(other), S_OK);
  EXPECT_TRUE(other == path);
  ZORPathElement copy = path;
  EXPECT_TRUE(copy == path);
  EXPECT_FALSE(PathOf(a) == path);
  EXPECT_FALSE(ZORPathElement() == path);
  EXPECT_TRUE(ZORPathElement() == ZORPathElement());

  // The walk from the leaf up does not count in equality.
  EXPECT_TRUE(copy.InitToLeafElement() == b);
  EXPECT_TRUE(copy.NextFatherElement() == set);
  EXPECT_TRUE(copy.NextFatherElement() == doc.GetPart());
  EXPECT_FALSE(copy.NextFatherElement());
  EXPECT_TRUE(copy == path);

  copy.RemoveElement(ZORBaseUnknown_var(set));
  EXPECT_EQ(copy.Describe(), "Part.1/Point.2");
  EXPECT_FALSE(copy == path);
}

TEST_F(PathAndSets, NoPathOutsideTheDocumentTree) {
  auto loose = doc.CreatePoint(5, 5, 5);
  EXPECT_FALSE(PathOf(loose).IsSet());
  ZORPathElement path;
  EXPECT_EQ(ZORIPathAccess_var(loose)->GetPathElement(path), E_FAIL);
  EXPECT_FALSE(path.IsSet());
  ZORDocument other;
  EXPECT_FALSE(other.GivePathElementFrom(ZORBaseUnknown_var(a)).IsSet());
  EXPECT_FALSE(doc.GivePathElementFrom(nullptr).IsSet());
  EXPECT_EQ(doc.GivePathElementFrom(ZORBaseUnknown_var(doc.GetPart())).Describe(), "Part.1");
}

TEST_F(PathAndSets, SetOfObjectsKeepsInsertionOrderAndEachPathOnce) {
  auto so = ZORMake<ZORSO>();
  EXPECT_EQ(so->AddElement(PathOf(c)), S_OK);
  EXPECT_EQ(so->AddElement(PathOf(a)), S_OK);
  EXPECT_EQ(so->AddElement(PathOf(b)), S_OK);
  EXPECT_EQ(so->AddElement(PathOf(a)), S_FALSE);
  EXPECT_EQ(so->AddElement(ZORPathElement()), E_INVALIDARG);
  EXPECT_EQ(so->GetSize(), 3);
  EXPECT_EQ(so->RemoveElement(PathOf(a)), S_OK);  // a path built anew finds the member
  EXPECT_EQ(so->RemoveElement(PathOf(a)), S_FALSE);
  EXPECT_EQ(Leaves(so->GetElements()), (std::vector<std::string>{"Point.3", "Point.2"}));
  ASSERT_NE(so->GetElement(2), nullptr);
  EXPECT_TRUE(*so->GetElement(2) == PathOf(b));
  EXPECT_EQ(so->GetElement(3), nullptr);

  std::vector<std::string> walked;
  so->InitElementList();
  while (const ZORPathElement* p = so->NextElement()) {
    walked.push_back(ZORFeature::From(p->GetLeaf())->GetDisplayNameText());
  }
  EXPECT_EQ(walked, (std::vector<std::string>{"Point.3", "Point.2"}));
  so->Empty();
  EXPECT_EQ(so->GetSize(), 0);
  EXPECT_EQ(so->NextElement(), nullptr);
}

TEST_F(PathAndSets, ManyRemovalsKeepPositionsAndMembershipRight) {
  auto so = ZORMake<ZORSO>();
  std::vector<ZORFeature_var> points;
  for (int i = 0; i < 100; ++i) {
    points.push_back(doc.CreatePoint(i, 0, 0, set));
    so->AddElement(PathOf(points.back()));
  }
  for (int i = 0; i < 100; i += 2) so->RemoveElement(PathOf(points[static_cast<size_t>(i)]));
  ASSERT_EQ(so->GetSize(), 50);
  for (int pos = 1; pos <= 50; ++pos) {
    EXPECT_TRUE(so->GetElement(pos)->GetLeaf() == points[static_cast<size_t>(2 * pos - 1)]);
  }
  EXPECT_FALSE(so->IsMember(PathOf(points[0])));
  EXPECT_TRUE(so->IsMember(PathOf(points[99])));
}

// Sets keep a path by the low bits of its hash: paths to features made in a row, whose
// addresses share their low bits, must still spread over them, or sets of thousands of paths
// probe long runs of slots.
TEST_F(PathAndSets, PathsOfFeaturesMadeInARowSpreadOverTheLowBitsOfTheirHashes) {
  constexpr std::size_t kCount = 1024;
  std::vector<ZORFeature_var> points;
  std::set<std::size_t> lowBits;
  for (std::size_t i = 0; i < kCount; ++i) {
    points.push_back(doc.CreatePoint(static_cast<double>(i), 0, 0, set));
    lowBits.insert(PathOf(points.back()).Hash() & (kCount - 1));
  }
  // Evenly spread hashes fill about 63% of the values; a hash that keeps the addresses' common
  // low bits fills a sixteenth at most.
  EXPECT_GT(lowBits.size(), kCount / 2);
}

TEST_F(PathAndSets, LongPathsKeepTheirOrderThroughGrowthAndRemoval) {
  // Deeper than the few objects a path usually holds.
  ZORPathElement deep = PathOf(a);
  ZORPathElement same = PathOf(a);
  for (ZORFeature* f : {b.get(), c.get(), set.get(), b.get()}) {
    deep.AddChildElement(ZORBaseUnknown_var(f));
    same.AddChildElement(ZORBaseUnknown_var(f));
  }
  EXPECT_EQ(deep.Describe(),
            "Part.1/Geometrical Set.1/Point.1/Point.2/Point.3/Geometrical Set.1/Point.2");
  EXPECT_TRUE(deep == same);
  EXPECT_EQ(deep.Hash(), same.Hash());
  EXPECT_TRUE(deep.GetLeaf() == b);

  ZORPathElement copy = deep;
  EXPECT_TRUE(copy.RemoveElement(ZORBaseUnknown_var(c)));
  EXPECT_TRUE(copy.RemoveElement(ZORBaseUnknown_var(b)));  // the first b, not the leaf
  EXPECT_EQ(copy.Describe(), "Part.1/Geometrical Set.1/Point.1/Geometrical Set.1/Point.2");
  EXPECT_TRUE(copy.RemoveElement(ZORBaseUnknown_var(set)));
  EXPECT_TRUE(copy.RemoveElement(ZORBaseUnknown_var(set)));
  EXPECT_FALSE(copy.RemoveElement(ZORBaseUnknown_var(set)));
  EXPECT_EQ(copy.Describe(), "Part.1/Point.1/Point.2");
  copy.AddChildElement(ZORBaseUnknown_var(c));
  EXPECT_EQ(copy.Describe(), "Part.1/Point.1/Point.2/Point.3");
  EXPECT_TRUE(deep == same);  // the copy shares nothing with what it was copied from

  // A path moved away from is empty, short or long.
  ZORPathElement shortPath = PathOf(c);
  ZORPathElement movedShort = std::move(shortPath);
  ZORPathElement longPath = same;
  ZORPathElement movedLong;
  movedLong = std::move(longPath);
  EXPECT_FALSE(shortPath.IsSet());  // NOLINT(bugprone-use-after-move)
  EXPECT_FALSE(longPath.IsSet());   // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(movedShort.Describe(), "Part.1/Geometrical Set.1/Point.3");
  EXPECT_TRUE(movedLong == same);

  auto so = ZORMake<ZORSO>();
  EXPECT_EQ(so->AddElement(deep), S_OK);
  EXPECT_EQ(so->AddElement(same), S_FALSE);
  EXPECT_TRUE(so->IsMember(same));
  EXPECT_FALSE(so->IsMember(copy));
}

TEST_F(PathAndSets, MembersLeaveAndComeBackWithoutLosingTheOthers) {
  auto so = ZORMake<ZORSO>();
  std::vector<ZORFeature_var> points;
  for (int i = 0; i < 300; ++i) points.push_back(doc.CreatePoint(i, 1, 0, set));
  const auto path = [&](int i) { return PathOf(points[static_cast<size_t>(i)]); };
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 300; ++i) so->AddElement(path(i));
    // Removals without any positional read between them, then some come back.
    for (int i = 0; i < 300; i += 3) EXPECT_EQ(so->RemoveElement(path(i)), S_OK);
    for (int i = 0; i < 300; i += 6) EXPECT_EQ(so->AddElement(path(i)), S_OK);
    ASSERT_EQ(so->GetSize(), 250);
    for (int i = 0; i < 300; ++i) {
      EXPECT_EQ(so->IsMember(path(i)), i % 3 != 0 || i % 6 == 0 ? 1 : 0) << i;
    }
    // Those that came back come last, in the order they came back.
    EXPECT_TRUE(so->GetElement(200)->GetLeaf() == points[299]);
    EXPECT_TRUE(so->GetElement(201)->GetLeaf() == points[0]);
    EXPECT_TRUE(so->GetElement(250)->GetLeaf() == points[294]);
    if (round < 2) so->Empty();
  }
  EXPECT_EQ(so->AddElement(path(0)), S_FALSE);
  EXPECT_EQ(so->GetElements().size(), 250u);
}

TEST_F(PathAndSets, HighlightedSetPublishesAtOnceOrAtTheEndOfABatch) {
  auto hso = ZORMake<ZORHSO>();
  ASSERT_EQ(hso->AddElement(PathOf(a)), S_OK);
  EXPECT_EQ(Leaves(hso->GetShown()), (std::vector<std::string>{"Point.1"}));
  EXPECT_FALSE(hso->HasPendingChanges());

  hso->AddElements(PathOf(c));
  hso->AddElements(PathOf(b));
  EXPECT_EQ(hso->IsMember(PathOf(b)), 1);  // a member at once
  EXPECT_EQ(hso->GetShown().size(), 1u);   // shown at the end of the batch
  EXPECT_TRUE(hso->HasPendingChanges());
  hso->EndAddElements();
  EXPECT_EQ(Leaves(hso->GetShown()), (std::vector<std::string>{"Point.1", "Point.3", "Point.2"}));

  hso->RemoveElements(PathOf(c));
  hso->RemoveElements(PathOf(a));
  EXPECT_EQ(hso->GetSize(), 1);
  EXPECT_EQ(hso->GetShown().size(), 3u);
  hso->EndRemoveElements();
  EXPECT_EQ(Leaves(hso->GetShown()), (std::vector<std::string>{"Point.2"}));

  // Emptied and refilled, the order is the new insertion order.
  hso->Empty();
  EXPECT_TRUE(hso->GetShown().empty());
  hso->AddElement(PathOf(c));
  hso->AddElement(PathOf(a));
  EXPECT_EQ(Leaves(hso->GetElements()), (std::vector<std::string>{"Point.3", "Point.1"}));
  EXPECT_EQ(hso->RemoveElement(PathOf(b)), S_FALSE);

  const ZORPathElement pathOfB = PathOf(b);
  ZORFaultGate::Arm(1);
  EXPECT_EQ(hso->AddElement(pathOfB), E_FAIL);
  ZORFaultGate::Disarm();
  EXPECT_FALSE(hso->IsMember(PathOf(b)));
}

}  // namespace
