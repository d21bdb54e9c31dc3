#include <gtest/gtest.h>

#include <memory>

#include "ZORGeoFactory.h"
#include "ZORGmoInputDescriptionSwitch.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORHostSession.h"
#include "ZORIDescendants.h"
#include "ZORIMechanicalFeature.h"
#include "ZORIVisProperties.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORIWENTool.h"
#include "ZORMmrCacheInputDescriptionAdaptor.h"
#include "ZORSpecObjectOf.h"
#include "ZORSysLogAbend.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUISelectorList.h"

namespace {

std::vector<std::string> Names(const ZORListValZORISpecObject_var& list) {
  std::vector<std::string> names;
  for (const auto& f : list) names.push_back(f ? f->GetDisplayName().str() : "-");
  return names;
}

// Lines from points P0..P3 to one end point, made by the dozen: the matrix is a line whose
// end is set; list 1 of the multi-selection gathers the start points.
class MSManager : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    for (int i = 0; i < 4; ++i) points.push_back(doc().CreatePoint(i, 0, 0, set.get()));
    end = doc().CreatePoint(0, 0, 5, set.get());
    matrix = doc().CreateFeature("WENLine", set.get());
    ZORIWENMultiSelAccess_var(ZORSpecObjectOf(matrix.get()))
        ->SetMultiSelInput(2, ZORSpecObjectOf(end.get()));
    doc().UpdateAll();
  }

  ZORDocument& doc() { return session.Document(); }
  ZORISpecObject_var P(int i) { return ZORSpecObjectOf(points[static_cast<std::size_t>(i)].get()); }
  ZORISO* iso() { return session.Editor().GetISO(); }
  ZORGeoFactory_var geo() { return ZORGuiUtilitiesServices::GetCurrentGeoFactory(); }

  // A manager on a new multi-selection, put in the set as the command would insert it.
  std::unique_ptr<ZORWENMSManager, void (*)(ZORWENMSManager*)> NewManager(
      const ZORISpecObject_var& existing = nullptr) {
    auto* manager = new ZORWENMSManager(ZORSpecObjectOf(matrix.get()), existing);
    manager->SetMisc(iso(), false);
    if (!existing && manager->GetMultiSel()) {
      ZORIDescendants_var(ZORSpecObjectOf(set.get()))->AddChild(manager->GetMultiSel());
    }
    return {manager, [](ZORWENMSManager* m) { m->Release(); }};
  }

  // One preview body per given x.
  ZORListPtrZORBody Bodies(std::initializer_list<double> xs) {
    ZORListPtrZORBody bodies;
    for (double x : xs) {
      kept.push_back(geo()->CreatePoint(ZORMathPoint(x, 1, 0)));
      bodies.Append(kept.back().get());
    }
    return bodies;
  }

  std::vector<int> States(ZORWENMSManager& manager) {
    std::unique_ptr<ZORRawCollint> indices, states;
    ZORIWENMultiSel_var(manager.GetMultiSel())->GetPreviews(indices, states);
    return states->std();
  }

  // Runs a new multi-selection over the given points to its end.
  ZORISpecObject_var MakeMultiSelection(std::initializer_list<int> starts) {
    auto manager = NewManager();
    for (int i : starts) manager->Declare(P(i), 1, false);
    manager->ValidateResults();
    manager->FinalizeMultisel(false, false);
    ZORISpecObject_var result = manager->GetMultiSel();
    matrix = nullptr;  // the manager took the matrix out of the model
    return result;
  }

  ZORHostSession session;
  ZORFeature_var set, end, matrix;
  std::vector<ZORFeature_var> points;
  std::vector<ZORBody_var> kept;
};

