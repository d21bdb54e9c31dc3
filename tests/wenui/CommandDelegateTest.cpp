#include <gtest/gtest.h>

#include "ZORDriver.h"
#include "ZORGetTangent.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIOrientationFlag.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORSpecObjectOf.h"
#include "ZORStateCancelNotification.h"
#include "ZORSysLogAbend.h"
#include "ZORTestFeatureCommand.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIOrients.h"
#include "ZORWENUIStateCommandDelegate.h"

namespace {

using Options = ZORTestFeatureCommand::Options;

ZORMathVector Tangent(ZORFeature* curve) {
  ZORMathPoint point;
  ZORMathVector tangent;
  GetTangent(ZORSpecObjectOf(curve), kZORTangentAtStart, ZORMathVector(1, 0, 0), point, tangent);
  return tangent;
}

void MakeUnpickable(ZORFeature* feature) {
  ZORVisPropertiesValues values;
  values.SetPick(0);
  ZORIVisProperties_var(ZORSpecObjectOf(feature))->SetPropertiesAtt(values, ZORVPPick);
}

// Turns a line over as an edition of it would: its ends are swapped.
void SwapEnds(ZORFeature* line) {
  ZORFeature* start = line->GetInput("Start");
  ZORFeature* end = line->GetInput("End");
  line->SetInput("Start", end);
  line->SetInput("End", start);
  line->Update();
}

class CommandDelegate : public ::testing::Test {
 protected:
  CommandDelegate() {
    set = doc().CreateTool("GeometricalSet");
    p1 = doc().CreatePoint(0, 0, 0, set.get());
    p2 = doc().CreatePoint(0, 2, 0, set.get());
    p3 = doc().CreatePoint(3, 0, 0, set.get());
    line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", p1.get());
    line->SetInput("End", p2.get());
    doc().UpdateAll();
    session.Editor().SetCurrentFeature(line.get());
  }

