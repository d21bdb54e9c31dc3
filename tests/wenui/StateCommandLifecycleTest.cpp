#include <gtest/gtest.h>

#include "ZORApplicationFrame.h"
#include "ZORDlgPushButton.h"
#include "ZORDriver.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORGuiInputError.h"
#include "ZORIMmiContextualManager.h"
#include "ZORShownMessageJournal.h"
#include "ZORSpecObjectOf.h"
#include "ZORSurfacicUIRecordServices.h"
#include "ZORTestResources.h"
#include "ZORWENUIStateCommand.h"

namespace {

// A feature command as small as can be: a panel with one button whose transition loops on the
// first state, and an optional feature.
class TinyCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(TinyCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation, "Test")

  explicit TinyCommand(ZORFeature* feature = nullptr, bool edit = false,
                       ZORWENUIStateCmdInfo* info = nullptr, const ZORPathElement* active = nullptr,
                       const ZORPathElement* working = nullptr)
      : ZORWENUIStateCommand(info, "Tiny", 0, active, working, 1) {
    if (feature) SetMyFeature(ZORISpecObject_var(feature));
    SetEditMode(edit);
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "TinyPanel");
    loop_ = new ZORDlgPushButton(panel_, "Loop");
  }
  ~TinyCommand() override {
    if (agent_) agent_->Release();
    panel_->RequestDelayedDestruction();
  }
  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  HRESULT CreationJournal(const ZORISpecObject_var&, const ZORISpecObject_var&) override {
    return S_OK;
  }
  void BuildGraph() override {
    ZORDialogState* state = GetInitialPanelState("state1");
    agent_ = new ZORDialogAgent("_Loop");
    agent_->AcceptOnNotify(loop_, loop_->GetPushBActivateNotification());
    AddAgent(state, agent_);
    AddTransition(state, state, IsOutputSetCondition(agent_));
  }
  bool InitAction(ZORCallbackData data) override {
    ++initActions;
    return ZORWENUIStateCommand::InitAction(data);
  }

  int initActions = 0;

 private:
  ZORDlgDialog* panel_;
  ZORDlgPushButton* loop_;
  ZORDialogAgent* agent_ = nullptr;
};

class StateCommandLifecycle : public ::testing::Test {
 protected:
  StateCommandLifecycle() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    point = doc.CreatePoint(1, 2, 3, set.get());
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(point.get());
    resources.Write("ZORSurfacicUIStateCommand",
                    "Tiny.Title = Tiny Command\n"
                    "Tiny.Stop.Request = Stopping {1}\n"
                    "Tiny.Stop.Diagnostic = {1} cannot go on\n");
    resources.Write("ZORGuiInternalError", "ZORGuiInternalError.TitleInCommand = {1}\n");
    resources.Write("ZORGuiInputError", "WENUIINPUT_ERR_1.Request = Bad input\n");
  }

  TinyCommand* StartTiny(ZORFeature* feature = nullptr, bool edit = false) {
    TinyCommand* command = nullptr;
    driver.Start([&] { return command = new TinyCommand(feature, edit); });
    return command;
  }

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, point;
};

TEST_F(StateCommandLifecycle, RecordLevelIsReadWithItsWarningBelowFourteen) {
  auto levelFor = [](auto prepare) {
    ZORSurfacicUIRecordServices::ResetStore();
    prepare();
    auto command = ZORVar<TinyCommand>::Adopt(new TinyCommand());
    return command->GetRecordToolLevel();
  };
  EXPECT_EQ(
      levelFor([] { ZORSurfacicUIRecordServices::SetStoredLevel("SurfacicRecordLevel", 12); }), 12);
  ASSERT_EQ(ZORSurfacicUIRecordServices::GetRecordedWarnings().size(), 1u);
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordedWarnings()[0].text, "R14 Warning diagnosis");

  EXPECT_EQ(
      levelFor([] { ZORSurfacicUIRecordServices::SetStoredLevel("SurfacicRecordLevel", 20); }), 20);
  EXPECT_TRUE(ZORSurfacicUIRecordServices::GetRecordedWarnings().empty());

  EXPECT_EQ(levelFor([] { ZORSurfacicUIRecordServices::SetStoreReadable(false); }), 14);
  EXPECT_TRUE(ZORSurfacicUIRecordServices::GetRecordedWarnings().empty());
}

TEST_F(StateCommandLifecycle, ACommandWithoutFeatureRunsAndCancelsWithoutTouchingTheDocument) {
  const std::string before = driver.DumpDocument();
  driver.DrainEvents();
  TinyCommand* command = StartTiny();
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->initActions, 1);
  StartTiny();  // another command over it: it is deactivated
  EXPECT_FALSE(command->IsActive());
  EXPECT_TRUE(driver.PressCancel());  // the top one
  EXPECT_TRUE(command->IsActive());   // resumed
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(driver.DumpDocument(), before);
  EXPECT_TRUE(driver.DrainEvents().empty());
  EXPECT_TRUE(driver.AbendLines().empty());
}