TEST_F(MSManager, LifecycleShowsPreviewsThenTurnsEntriesIntoRealFeaturesAhead) {
  auto manager = NewManager();
  ZORIWENMultiSel_var ms(manager->GetMultiSel());
  ASSERT_TRUE(ms);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(manager->Declare(P(i), 1, false), S_OK);
  EXPECT_EQ(States(*manager), (std::vector<int>{1, 1, 1}));

  ZORListPtrZORBody bodies = Bodies({10, 11, 12});
  ASSERT_EQ(manager->ValidateManipulations(bodies, false), S_OK);
  EXPECT_EQ(States(*manager), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(iso()->GetSize(), 3);

  // Withdrawing P1 drops its entry and its preview at the next validation.
  ASSERT_EQ(manager->Remove(P(1), 1), S_OK);
  ZORListPtrZORBody none;
  ASSERT_EQ(manager->ValidateManipulations(none, false), S_OK);
  EXPECT_EQ(iso()->GetSize(), 2);
  ASSERT_EQ(manager->Synchronize(), S_OK);
  EXPECT_EQ(iso()->GetSize(), 2);
  ZORListValZORISpecObject_var list1;
  ASSERT_EQ(manager->GetMSList(list1, 1), S_OK);
  EXPECT_EQ(Names(list1), (std::vector<std::string>{"Point.1", "Point.3"}));

  // A child that is not a real feature stays behind the results.
  ZORFeature_var other = doc().CreatePoint(7, 7, 7);
  ASSERT_EQ(ZORIDescendants_var(ms)->AddChild(ZORSpecObjectOf(other.get())), S_OK);

  EXPECT_EQ(manager->ValidateResults(), E_FAIL);  // callers go on with the update
  EXPECT_EQ(iso()->GetSize(), 0);
  ASSERT_EQ(manager->FinalizeMultisel(false, false), S_OK);
  ZORListValZORISpecObject_var children;
  ZORIDescendants_var(ms)->GetDirectChildren(children);
  ASSERT_EQ(children.Size(), 3);
  EXPECT_EQ(children[3]->GetDisplayName().str(), other->GetDisplayNameText());
  for (int i = 1; i <= 2; ++i) {
    ZORISpecObject_var start;
    ZORIWENMultiSelAccess_var(children[i])->GetMultiSelInput(1, start);
    EXPECT_EQ(start->GetDisplayName().str(), i == 1 ? "Point.1" : "Point.3");
  }
  EXPECT_EQ(ZORIWENTool_var(ms)->IsPrivate(), 1);
  EXPECT_EQ(doc().UpdateAll(), 0);
}

TEST_F(MSManager, OneResultStandsWhereTheMultiSelectionStood) {
  auto manager = NewManager();
  ZORISpecObject_var ms = manager->GetMultiSel();
  const int position = ZORIDescendants_var(ZORSpecObjectOf(set.get()))->GetPosition(ms);
  manager->Declare(P(2), 1, false);
  manager->ValidateResults();
  ASSERT_EQ(manager->FinalizeMultisel(true, false), S_OK);

  ZORISpecObject_var result = manager->GetMultiSel();
  ASSERT_TRUE(result);
  EXPECT_FALSE(ZORIWENMultiSel_var(result));
  EXPECT_EQ(ZORIDescendants_var(ZORSpecObjectOf(set.get()))->GetPosition(result), position);
  EXPECT_FALSE(ZORFeature::From(ms.get())->IsInDocument());
  EXPECT_TRUE(ZORFeature::From(result.get())->IsGroupInput());
  // The result is rebuilt on its own from now on.
  EXPECT_EQ(ZORGmoInputDescriptionSwitch::GetCurrentEditedFeature().get(), result.get());
  ZORIInputDescription_var description(result);
  auto* adaptor = dynamic_cast<ZORMmrCacheInputDescriptionAdaptor*>(description.get());
  ASSERT_NE(adaptor, nullptr);
  EXPECT_EQ(adaptor->GetMode(), 2);
  ZORListValZORISpecObject_var reals;
  ASSERT_EQ(manager->GetRealFeaturesList(reals), S_OK);
  ASSERT_EQ(reals.Size(), 1);
  EXPECT_EQ(reals[1].get(), result.get());
  // With the multi-selection gone, only the result's questions still have answers.
  ZORListValZORISpecObject_var a, b;
  EXPECT_EQ(manager->GetImpactedFeatures(a, b), E_FAIL);
  EXPECT_EQ(manager->Declare(P(3), 1, false), E_FAIL);
}

TEST_F(MSManager, EditionGivesBackTheShowAndPickStateOfTheRealFeaturesThatRemain) {
  ZORISpecObject_var ms = MakeMultiSelection({0, 1, 2});
  ZORListValZORISpecObject_var reals;
  ZORIWENMultiSel_var(ms)->GetRealFeatures(reals);
  ASSERT_EQ(reals.Size(), 3);
  ZORGuiUtilitiesServices::Hide(reals[2]);
  ZORVisPropertiesValues unpick;
  unpick.SetPick(0);
  ZORIVisProperties_var(reals[3])->SetPropertiesAtt(unpick, ZORVPPick);

  matrix = doc().CreateFeature("WENLine", set.get());
  ZORIWENMultiSelAccess_var(ZORSpecObjectOf(matrix.get()))
      ->SetMultiSelInput(2, ZORSpecObjectOf(end.get()));
  auto manager = NewManager(ms);
  EXPECT_EQ(manager->GetInitialRealFeatureCount(), 3);
  manager->StoreInitialShowStatusForRealFeats();
  manager->StoreInitialPickStatusForRealFeats();

  // The first result's input is withdrawn: it goes into no-show at once, and away at OK.
  ASSERT_EQ(manager->Remove(P(0), 1), S_OK);
  ZORListPtrZORBody none;
  ASSERT_EQ(manager->ValidateManipulations(none, false), S_OK);
  EXPECT_EQ(ZORGuiUtilitiesServices::ZORWENUIIsInNoShow(reals[1]), 1);
  manager->ValidateResults();
  ASSERT_EQ(manager->FinalizeMultisel(false, false), S_OK);

  ZORListValZORISpecObject_var hidden, unpickable;
  ASSERT_EQ(manager->GetInitialShowStatusForRemainingRealFeats(hidden), S_OK);
  ASSERT_EQ(manager->GetInitialPickStatusForRemainingRealFeats(unpickable), S_OK);
  ASSERT_EQ(hidden.Size(), 1);
  EXPECT_EQ(hidden[1].get(), reals[2].get());
  ASSERT_EQ(unpickable.Size(), 1);
  EXPECT_EQ(unpickable[1].get(), reals[3].get());
  EXPECT_FALSE(ZORFeature::From(reals[1].get())->IsInDocument());
}

TEST_F(MSManager, APlainFeatureEditedInMultiSelectionModeGetsAMultiSelectionInItsPlace) {
  ZORFeature_var line = doc().CreateFeature("WENLine", set.get());
  const int position =
      ZORIDescendants_var(ZORSpecObjectOf(set.get()))->GetPosition(ZORSpecObjectOf(line.get()));
  auto manager = NewManager(ZORSpecObjectOf(line.get()));
  ZORISpecObject_var ms = manager->GetMultiSel();
  ASSERT_TRUE(ZORIWENMultiSel_var(ms));
  EXPECT_EQ(ZORIDescendants_var(ZORSpecObjectOf(set.get()))->GetPosition(ms), position);
  EXPECT_EQ(ZORIMechanicalFeature_var(ZORSpecObjectOf(line.get()))->GetMechanicalOwner().get(),
            ms.get());
  // The edited feature is the multi-selection's first result.
  EXPECT_EQ(ZORIDescendants_var(ms)->GetPosition(ZORSpecObjectOf(line.get())), 1);
  EXPECT_EQ(manager->GetInitialRealFeatureCount(), 1);
}

TEST_F(MSManager, BadListIndicesAndAMultiSelectionMatrixAreRefused) {
  auto manager = NewManager();
  manager->Declare(P(0), 1, false);
  ZORListValZORISpecObject_var list{ZORSpecObjectOf(end.get())};
  for (int index : {0, 3}) {
    EXPECT_EQ(manager->GetMSList(list, index), E_FAIL);
    EXPECT_EQ(list.Size(), 1);
    EXPECT_EQ(manager->Declare(P(1), index, false), E_FAIL);
    EXPECT_EQ(manager->Remove(P(0), index), E_FAIL);
  }
  int size = 0;
  ASSERT_EQ(manager->GetMSListSize(size, 1), S_OK);
  EXPECT_EQ(size, 1);

  ZORISpecObject_var ms = manager->GetMultiSel();
  auto* wrong = new ZORWENMSManager(ms, nullptr);
  EXPECT_FALSE(wrong->GetMultiSel());
  EXPECT_EQ(wrong->Declare(P(1), 1, false), E_FAIL);
  wrong->Release();
  EXPECT_TRUE(ZORFeature::From(ms.get())->IsInDocument());  // the caller's feature stays
}

// A matrix that is itself a multi-selection gives a manager with nothing to manage: it says so
// to every caller, and touches nothing.
TEST_F(MSManager, AManagerWithoutMultiSelectionFailsEveryOperation) {
  auto made = NewManager();
  made->Declare(P(0), 1, false);
  ZORISpecObject_var ms = made->GetMultiSel();
  auto* empty = new ZORWENMSManager(ms, nullptr);
  const std::string before = doc().Dump();
  ZORListValZORISpecObject_var l1{P(1)}, l2{P(2)}, l3{P(3)}, l4{P(1)};
  EXPECT_EQ(empty->GetMSList(l1, 1), E_FAIL);
  int size = 7;
  EXPECT_EQ(empty->GetMSListSize(size, 1), E_FAIL);
  bool any = true;
  EXPECT_EQ(empty->IsThereAnyFeatureManaged(any), E_FAIL);
  EXPECT_EQ(empty->GetRealFeaturesList(l1), E_FAIL);
  EXPECT_EQ(empty->GetImpactedFeatures(l1, l2), E_FAIL);
  EXPECT_TRUE(l1.IsEmpty() && l2.IsEmpty());
  EXPECT_EQ(empty->GetImpactedFeatures(l1, l2, l3), E_FAIL);
  EXPECT_TRUE(l3.IsEmpty());
  EXPECT_EQ(empty->GetResults(l1), E_FAIL);
  EXPECT_EQ(empty->GetResults(l1, l2, l3, l4), E_FAIL);
  ZORRawCollint* positions = nullptr;
  EXPECT_EQ(empty->GetRemainingRealFeatsInitialPosition(positions), E_FAIL);
  delete positions;
  EXPECT_EQ(empty->Declare(P(1), false), E_FAIL);
  EXPECT_EQ(empty->Remove(P(0), 1), E_FAIL);
  EXPECT_EQ(empty->RemoveAll(1), E_FAIL);
  EXPECT_EQ(empty->Replace(P(0), P(1), 1), E_FAIL);
  EXPECT_EQ(empty->RefElementChanged(), E_FAIL);
  EXPECT_EQ(empty->SetDeleteTempChildren(P(0)), E_FAIL);
  EXPECT_EQ(empty->DeleteTempChildren(), E_FAIL);
  ZORListPtrZORBody bodies = Bodies({1});
  EXPECT_EQ(empty->ValidateManipulations(bodies, false), E_FAIL);
  EXPECT_EQ(empty->ValidateTempManipulations(bodies, false), E_FAIL);
  EXPECT_EQ(empty->Synchronize(), E_FAIL);
  EXPECT_EQ(empty->SetVirtFeatsPreviewsToNull(), E_FAIL);
  EXPECT_EQ(empty->ConvertVirtFeatsToRealFeats(), E_FAIL);
  EXPECT_EQ(empty->DestroyRealFeats(), E_FAIL);
  EXPECT_EQ(empty->FinalizeMultisel(false, false), E_FAIL);
  // Nothing stored, nothing to give back.
  empty->StoreInitialShowStatusForRealFeats();
  empty->StoreInitialPickStatusForRealFeats();
  l1 = {P(1)};
  EXPECT_EQ(empty->GetInitialShowStatusForRemainingRealFeats(l1), S_OK);
  EXPECT_TRUE(l1.IsEmpty());
  l1 = {P(1)};
  EXPECT_EQ(empty->GetInitialPickStatusForRemainingRealFeats(l1), S_OK);
  EXPECT_TRUE(l1.IsEmpty());
  EXPECT_EQ(doc().Dump(), before);
  empty->Release();
  EXPECT_EQ(doc().Dump(), before);
}

// Children made for a feature in the course of the command go when the command says so, once;
// the feature itself stays.
TEST_F(MSManager, MarkedTemporaryChildrenGoOnceAndTheirFatherStays) {
  auto manager = NewManager();
  ZORFeature_var holder = doc().CreateFeature("GeometricalSet", set.get());
  ZORFeature_var a = doc().CreatePoint(9, 0, 0, holder.get());
  ZORFeature_var b = doc().CreatePoint(9, 1, 0, holder.get());
  ZORFeature_var stays = doc().CreatePoint(9, 2, 0, set.get());
  EXPECT_EQ(manager->DeleteTempChildren(), S_OK);  // nothing marked: nothing goes
  EXPECT_TRUE(a->IsInDocument());
  ASSERT_EQ(manager->SetDeleteTempChildren(ZORSpecObjectOf(holder.get())), S_OK);
  EXPECT_TRUE(a->IsInDocument() && b->IsInDocument());  // marking deletes nothing yet
  ASSERT_EQ(manager->DeleteTempChildren(), S_OK);
  EXPECT_FALSE(a->IsInDocument());
  EXPECT_FALSE(b->IsInDocument());
  EXPECT_TRUE(holder->IsInDocument());
  EXPECT_TRUE(stays->IsInDocument());

  // The mark is used up: a child added since is not taken.
  ZORFeature_var later = doc().CreatePoint(9, 3, 0, holder.get());
  EXPECT_EQ(manager->DeleteTempChildren(), S_OK);
  EXPECT_TRUE(later->IsInDocument());

  // A feature of another document cannot be marked.
  ZORDocument elsewhere("Other");
  ZORFeature_var stranger = elsewhere.CreatePoint(0, 0, 0);
  EXPECT_EQ(manager->SetDeleteTempChildren(ZORSpecObjectOf(stranger.get())), E_FAIL);
}

TEST_F(MSManager, ReplaceIfSingleReplacesTheOnlyInputInsteadOfDeclaring) {
  auto manager = NewManager();
  manager->Declare(P(0), 1, true);  // an empty list: declared
  ASSERT_EQ(manager->Declare(P(1), 1, true), S_OK);
  ZORListValZORISpecObject_var list;
  manager->GetMSList(list, 1);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Point.2"}));
  manager->Declare(P(2), 1, false);
  manager->Declare(P(3), 1, true);  // two inputs: declared
  manager->GetMSList(list, 1);
  EXPECT_EQ(list.Size(), 3);
}

TEST_F(MSManager, FewerBodiesThanExpectedPreviewsLeaveTheRestWaiting) {
  auto manager = NewManager();
  for (int i = 0; i < 3; ++i) manager->Declare(P(i), 1, false);
  ZORListPtrZORBody bodies = Bodies({1, 2});
  bodies.ReplaceAt(2, nullptr);  // a manipulation that produced nothing
  ASSERT_EQ(manager->ValidateManipulations(bodies, false), S_OK);
  EXPECT_EQ(States(*manager), (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(iso()->GetSize(), 1);
  EXPECT_EQ(manager->GetPreviewBodies().Size(), 1);
}

TEST_F(MSManager, TemporaryValidationReplacesAPreviewInPlace) {
  auto manager = NewManager();
  manager->Declare(P(0), 1, false);
  ZORListPtrZORBody first = Bodies({1});
  manager->ValidateManipulations(first, false);
  ZORBody* old = first[1];
  manager->RefElementChanged();
  ZORListPtrZORBody second = Bodies({2});
  ASSERT_EQ(manager->ValidateTempManipulations(second, false), S_OK);
  ASSERT_EQ(manager->GetPreviewBodies().Size(), 1);
  EXPECT_EQ(manager->GetPreviewBodies()[1], second[1]);
  EXPECT_FALSE(geo()->IsInFactory(old));
  EXPECT_EQ(iso()->GetSize(), 1);
  // The flag lasts one validation: the next new preview is appended.
  manager->RefElementChanged();
  ZORListPtrZORBody third = Bodies({3});
  manager->ValidateManipulations(third, false);
  EXPECT_EQ(manager->GetPreviewBodies().Size(), 2);
}

TEST_F(MSManager, InteractiveSetFollowsTheShownBodiesOnly) {
  auto manager = NewManager();
  ZORListPtrZORBody bodies = Bodies({1, 2});
  ZORBody* shown = bodies[1];
  ZORBody* never = bodies[2];
  ASSERT_EQ(manager->AddElementISO(shown), S_OK);
  EXPECT_EQ(manager->RemoveElementISO(never), E_FAIL);
  EXPECT_EQ(manager->GetShownBodyCount(), 1);
  EXPECT_EQ(iso()->GetSize(), 1);
  EXPECT_EQ(manager->AddElementISO(shown), S_OK);  // shown once
  EXPECT_EQ(iso()->GetSize(), 1);
  ZORBody* none = nullptr;
  EXPECT_EQ(manager->AddElementISO(none), E_FAIL);
  ZORBody_var emptyBody = ZORMake<ZORBody>();  // nothing to draw
  ZORBody* empty = emptyBody.get();
  EXPECT_EQ(manager->AddElementISO(empty), E_FAIL);
  EXPECT_EQ(manager->GetShownBodyCount(), 1);
  ASSERT_EQ(manager->RemoveElementISO(shown), S_OK);
  EXPECT_EQ(iso()->GetSize(), 0);
  EXPECT_EQ(manager->GetShownBodyCount(), 0);
  EXPECT_EQ(manager->RemoveElementISO(shown), E_FAIL);

  // Without an interactive set the bodies are followed, but the caller learns nothing is shown.
  manager->SetMisc(nullptr, false);
  EXPECT_EQ(manager->AddElementISO(shown), E_FAIL);
  EXPECT_EQ(manager->AddElementISO(shown), E_FAIL);
  EXPECT_EQ(manager->GetShownBodyCount(), 1);
  EXPECT_EQ(manager->RemoveElementISO(shown), E_FAIL);
  EXPECT_EQ(manager->GetShownBodyCount(), 0);
}

TEST_F(MSManager, DestructionTakesPreviewsAndTheMatrixAway) {
  ZORFeature* matrixFeature = matrix.get();
  {
    auto manager = NewManager();
    manager->Declare(P(0), 1, false);
    ZORListPtrZORBody bodies = Bodies({1});
    manager->ValidateManipulations(bodies, false);
    EXPECT_EQ(iso()->GetSize(), 1);
  }
  EXPECT_EQ(iso()->GetSize(), 0);
  EXPECT_FALSE(geo()->IsInFactory(kept[0].get()));
  EXPECT_FALSE(matrixFeature->IsInDocument());
}

TEST_F(MSManager, CancelOfANewMultiSelectionDestroysItsRealFeatures) {
  auto manager = NewManager();
  manager->Declare(P(0), 1, false);
  manager->Declare(P(1), 1, false);
  manager->ValidateResults();
  ZORListValZORISpecObject_var reals;
  manager->GetRealFeaturesList(reals);
  ASSERT_EQ(reals.Size(), 2);
  ASSERT_EQ(manager->DestroyRealFeats(), S_OK);
  for (const auto& real : reals) EXPECT_FALSE(ZORFeature::From(real.get())->IsInDocument());
}

TEST_F(MSManager, APickInsideAResultSelectsTheRowsOfItsInputs) {
  ZORISpecObject_var ms = MakeMultiSelection({0, 1});
  matrix = doc().CreateFeature("WENLine", set.get());
  auto manager = NewManager(ms);
  ZORListValZORISpecObject_var reals;
  ZORIWENMultiSel_var(ms)->GetRealFeatures(reals);
  doc().UpdateAll();

  ZORWENUISelectorList list1(nullptr, "List1");
  list1.SetLine("Point.1");
  list1.SetLine("Point.2");
  auto agent = ZORMake<ZORWENUIFeatureAgent>("Pick");
  ZORISpecObject_var found;
  EXPECT_EQ(manager->IsAnInternalOfMO(agent.get(), found, &list1, nullptr), 0);  // no pick yet
  ASSERT_TRUE(agent->TryValue(ZORWENUIFeatureAgent::GivePickPath(reals[2].get())));
  ASSERT_EQ(manager->IsAnInternalOfMO(agent.get(), found, &list1, nullptr), 1);
  EXPECT_EQ(found.get(), reals[2].get());
  EXPECT_EQ(list1.GetSelect(), (std::vector<int>{1}));

  agent->InitializeAcquisition();
  ASSERT_TRUE(agent->TryValue(ZORWENUIFeatureAgent::GivePickPath(points[3].get())));
  EXPECT_EQ(manager->IsAnInternalOfMO(agent.get(), found, &list1, nullptr), 0);
}

TEST_F(MSManager, MissingInitialPositionsAreLogged) {
  auto manager = NewManager();
  manager->Declare(P(0), 1, false);
  manager->ValidateResults();
  manager->FinalizeMultisel(false, false);  // one result: no multi-selection left
  ZORRawCollint* positions = nullptr;
  ZORAbendLog::Clear();
  EXPECT_EQ(manager->GetRemainingRealFeatsInitialPosition(positions), E_FAIL);
  EXPECT_EQ(positions, nullptr);
  EXPECT_EQ(ZORAbendLog::Lines(),
            (std::vector<std::string>{
                "pb lors de la recup des pos. initiales des features reels restant"}));
}

}  // namespace