  ZORDocument& doc() { return session.Document(); }
  ZORTestFeatureCommand* Start(Options options) {
    ZORTestFeatureCommand* command = nullptr;
    driver.Start([&] { return command = new ZORTestFeatureCommand(options); });
    return command;
  }
  // Another command takes over and cancels the running ones without undo: only what the
  // delegate gives back is given back.
  // A cancel that asks no undo, so that only what the command gives back itself shows.
  void CancelWithoutUndo() {
    ZORGuiCommandStack::Instance()->CancelCommand(driver.CurrentCommand(),
                                                  ZORStateCancelNotification::kOther);
    driver.EndTransaction();
  }
  bool Shown(ZORFeature* f) {
    return !ZORGuiUtilitiesServices::ZORWENUIIsInNoShow(ZORSpecObjectOf(f));
  }
  bool Pickable(ZORFeature* f) {
    return !ZORGuiUtilitiesServices::ZORWENUIIsInNoPick(ZORSpecObjectOf(f));
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, p1, p2, p3, line;
};

TEST_F(CommandDelegate, WithoutCommandTheDelegateIsInertAndSaysSo) {
  auto delegate = ZORMake<ZORWENUIStateCommandDelegate>(nullptr, 1);
  EXPECT_TRUE(ZORAbendLog::Contains("pas de pere pour le ZORWENUIStateCommandDelegate"));
  int changed = 0;
  EXPECT_EQ(delegate->StoreShowStatus(ZORSpecObjectOf(p1.get())), E_FAIL);
  EXPECT_EQ(delegate->RestorePickStatus(ZORSpecObjectOf(p1.get())), E_FAIL);
  EXPECT_EQ(delegate->StoreHSO(), E_FAIL);
  EXPECT_EQ(delegate->RestoreHSO(), E_FAIL);
  EXPECT_EQ(delegate->CheckOrientations(ZORSpecObjectOf(line.get()), 0, changed), E_FAIL);
  EXPECT_EQ(delegate->StoreOrientations(ZORSpecObjectOf(line.get())), E_FAIL);
  EXPECT_EQ(ZORAbendLog::Lines().back(), "Pb initialisation");
  EXPECT_FALSE(delegate->isMSModeOn());
  EXPECT_EQ(ZORAbendLog::Lines().back(), "pas de pere");
  EXPECT_TRUE(Shown(p1.get()) && Pickable(p1.get()));
}

// A caller reads the answer of each operation: done is S_OK, whatever the work it took.
TEST_F(CommandDelegate, EachOperationDoneOnAPlainFeatureSaysSo) {
  ZORTestFeatureCommand* command = Start({.feature = p3.get()});
  ASSERT_NE(command, nullptr);
  auto delegate = ZORMake<ZORWENUIStateCommandDelegate>(command, 0);
  const ZORISpecObject_var point = ZORSpecObjectOf(p1.get());
  EXPECT_EQ(delegate->StoreShowStatus(point), S_OK);
  EXPECT_FALSE(Shown(p1.get()));  // hidden while the command runs
  EXPECT_EQ(delegate->RestoreShowStatus(point), S_OK);
  EXPECT_TRUE(Shown(p1.get()));
  EXPECT_EQ(delegate->StorePickStatus(point), S_OK);
  EXPECT_FALSE(Pickable(p1.get()));
  EXPECT_EQ(delegate->RestorePickStatus(point), S_OK);
  EXPECT_TRUE(Pickable(p1.get()));

  EXPECT_EQ(delegate->StoreHSO(), S_OK);  // nothing highlighted: nothing to keep
  EXPECT_EQ(delegate->RestoreHSO(), ZORWENUIStateCommandDelegate::kAlreadyStored);
  command->ZORWENUIHighlight(point);
  EXPECT_EQ(delegate->StoreHSO(), S_OK);
  command->GetHSO()->Empty();
  EXPECT_EQ(delegate->RestoreHSO(), S_OK);
  EXPECT_EQ(command->GetHSO()->GetSize(), 1);

  int changed = 0;
  EXPECT_EQ(delegate->CheckOrientations(ZORSpecObjectOf(line.get()), 0, changed), S_OK);  // none
  EXPECT_EQ(delegate->StoreOrientations(ZORSpecObjectOf(line.get())), S_OK);
  EXPECT_EQ(delegate->CheckOrientations(ZORSpecObjectOf(line.get()), 0, changed), S_OK);
  EXPECT_EQ(changed, 0);
  EXPECT_TRUE(driver.PressCancel());
}

TEST_F(CommandDelegate, AnEditedFeatureIsShownOrHiddenAsTheFlagSaysAndGivenBackAtCancel) {
  ZORGuiUtilitiesServices::Hide(ZORSpecObjectOf(p3.get()));
  ZORTestFeatureCommand* command = Start({.feature = p3.get(), .edit = true});
  EXPECT_TRUE(Shown(p3.get()));
  EXPECT_EQ(command->GetDelegate()->GetShowStatus(), 0);
  EXPECT_EQ(command->GetDelegate()->StoreShowStatus(ZORSpecObjectOf(p3.get())), 1);
  CancelWithoutUndo();
  EXPECT_FALSE(Shown(p3.get()));

  // Shown with the flag set: left alone, before and after.
  command = Start({.feature = p1.get(), .edit = true});
  EXPECT_EQ(command->GetDelegate()->GetShowStatus(), 1);
  CancelWithoutUndo();
  EXPECT_TRUE(Shown(p1.get()));

  // Shown with the flag clear: hidden while the command runs.
  command = Start({.feature = p1.get(), .edit = true, .visibleDuringEdition = 0});
  EXPECT_FALSE(Shown(p1.get()));
  CancelWithoutUndo();
  EXPECT_TRUE(Shown(p1.get()));
}

TEST_F(CommandDelegate, ThePickStateIsStoredOnceAndGivenBackAtCancel) {
  ZORTestFeatureCommand* command = Start({.feature = p1.get(), .edit = true});
  EXPECT_FALSE(Pickable(p1.get()));
  EXPECT_EQ(command->GetPickModeForCurrentFeature(), 0);
  ZORWENUIStateCommandDelegate* delegate = command->GetDelegate();
  command->ZORWENUIPick(ZORSpecObjectOf(p1.get()));
  EXPECT_EQ(delegate->StorePickStatus(ZORSpecObjectOf(p1.get())),
            ZORWENUIStateCommandDelegate::kAlreadyStored);
  EXPECT_TRUE(Pickable(p1.get()));  // the second store changed nothing
  EXPECT_EQ(delegate->GetPickStatus(), 1);
  command->ZORWENUINoPick(ZORSpecObjectOf(p1.get()));
  CancelWithoutUndo();
  EXPECT_TRUE(Pickable(p1.get()));

  // Unpickable from the start: it stays so.
  MakeUnpickable(p2.get());
  command = Start({.feature = p2.get(), .edit = true});
  EXPECT_EQ(command->GetDelegate()->GetPickStatus(), 0);
  EXPECT_EQ(command->GetPickModeForCurrentFeature(), 1);
  CancelWithoutUndo();
  EXPECT_FALSE(Pickable(p2.get()));
}

TEST_F(CommandDelegate, TheHighlightedSetIsSavedWhileAnotherCommandRunsOverTheCommand) {
  ZORTestFeatureCommand* command = Start({.feature = p1.get()});
  EXPECT_EQ(command->GetDelegate()->RestoreHSO(), ZORWENUIStateCommandDelegate::kAlreadyStored);
  command->ZORWENUIHighlight(ZORSpecObjectOf(p1.get()));
  command->ZORWENUIHighlight(ZORSpecObjectOf(p2.get()));
  ZORTestFeatureCommand* over = Start({});
  over->GetHSO()->Empty();
  over->ZORWENUIHighlight(ZORSpecObjectOf(p3.get()));
  driver.PressCancel();
  ASSERT_EQ(command->GetHSO()->GetSize(), 2);
  EXPECT_EQ(command->GetHSO()->GetElement(1)->GetLeaf().get(), ZORBaseUnknown_var(p1).get());
  EXPECT_EQ(command->GetHSO()->GetElement(2)->GetLeaf().get(), ZORBaseUnknown_var(p2).get());
}

TEST_F(CommandDelegate, OrientationsAreStoredForCurvesAndSurfacesOnly) {
  ZORFeature_var plane = doc().CreateFeature("WENPlane", set.get());
  plane->SetInput("Point1", p3.get());
  plane->SetInput("Point2", p1.get());
  plane->SetInput("Point3", p2.get());
  plane->Update();
  ZORTestFeatureCommand* command = Start({.feature = line.get(), .edit = true});
  const ZORMathLine* stored = command->GetDelegate()->GetStoredOrientation();
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->GetOrigin(), ZORMathPoint(0, 0, 0));
  EXPECT_EQ(stored->GetDirection(), ZORMathVector(0, 1, 0));
  EXPECT_EQ(command->GetDelegate()->StoreOrientations(ZORSpecObjectOf(line.get())),
            ZORWENUIStateCommandDelegate::kAlreadyStored);
  driver.PressCancel();