// A command without feature has nothing to show, pick, measure, update or keep: each such
// request says it failed rather than that it was done, and the document stays as it was.
TEST_F(StateCommandLifecycle, ACommandWithoutFeatureRefusesWhatNeedsOne) {
  TinyCommand* command = StartTiny();
  ASSERT_NE(command, nullptr);
  const std::string before = driver.DumpDocument();
  driver.DrainEvents();
  const ZORISpecObject_var none;
  EXPECT_EQ(command->ZORWENUIPick(none), E_FAIL);
  EXPECT_EQ(command->ZORWENUINoPick(none), E_FAIL);
  EXPECT_EQ(command->ZORWENUIHighlight(none), E_FAIL);
  EXPECT_EQ(command->ZORWENUINoHighlight(none), E_FAIL);
  EXPECT_EQ(command->AppendDimensions(), E_FAIL);
  EXPECT_EQ(command->RemoveDimensions(), E_FAIL);
  EXPECT_EQ(command->UpdateDim(), E_FAIL);
  EXPECT_EQ(command->InsertInCurrentContext(none, none, 0), E_FAIL);
  EXPECT_EQ(command->RunUpdate(none, 0, 1), E_FAIL);
  EXPECT_EQ(command->ValidateResult(none, 0), E_FAIL);
  EXPECT_EQ(command->ConvertToDatum(none), E_FAIL);
  EXPECT_EQ(command->ZORWENUIColor(none, 1, 2, 3), E_FAIL);
  EXPECT_EQ(command->ZORWENUIOpacity(none, 10), E_FAIL);
  EXPECT_EQ(driver.DumpDocument(), before);
  EXPECT_TRUE(driver.DrainEvents().empty());
  EXPECT_TRUE(driver.PressCancel());
}

// With a feature, the same requests say whether they did what was asked.
TEST_F(StateCommandLifecycle, ACommandWithAFeatureSaysWhetherItsUpdateWorked) {
  ZORFeature_var line = session.Document().CreateFeature("WENLine", set.get());
  line->SetInput("Start", point.get());
  TinyCommand* command = StartTiny(point.get(), true);
  ASSERT_NE(command, nullptr);
  point->SetValue("X", 4);
  EXPECT_EQ(command->RunUpdate(ZORISpecObject_var(), 0, 1), S_OK);
  EXPECT_TRUE(point->IsUpToDate());
  EXPECT_EQ(command->RunUpdate(ZORSpecObjectOf(line.get()), 0, 0), E_FAIL);  // no end point
  EXPECT_FALSE(line->IsUpToDate());
  EXPECT_EQ(command->ValidateResult(ZORISpecObject_var(), 0), S_OK);
  EXPECT_EQ(command->InsertInCurrentContext(ZORISpecObject_var(), ZORISpecObject_var(), 0),
            S_OK);  // already in place
  EXPECT_EQ(command->AppendDimensions(), S_OK);
  EXPECT_EQ(command->RemoveDimensions(), S_OK);
  const ZORISpecObject_var shown = ZORSpecObjectOf(line.get());
  EXPECT_EQ(command->ZORWENUIHighlight(shown), S_OK);
  EXPECT_EQ(command->GetHSO()->GetSize(), 1);
  EXPECT_EQ(command->ZORWENUINoHighlight(shown), S_OK);
  EXPECT_EQ(command->GetHSO()->GetSize(), 0);
  EXPECT_EQ(command->ZORWENUINoPick(shown), S_OK);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(shown), 1);
  EXPECT_EQ(command->ZORWENUINoPick(shown), S_OK);  // already so
  EXPECT_EQ(command->ZORWENUIPick(shown), S_OK);
  EXPECT_EQ(command->ZORWENUIIsInNoPick(shown), 0);
  EXPECT_TRUE(driver.PressCancel());
}

TEST_F(StateCommandLifecycle, TheFirstStateEnteredAgainRunsInitActionOnce) {
  TinyCommand* command = StartTiny(point.get());
  driver.Click("TinyPanel/Loop");
  driver.Click("TinyPanel/Loop");
  EXPECT_EQ(command->initActions, 1);
}

