#include <gtest/gtest.h>

#include "ZORFaultGate.h"
#include "ZORGmoUtilitiesCCP.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORHostSession.h"

namespace {

ZORISpecObject_var AsSpecObject(ZORFeature* f) {
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(f));
}

std::vector<int> Ints(const ZORRawCollint& list) {
  return list.std();
}

std::vector<std::string> Names(const ZORListValZORISpecObject_var& list) {
  std::vector<std::string> names;
  for (const auto& f : list) names.push_back(f ? f->GetDisplayName().str() : "-");
  return names;
}

// A geometrical set with points P1..Pn, a plane and a line matrix (the command's feature) whose
// inputs the multi-selection fills; the multi-selection comes from the current factory.
class MultiSel : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    for (int i = 0; i < 4; ++i) points.push_back(doc().CreatePoint(i, 0, 0, set));
    end = doc().CreatePoint(0, 0, 5, set);
    matrix = doc().CreateFeature("WENLine", set);
    factory = ZORGuiBasicUtilitiesServices::GetCurrentWENMultiSelFactory();
    ASSERT_TRUE(factory);
    ms = factory->CreateMultiSel();
    ASSERT_TRUE(ms);
    ASSERT_EQ(ZORIDescendants_var(set)->AddChild(ZORISpecObject_var(ms)), S_OK);
    ASSERT_EQ(ms->StartMultiSel(), S_OK);
  }

  ZORDocument& doc() { return session.Document(); }
  ZORFeature* feature() { return ZORFeature::From(ms.get()); }
  ZORISpecObject_var P(int i) { return AsSpecObject(points[static_cast<std::size_t>(i)].get()); }

  std::pair<std::vector<int>, std::vector<int>> Previews() {
    std::unique_ptr<ZORRawCollint> indices, states;
    EXPECT_EQ(ms->GetPreviews(indices, states), S_OK);
    return {Ints(*indices), Ints(*states)};
  }

  // What the manager's conversion does: one copy of the matrix per virtual entry, with that
  // entry's inputs, added among the multi-selection's children.
  void Convert() {
    ZORListValZORISpecObject_var inputs1, inputs2;
    ASSERT_EQ(ms->GetVirtualInputs(inputs1, inputs2), S_OK);
    ZORIWENMultiSelAccess_var access(matrix);
    for (int i = 1; i <= inputs1.Size(); ++i) {
      ASSERT_EQ(access->SetMultiSelInput(1, inputs1[i]), S_OK);
      ASSERT_EQ(access->SetMultiSelInput(2, AsSpecObject(end)), S_OK);
      ZORISpecObject_var copy = ZORGmoUtilitiesCCP::DuplicateSpec(
          ZORBaseUnknown_var(matrix), AsSpecObject(matrix)->GetFeatContainer(), 1);
      ASSERT_TRUE(copy);
      EXPECT_FALSE(copy->GetFather());
      ASSERT_EQ(ZORIDescendants_var(ms)->AddChild(copy), S_OK);
    }
  }

  ZORHostSession session;
  ZORFeature_var set, end, matrix;
  std::vector<ZORFeature_var> points;
  ZORIWENMultiSelFactory_var factory;
  ZORIWENMultiSel_var ms;
};