  command = Start({.feature = plane.get(), .edit = true});
  stored = command->GetDelegate()->GetStoredOrientation();
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->GetOrigin(), ZORMathPoint(3, 0, 0));
  EXPECT_NEAR(stored->GetDirection().Dot(ZORMathVector(0, 0, -1)), 1.0, 1e-12);
  driver.PressCancel();

  command = Start({.feature = p1.get(), .edit = true});
  EXPECT_EQ(command->GetDelegate()->GetStoredOrientation(), nullptr);
  EXPECT_EQ(command->GetDelegate()->GetOrientationCount(), 0);
}

class DelegateOrientationCheck : public CommandDelegate {
 protected:
  // Edits the line, turns it over in the edition and checks it as OK does.
  int EditTurnOverAndCheck() {
    ZORTestFeatureCommand* command = Start({.feature = line.get(), .edit = true});
    int changed = 0;
    command->OnAct([&](ZORTestFeatureCommand& c) {
      SwapEnds(line.get());
      c.GetDelegate()->CheckOrientations(ZORSpecObjectOf(line.get()), 1, changed);
    });
    driver.Click("TestPanel/Act");
    return changed;
  }
};

TEST_F(DelegateOrientationCheck, ATurnedCurveNothingDependsOnAsksNothing) {
  EXPECT_EQ(EditTurnOverAndCheck(), 0);
  EXPECT_EQ(dynamic_cast<ZORWENUIOrients*>(driver.CurrentCommand()), nullptr);
}

TEST_F(DelegateOrientationCheck, AnsweringYesTurnsTheCurveBackAndUpdatesIt) {
  ZORFeature_var user = doc().CreateFeature("WENIntersect", set.get());
  user->SetInput("Element1", line.get());
  ASSERT_EQ(EditTurnOverAndCheck(), 1);
  ASSERT_NE(dynamic_cast<ZORWENUIOrients*>(driver.CurrentCommand()), nullptr);
  EXPECT_EQ(Tangent(line.get()), ZORMathVector(0, -1, 0));
  ASSERT_TRUE(driver.PressOK("OrientsPanel"));
  EXPECT_EQ(Tangent(line.get()), ZORMathVector(0, 1, 0));
  EXPECT_TRUE(line->IsUpToDate());
  EXPECT_NE(dynamic_cast<ZORTestFeatureCommand*>(driver.CurrentCommand()), nullptr);  // resumed
}