TEST_F(StateCommandLifecycle, InitActionMakesTheFeatureActiveUnlessTheContextDiffers) {
  ZORPathElement pointPath = session.Document().GivePathElementFrom(point.get());
  ZORPathElement setPath = session.Document().GivePathElementFrom(set.get());
  auto activeLeafAfterStart = [&](const ZORPathElement* active, const ZORPathElement* working) {
    session.Editor().SetActiveObjectPath(setPath);
    driver.Start([&] { return new TinyCommand(point.get(), true, nullptr, active, working); });
    ZORBaseUnknown_var leaf = session.Editor().GetActiveObjectPath().GetLeaf();
    driver.PressCancel();
    return leaf.get();
  };
  ZORBaseUnknown* pointObject = point.get();
  EXPECT_EQ(activeLeafAfterStart(nullptr, nullptr), pointObject);
  EXPECT_EQ(activeLeafAfterStart(&setPath, &setPath), pointObject);
  EXPECT_EQ(activeLeafAfterStart(&pointPath, nullptr), pointObject);
  EXPECT_EQ(activeLeafAfterStart(&pointPath, &setPath), static_cast<ZORBaseUnknown*>(set.get()));
  // Cancel gave the editor its active path back.
  EXPECT_EQ(session.Editor().GetActiveObjectPath(), setPath);
}

TEST_F(StateCommandLifecycle, ModeQuestionsAskTheInformationOrAFreshOne) {
  auto bare = ZORVar<TinyCommand>::Adopt(new TinyCommand());
  EXPECT_EQ(bare->IsCloudFeatureModeOn(), 0);  // default shape-feature mode 1
  EXPECT_EQ(bare->IsCreationOutsideTAVModeOn(), 0);
  ZORWENUIStateCmdInfo::SetDefaults(1, 3);
  EXPECT_EQ(bare->IsCloudFeatureModeOn(), 1);  // anything but 1
  EXPECT_EQ(bare->IsCreationOutsideTAVModeOn(), 1);

  ZORWENUIStateCmdInfo info;
  info.SetShapeFeatureMode(3);
  auto informed = ZORVar<TinyCommand>::Adopt(new TinyCommand(nullptr, false, &info));
  EXPECT_EQ(informed->IsCloudFeatureModeOn(), 0);  // only mode 2 with information
  info.SetShapeFeatureMode(2);
  EXPECT_EQ(informed->IsCloudFeatureModeOn(), 1);
  info.SetCreationOutsideTAVMode(0);
  EXPECT_EQ(informed->IsCreationOutsideTAVModeOn(), 0);
}

TEST_F(StateCommandLifecycle, NotifyShowsBlockingBoxesOnlyForFailuresAndKnownTexts) {
  TinyCommand* command = StartTiny();
  driver.DrainMessages();
  EXPECT_EQ(command->ZORWENUINotify(0L, 0x08100000), 0);
  EXPECT_EQ(command->ZORWENUINotify(1L, 0x08100000), 0);
  EXPECT_TRUE(driver.DrainMessages().empty());

  driver.QueueAnswer(2);
  ZORError::SetLastError(new ZORGuiInputError("WENUIINPUT_ERR_1", "ZORGuiInputError"));
  EXPECT_EQ(command->ZORWENUINotify(static_cast<long>(E_FAIL), 0x10100000), 2);
  ZORListValZORUnicodeString params{"Point.1"};
  EXPECT_EQ(command->ZORWENUINotify("Stop", &params, 0x08100000), 0);
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].name, "Notify");
  EXPECT_EQ(shown[0].text, "Bad input");
  EXPECT_EQ(shown[0].title, "Tiny Command");
  EXPECT_EQ(shown[0].style, 0x10100000u);
  EXPECT_EQ(shown[1].text, "Stopping {1}\nPoint.1 cannot go on");

  // A failure without an error to show shows nothing; so does a host without main window.
  EXPECT_EQ(command->ZORWENUINotify(static_cast<long>(E_FAIL), 0), 0);
  ZORApplicationFrame::SetMainWindowPresent(false);
  EXPECT_EQ(command->ZORWENUINotify("Stop", &params, 0), 0);
  ZORApplicationFrame::SetMainWindowPresent(true);
  EXPECT_TRUE(driver.DrainMessages().empty());

  // The error form flushes the error and clears the caller's pointer.
  ZORError* error = new ZORGuiInputError("WENUIINPUT_ERR_1", "ZORGuiInputError");
  command->ZORWENUINotify(error, 0);
  EXPECT_EQ(error, nullptr);
}

TEST_F(StateCommandLifecycle, RequestCancelShowsTheMessageThenCancelsAndUndoes) {
  const std::string before = driver.DumpDocument();
  TinyCommand* command = StartTiny(point.get(), true);
  point->SetValue("X", 50);
  driver.DrainMessages();
  ZORListValZORUnicodeString params{"Point.1"};
  EXPECT_EQ(command->ZORWENUIRequestCancel("Stop", &params), 1);
  driver.EndTransaction();
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(driver.DumpDocument(), before);
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].style, ZORWENUIStateCommand::kCancelMessageStyle);
  EXPECT_TRUE(driver.OpenPanels().empty());
}