TEST_F(MultiSel, DeclaredInputsExpectPreviewsAndRemovedOnesAreWithdrawn) {
  for (int i = 0; i < 3; ++i) ASSERT_EQ(ms->Declare(P(i), 1), S_OK);
  EXPECT_EQ(Previews().second, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(ms->Declare(P(3), 3), E_FAIL);
  EXPECT_EQ(ms->Declare(ms, 1), E_FAIL);  // not its own input

  // The manager validates previews 5 and 6 for the first two entries; the third waits.
  ASSERT_EQ(ms->SetPreviews({5, 6, 0}, {0, 0, 1}), S_OK);
  ASSERT_EQ(ms->RemoveInput(P(1), 1), S_OK);
  EXPECT_EQ(ms->RemoveInput(P(1), 1), E_FAIL);  // withdrawn already
  EXPECT_EQ(Previews(), std::make_pair(std::vector<int>{5, 6, 0}, std::vector<int>{0, 2, 1}));
  ZORListValZORISpecObject_var list;
  ASSERT_EQ(ms->GetInputList(list, 1), S_OK);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Point.1", "Point.3"}));
  int size = 0;
  ASSERT_EQ(ms->GetInputListSize(size, 2), S_OK);
  EXPECT_EQ(size, 0);

  // Written back without the withdrawn entry, which is dropped; a wrong size changes nothing.
  EXPECT_EQ(ms->SetPreviews({1}, {0}), E_FAIL);
  EXPECT_EQ(ms->SetPreviews({5, 7}, {0, 3}), E_FAIL);
  ASSERT_EQ(ms->SetPreviews({5, 7}, {0, 0}), S_OK);
  EXPECT_EQ(Previews(), std::make_pair(std::vector<int>{5, 7}, std::vector<int>{0, 0}));
  ASSERT_EQ(ms->ReplaceInput(P(2), P(3), 1), S_OK);
  EXPECT_EQ(Previews().second, (std::vector<int>{0, 1}));
  ASSERT_EQ(ms->RefElementChanged(), S_OK);
  EXPECT_EQ(Previews().second, (std::vector<int>{1, 1}));
  bool any = false;
  ASSERT_EQ(ms->IsThereAnyFeatureManaged(any), S_OK);
  EXPECT_TRUE(any);
}

TEST_F(MultiSel, TwoListsPairUpAndAMissingInputIsKept) {
  ASSERT_EQ(ms->Declare(P(0), 1), S_OK);
  ASSERT_EQ(ms->Declare(P(1), 1), S_OK);
  ASSERT_EQ(ms->Declare(P(2), 2), S_OK);
  ZORListValZORISpecObject_var first, second;
  ASSERT_EQ(ms->GetVirtualInputs(first, second), S_OK);
  EXPECT_EQ(Names(first), (std::vector<std::string>{"Point.1", "Point.2"}));
  EXPECT_EQ(Names(second), (std::vector<std::string>{"Point.3", "-"}));

  // Removing the list-1 input of a pair keeps the entry for its list-2 input; the next list-1
  // declaration fills the gap.
  ASSERT_EQ(ms->RemoveInput(P(0), 1), S_OK);
  ASSERT_EQ(ms->GetVirtualInputs(first, second), S_OK);
  EXPECT_EQ(Names(first), (std::vector<std::string>{"-", "Point.2"}));
  ASSERT_EQ(ms->Declare(P(3), 1), S_OK);
  ASSERT_EQ(ms->GetVirtualInputs(first, second), S_OK);
  EXPECT_EQ(Names(first), (std::vector<std::string>{"Point.4", "Point.2"}));
  EXPECT_EQ(Names(second), (std::vector<std::string>{"Point.3", "-"}));
  ASSERT_EQ(ms->RemoveAllInputs(1), S_OK);
  ASSERT_EQ(ms->GetVirtualInputs(first, second), S_OK);
  EXPECT_EQ(Names(first), (std::vector<std::string>{"-"}));
}

// One input named by several entries of a list: each removal or replacement takes the first
// entry still naming it, also after a declaration gave it back to an earlier entry.
TEST_F(MultiSel, AnInputSharedByEntriesLeavesThemFirstToLast) {
  for (int i = 0; i < 3; ++i) ASSERT_EQ(ms->Declare(P(i), 1), S_OK);
  const ZORISpecObject_var shared = AsSpecObject(end.get());
  for (int i = 0; i < 3; ++i) ASSERT_EQ(ms->Declare(shared, 2), S_OK);
  ZORListValZORISpecObject_var first, second;
  auto seconds = [&] {
    EXPECT_EQ(ms->GetVirtualInputs(first, second), S_OK);
    return Names(second);
  };
  ASSERT_EQ(seconds(), (std::vector<std::string>{"Point.5", "Point.5", "Point.5"}));

  ASSERT_EQ(ms->RemoveInput(shared, 2), S_OK);
  EXPECT_EQ(seconds(), (std::vector<std::string>{"-", "Point.5", "Point.5"}));
  ASSERT_EQ(ms->Declare(shared, 2), S_OK);  // back into the first entry
  ASSERT_EQ(ms->RemoveInput(shared, 2), S_OK);
  EXPECT_EQ(seconds(), (std::vector<std::string>{"-", "Point.5", "Point.5"}));
  ASSERT_EQ(ms->RemoveInput(shared, 2), S_OK);
  EXPECT_EQ(seconds(), (std::vector<std::string>{"-", "-", "Point.5"}));
  ASSERT_EQ(ms->ReplaceInput(shared, P(3), 2), S_OK);
  EXPECT_EQ(seconds(), (std::vector<std::string>{"-", "-", "Point.4"}));
  EXPECT_EQ(ms->RemoveInput(shared, 2), E_FAIL);
  EXPECT_EQ(ms->ReplaceInput(shared, P(3), 2), E_FAIL);
}

TEST_F(MultiSel, ConversionMakesRealFeaturesAndFinishingKeepsOnlyThem) {
  for (int i = 0; i < 3; ++i) ASSERT_EQ(ms->Declare(P(i), 1), S_OK);
  ASSERT_EQ(ms->RemoveInput(P(2), 1), S_OK);
  ASSERT_EQ(ms->SetPreviews({}, {}), S_OK);  // previews dropped, the withdrawn entry with them
  EXPECT_EQ(Previews(), std::make_pair(std::vector<int>{0, 0}, std::vector<int>{0, 0}));
  Convert();
  EXPECT_EQ(ms->GetNumberOfRealFeatures(), 2);
  ZORListValZORISpecObject_var real;
  ASSERT_EQ(ms->GetRealFeatures(real), S_OK);
  ASSERT_EQ(real.Size(), 2);
  ZORISpecObject_var input;
  ASSERT_EQ(ZORIWENMultiSelAccess_var(real[2])->GetMultiSelInput(1, input), S_OK);
  EXPECT_TRUE(input == P(1));
  ASSERT_EQ(ms->GetInputList(real, 1), S_OK);  // the real features' inputs are the list now
  EXPECT_EQ(Names(real), (std::vector<std::string>{"Point.1", "Point.2"}));

  ASSERT_EQ(ms->FinishMultiSel(), S_OK);
  EXPECT_EQ(ms->GetNumberOfRealFeatures(), ZORIDescendants_var(ms)->GetNumberOfChildren());
  EXPECT_EQ(doc().DumpLine(*feature()), "Multi Selection.1 [WENMultiSel] entries=2 real=2");
  // A fresh edition: nothing was there at the start of this one.
  ZORRawCollint positions;
  ASSERT_EQ(ms->GetRemainingRealFeatsInitialPosition(positions), S_OK);
  EXPECT_TRUE(positions.IsEmpty());
  ZORIDescendants_var children(ms);
  ASSERT_EQ(children->RemoveChildAtPosition(1), S_OK);
  EXPECT_EQ(ms->GetNumberOfRealFeatures(), 1);
  ASSERT_EQ(ms->CleanMultiSel(), S_OK);
  EXPECT_EQ(Previews(), std::make_pair(std::vector<int>{0}, std::vector<int>{0}));
}

TEST_F(MultiSel, AnEditionReportsTheInitialPositionsOfTheRealFeaturesThatRemain) {
  for (int i = 0; i < 3; ++i) ASSERT_EQ(ms->Declare(P(i), 1), S_OK);
  Convert();
  ASSERT_EQ(ms->FinishMultiSel(), S_OK);
  ASSERT_EQ(ms->StartMultiSel(), S_OK);  // the edition starts
  EXPECT_EQ(Previews(), std::make_pair(std::vector<int>{0, 0, 0}, std::vector<int>{0, 0, 0}));

  ASSERT_EQ(ms->RemoveInput(P(1), 1), S_OK);  // the second real feature is withdrawn
  ASSERT_EQ(ms->Declare(P(3), 1), S_OK);
  ZORListValZORISpecObject_var created, removed, modified;
  ASSERT_EQ(ms->GetImpactedFeatures(created, removed, modified), S_OK);
  EXPECT_EQ(Names(created), (std::vector<std::string>{"Point.4"}));
  EXPECT_EQ(Names(removed), (std::vector<std::string>{"Line.3"}));
  EXPECT_EQ(Previews().second, (std::vector<int>{0, 2, 0, 1}));
  ASSERT_EQ(ms->GetFeaturesToRemove(removed), S_OK);
  ASSERT_EQ(removed.Size(), 1);
  ZORISpecObject_var withdrawn = removed[1];

  ASSERT_EQ(ms->SetPreviews({}, {}), S_OK);
  Convert();
  ASSERT_EQ(ms->FinishMultiSel(), S_OK);
  EXPECT_FALSE(ZORFeature::From(withdrawn.get())->IsInDocument());
  EXPECT_EQ(ms->GetNumberOfRealFeatures(), 3);
  EXPECT_EQ(ZORIDescendants_var(ms)->GetNumberOfChildren(), 3);
  ZORRawCollint positions;
  ASSERT_EQ(ms->GetRemainingRealFeatsInitialPosition(positions), S_OK);
  EXPECT_EQ(Ints(positions), (std::vector<int>{1, 3}));
}

TEST_F(MultiSel, UndoGivesBackTheEntriesAndTheRealFeatures) {
  for (int i = 0; i < 2; ++i) ASSERT_EQ(ms->Declare(P(i), 1), S_OK);
  const std::string before = doc().Dump();
  const auto previews = Previews();
  const int mark = doc().SetMark();
  ASSERT_EQ(ms->SetPreviews({}, {}), S_OK);
  Convert();
  ASSERT_EQ(ms->FinishMultiSel(), S_OK);
  ASSERT_NE(doc().Dump(), before);
  ASSERT_EQ(doc().UndoToMark(mark), S_OK);
  EXPECT_EQ(doc().Dump(), before);
  EXPECT_EQ(Previews(), previews);
  EXPECT_EQ(ms->GetNumberOfRealFeatures(), 0);
  ZORListValZORISpecObject_var list;
  ASSERT_EQ(ms->GetInputList(list, 1), S_OK);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Point.1", "Point.2"}));
  ASSERT_EQ(ms->RemoveInput(P(0), 1), S_OK);  // the indexes follow the restored entries
}

TEST_F(MultiSel, FailuresAndRefusals) {
  ZORFaultGate::Arm(1);
  EXPECT_EQ(ms->Declare(P(0), 1), E_FAIL);
  ZORFaultGate::Disarm();
  EXPECT_EQ(Previews().first.size(), 0u);
  ZORListValZORISpecObject_var list;
  list.Append(P(3));
  EXPECT_EQ(ms->GetInputList(list, 0), E_FAIL);
  EXPECT_EQ(list.Size(), 1);  // untouched
  ZORDocument other;
  EXPECT_EQ(ms->Declare(AsSpecObject(other.CreatePoint(0, 0, 0)), 1), E_FAIL);
  EXPECT_FALSE(ZORIWENMultiSel_var(matrix));  // a line is no multi-selection
  // A multi-selection is no template of results.
  EXPECT_FALSE(ZORGmoUtilitiesCCP::DuplicateSpec(ms, AsSpecObject(matrix)->GetFeatContainer()));

  ZORIWENMultiSelAccess_var access(matrix);
  ZORISpecObject_var input = P(0);
  ASSERT_EQ(access->GetMultiSelInput(1, input), S_OK);
  EXPECT_FALSE(input);  // missing, visible as such
  EXPECT_EQ(access->GetMultiSelInput(3, input), E_FAIL);
  ZORFaultGate::Arm(1);
  EXPECT_EQ(access->GetMultiSelInput(2, input), E_FAIL);  // a read that fails is not a miss
  ZORFaultGate::Disarm();
  EXPECT_FALSE(ZORIWENMultiSelAccess_var(points[0]));  // a point has no list inputs
}

}  // namespace