TEST_F(DelegateOrientationCheck, AnsweringNoLeavesTheCurveTurned) {
  ZORFeature_var user = doc().CreateFeature("WENIntersect", set.get());
  user->SetInput("Element1", line.get());
  ASSERT_EQ(EditTurnOverAndCheck(), 1);
  ASSERT_TRUE(driver.PressApply("OrientsPanel"));
  EXPECT_EQ(Tangent(line.get()), ZORMathVector(0, -1, 0));
  EXPECT_EQ(dynamic_cast<ZORWENUIOrients*>(driver.CurrentCommand()), nullptr);
}

// Lines from A, B and C to the origin, made by a multi-selection and then edited.
class MultiSelDelegate : public CommandDelegate {
 protected:
  MultiSelDelegate() {
    ZORFeature_var origin = doc().CreatePoint(0, 0, 0, set.get());
    for (double x : {1.0, -1.0, 2.0}) starts.push_back(doc().CreatePoint(x, 0, 0, set.get()));
    ZORFeature_var matrix = NewMatrix(origin.get());
    auto* manager = new ZORWENMSManager(ZORSpecObjectOf(matrix.get()), nullptr);
    ZORIDescendants_var(ZORSpecObjectOf(set.get()))->AddChild(manager->GetMultiSel());
    for (const auto& start : starts) manager->Declare(ZORSpecObjectOf(start.get()), 1, false);
    manager->ValidateResults();
    manager->FinalizeMultisel(false, false);
    multiSel = manager->GetMultiSel();
    manager->Release();
    doc().UpdateAll();
    end = origin;
  }
  ZORFeature_var NewMatrix(ZORFeature* to) {
    ZORFeature_var matrix = doc().CreateFeature("WENLine");
    ZORIWENMultiSelAccess_var(ZORSpecObjectOf(matrix.get()))
        ->SetMultiSelInput(2, ZORSpecObjectOf(to));
    return matrix;
  }
  ZORFeature* Real(int position) {
    return ZORFeature::From(ZORIDescendants_var(multiSel)->GetChildAtPosition(position).get());
  }
  // A command on the multi-selection, with a manager made at its construction.
  ZORTestFeatureCommand* StartOnMultiSel(bool edit) {
    Options options{.feature = ZORFeature::From(multiSel.get()), .edit = edit};
    options.setUp = [this](ZORTestFeatureCommand& c) {
      ZORWENMSManager* manager = nullptr;
      EXPECT_EQ(c.initMultiSelMode(manager, ZORSpecObjectOf(NewMatrix(end.get()).get()), multiSel),
                S_OK);
      EXPECT_EQ(manager, c.GetManager());
    };
    return Start(options);
  }

  std::vector<ZORFeature_var> starts;
  ZORFeature_var end;
  ZORISpecObject_var multiSel;
};

TEST_F(MultiSelDelegate, EachRemainingChildIsCheckedAgainstTheLineOfItsInitialPosition) {
  ASSERT_EQ(ZORIWENMultiSel_var(multiSel)->GetNumberOfRealFeatures(), 3);
  ZORFeature_var third(Real(3));
  ZORFeature_var user = doc().CreateFeature("WENIntersect", set.get());
  user->SetInput("Element1", third.get());
  ZORTestFeatureCommand* command = StartOnMultiSel(true);
  ASSERT_EQ(command->GetDelegate()->GetOrientationCount(), 3);
  EXPECT_TRUE(command->GetDelegate()->isMSModeOn());
  int unchanged = -1, turned = -1;
  command->OnAct([&](ZORTestFeatureCommand& c) {
    // The second result goes: the third now stands second but keeps its initial line, which
    // runs against the second's.
    ZORGuiUtilitiesServices::Remove(ZORSpecObjectOf(Real(2)));
    unchanged = 0;
    EXPECT_EQ(c.GetDelegate()->CheckOrientations(multiSel, 0, unchanged), S_OK);
    SwapEnds(third.get());
    turned = 0;
    EXPECT_EQ(c.GetDelegate()->CheckOrientations(multiSel, 0, turned), S_OK);
  });
  driver.Click("TestPanel/Act");
  EXPECT_EQ(unchanged, 0);
  EXPECT_EQ(turned, 1);
  ASSERT_TRUE(driver.PressOK("OrientsPanel"));
  EXPECT_EQ(Tangent(third.get()), ZORMathVector(-1, 0, 0));
}