TEST_F(StateCommandLifecycle, ContextualChildrenAreShownDuringAnEditionAndHiddenAtCancel) {
  ZORFeature_var line = session.Document().CreateFeature("WENLine", set.get());
  ZORFeature_var start = session.Document().CreatePoint(5, 5, 5, line.get());  // made for the line
  ZORFeature_var other = session.Document().CreatePoint(6, 6, 6, line.get());  // merely under it
  ZORIMmiContextualManager_var(ZORSpecObjectOf(start))->SetContextual(1);
  line->SetInput("Start", start.get());
  line->SetInput("End", point.get());
  ZORVisPropertiesValues hidden;
  hidden.SetShow(ZORNoShowAttr);
  ZORVar<ZORIVisProperties>(start.get())->SetPropertiesAtt(hidden, ZORVPShow);
  ZORVar<ZORIVisProperties>(other.get())->SetPropertiesAtt(hidden, ZORVPShow);

  TinyCommand* command = StartTiny(line.get(), true);
  EXPECT_EQ(command->ZORWENUIIsInNoShow(ZORISpecObject_var(start.get())), 0);
  EXPECT_EQ(command->ZORWENUIIsInNoShow(ZORISpecObject_var(other.get())), 1);
  driver.PressCancel();
  ZORVisPropertiesValues values;
  ZORVar<ZORIVisProperties>(start.get())->GetPropertiesAtt(values, ZORVPShow);
  EXPECT_EQ(values.GetShow(), ZORNoShowAttr);
}

TEST_F(StateCommandLifecycle, AnErrorRaisedWhileCancellingNeverStopsTheCancel) {
  StartTiny(point.get(), true);
  // Every gated host call inside Cancel's protected section raises from the first one on.
  long calls = 0;
  for (long k = 1; k < 50; ++k) {
    ZORFaultGate::Arm(k);
    TinyCommand* command = StartTiny(point.get(), true);
    ASSERT_NE(command, nullptr);
    ZORFaultGate::ResetCount();
    driver.PressCancel();
    calls = ZORFaultGate::Calls();
    const bool fired = ZORFaultGate::Fired();
    ZORFaultGate::Disarm();
    EXPECT_NE(driver.CurrentCommand(), command) << "k=" << k;
    if (!fired) break;
  }
  EXPECT_GT(calls, 0);
}

TEST_F(StateCommandLifecycle, ACommandBuiltWithoutEditorRunsAndCancels) {
  ZORFrmEditor::SetCurrentEditor(nullptr);
  TinyCommand* command = StartTiny(point.get(), true);
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->GetEditor(), nullptr);
  EXPECT_EQ(command->initActions, 1);
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  ZORFrmEditor::SetCurrentEditor(&session.Editor());
}

TEST_F(StateCommandLifecycle, WithdrawnOrientationCheckOnlyLogs) {
  auto command = ZORVar<TinyCommand>::Adopt(new TinyCommand());
  EXPECT_EQ(command->CheckOrientations(), 0);
  EXPECT_EQ(driver.AbendLines().back(), "CheckOrientations: methode depreciee");
}

TEST_F(StateCommandLifecycle, StartedFromAnotherFeatureCommandItJoinsItsContext) {
  ZORWENUIStateCmdInfo info;
  StartTiny();
  driver.Start([&] { return new TinyCommand(nullptr, false, &info); });
  EXPECT_EQ(info.GetContextualAgregMode(), 1);

  ZORWENUIStateCmdInfo alone;
  driver.CancelCurrent();
  driver.CancelCurrent();
  driver.Start([&] { return new TinyCommand(nullptr, false, &alone); });
  EXPECT_EQ(alone.GetContextualAgregMode(), 0);
}

TEST_F(StateCommandLifecycle, ShapeBodiesGetConstraintEventsAtStartAndCancel) {
  ZORFeature_var body = session.Document().CreateTool("ShapeBody");
  ZORFeature_var inBody = session.Document().CreatePoint(0, 0, 1, body.get());
  session.Document().UpdateAll();
  session.Editor().SetCurrentFeature(inBody.get());
  driver.DrainEvents();
  StartTiny(inBody.get(), true);
  driver.PressCancel();
  auto events = driver.DrainEvents();
  ASSERT_GE(events.size(), 2u);
  // The pick status stored at activation comes first; the constraints wrap the rest.
  EXPECT_NE(events[1].find("ZORMuiAppendConstraint"), std::string::npos);
  EXPECT_NE(events.back().find("ZORMuiRemoveConstraint"), std::string::npos);
}

}  // namespace