TEST_F(MultiSelDelegate, RealFeaturesAreShownAndUnpickableDuringTheCommandThenGivenBack) {
  ZORGuiUtilitiesServices::Hide(ZORSpecObjectOf(Real(2)));
  MakeUnpickable(Real(1));

  ZORTestFeatureCommand* command = StartOnMultiSel(false);
  ZORWENUIStateCommandDelegate* delegate = command->GetDelegate();
  ASSERT_EQ(delegate->StoreShowStatus(multiSel), S_OK);
  ASSERT_EQ(delegate->StorePickStatus(multiSel), S_OK);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(Shown(Real(i))) << i;
    EXPECT_FALSE(Pickable(Real(i))) << i;
  }
  ASSERT_EQ(delegate->RestoreShowStatus(multiSel), S_OK);
  ASSERT_EQ(delegate->RestorePickStatus(multiSel), S_OK);
  EXPECT_FALSE(Shown(Real(2)));
  EXPECT_TRUE(Shown(Real(1)) && Shown(Real(3)));
  EXPECT_FALSE(Pickable(Real(1)));  // unpickable from the start
  EXPECT_TRUE(Pickable(Real(2)) && Pickable(Real(3)));
}

TEST_F(MultiSelDelegate, AnEditionShowsTheResultsWhileItRunsAndGivesTheirStatusBackAtCancel) {
  ZORGuiUtilitiesServices::Hide(ZORSpecObjectOf(Real(2)));
  MakeUnpickable(Real(1));

  StartOnMultiSel(true);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(Shown(Real(i))) << i;
    EXPECT_FALSE(Pickable(Real(i))) << i;
  }
  driver.PressCancel();
  EXPECT_FALSE(Shown(Real(2)));  // hidden before the edition, so not a contextual child shown
  EXPECT_TRUE(Shown(Real(1)) && Shown(Real(3)));
  EXPECT_FALSE(Pickable(Real(1)));
  EXPECT_TRUE(Pickable(Real(2)) && Pickable(Real(3)));
}

TEST_F(MultiSelDelegate, MissingInterfacesOnAMultiSelectionAreLoggedAndFail) {
  ZORTestFeatureCommand* command = StartOnMultiSel(false);
  ZORWENUIStateCommandDelegate* delegate = command->GetDelegate();
  EXPECT_EQ(delegate->StoreOrientations(ZORSpecObjectOf(p1.get())), E_FAIL);
  EXPECT_EQ(ZORAbendLog::Lines().back(), "erreur interface descendants sur multisel");
  ZORFeature_var empty = doc().CreateFeature("WENMultiSel", set.get());
  EXPECT_EQ(delegate->StoreOrientations(ZORSpecObjectOf(empty.get())), E_FAIL);
  EXPECT_EQ(ZORAbendLog::Lines().back(), "pas de children pour le multisel");
  EXPECT_EQ(delegate->StoreShowStatus(ZORSpecObjectOf(p1.get())), E_FAIL);

  // A single check needs a stored line and a feature whose users can be listed.
  ZORTestFeatureCommand* plain = Start({.feature = p1.get()});
  int changed = 0;
  EXPECT_EQ(
      plain->GetDelegate()->CheckSingleOrientation(ZORSpecObjectOf(p1.get()), nullptr, 0, changed),
      E_FAIL);
  ZORMathLine any;
  ZORFeature_var parameter = doc().CreateParameter("L", "Longueur", 1);
  EXPECT_EQ(plain->GetDelegate()->CheckSingleOrientation(ZORSpecObjectOf(parameter.get()), &any, 0,
                                                         changed),
            E_FAIL);
  EXPECT_EQ(ZORAbendLog::Lines().back(), "impossible de recuperer l'interface ZORISpecScan");
  EXPECT_EQ(driver.CurrentCommand(), plain);  // the command goes on
}

}  // namespace
