#include <gtest/gtest.h>

#include "ZORApplicationFrame.h"
#include "ZORDialogAgent.h"
#include "ZORDlgDialog.h"
#include "ZORDlgNotify.h"
#include "ZORDlgPushButton.h"
#include "ZORDriver.h"
#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORStateCancelNotification.h"
#include "ZORSurfacicUIStateCommand.h"

namespace {

// A line command as a workbench developer writes one on the host bases: a line between two
// points, a panel with a "Swap" button that exchanges its ends and an "Ask" button that asks a
// question in a blocking box.
class LineCommand : public ZORSurfacicUIStateCommand {
  ZOR_DECLARE_CLASS(LineCommand, ZORSurfacicUIStateCommand, ZORMetaObject::Implementation, "Test")

  LineCommand(ZORDocument& document, ZORFeature* start, ZORFeature* end, const char* name = "Line")
      : ZORSurfacicUIStateCommand(name) {
    ZORFeature_var line = document.CreateFeature("WENLine");
    line->SetInput("Start", start);
    line->SetInput("End", end);
    SetMyFeature(ZORISpecObject_var(line.get()));
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), name);
    swap_ = new ZORDlgPushButton(panel_, "Swap");
    ask_ = new ZORDlgPushButton(panel_, "Ask");
  }
  ~LineCommand() override {
    if (swapAgent_) swapAgent_->Release();
    if (askAgent_) askAgent_->Release();
    panel_->RequestDelayedDestruction();
  }

  ZORDlgDialog* GiveMyPanel() override { return panel_; }

  void BuildGraph() override {
    ZORDialogState* state = GetInitialPanelState("state1");
    swapAgent_ = new ZORDialogAgent("_Swap");
    swapAgent_->AcceptOnNotify(swap_, swap_->GetPushBActivateNotification());
    askAgent_ = new ZORDialogAgent("_Ask");
    askAgent_->AcceptOnNotify(ask_, ask_->GetPushBActivateNotification());
    AddAgent(state, swapAgent_);
    AddAgent(state, askAgent_);
    AddTransition(state, state, IsOutputSetCondition(swapAgent_),
                  Action(&LineCommand::Swap, nullptr));
    AddTransition(state, state, IsOutputSetCondition(askAgent_),
                  Action(&LineCommand::Ask, nullptr));
  }

  int Cancel(ZORCommand* caller, ZORNotification* notification) override {
    auto* cancel = dynamic_cast<ZORStateCancelNotification*>(notification);
    if (cancel && cancel->GetType() == ZORStateCancelNotification::kUserCancel) ExecuteUndoAtEnd();
    return ZORSurfacicUIStateCommand::Cancel(caller, notification);
  }

  bool Swap(ZORCallbackData) {
    ZORFeature* line = ZORFeature::From(GiveMyFeature().get());
    ZORFeature* start = line->GetInput("Start");
    ZORFeature* end = line->GetInput("End");
    line->SetInput("Start", end);
    line->SetInput("End", start);
    return true;
  }

  bool Ask(ZORCallbackData) {
    auto* box =
        new ZORDlgNotify(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Notify", 0x08100000);
    answer = box->DisplayBlocked("Keep going?", "Line");
    box->RequestDelayedDestruction();
    return true;
  }

  int answer = -1;

 private:
  ZORDlgDialog* panel_;
  ZORDlgPushButton* swap_;
  ZORDlgPushButton* ask_;
  ZORDialogAgent* swapAgent_ = nullptr;
  ZORDialogAgent* askAgent_ = nullptr;
};

class Driver : public ::testing::Test {
 protected:
  ZORGuiCommandStack::Creator Line(ZORFeature* start, ZORFeature* end, const char* name = "Line") {
    return
        [this, start, end, name] { return new LineCommand(session.Document(), start, end, name); };
  }

  Driver() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    a = doc.CreatePoint(0, 0, 0, set.get());
    b = doc.CreatePoint(10, 0, 0, set.get());
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(b.get());
    driver.DrainEvents();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, a, b;
};

TEST_F(Driver, OkUpdatesTheResultAndInsertsItAfterTheCurrentFeature) {
  ASSERT_EQ(driver.Start(Line(a.get(), b.get())), S_OK);
  ASSERT_EQ(driver.OpenPanels().size(), 1u);
  EXPECT_TRUE(driver.Click("Line/Swap"));
  EXPECT_TRUE(driver.PressOK());

  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_TRUE(driver.OpenPanels().empty());
  ZORFeature* line = session.Document().FindByName("Line.1");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->GetFatherFeature(), set.get());
  EXPECT_EQ(line->GetInput("Start"), b.get());  // swapped by the panel's button
  EXPECT_TRUE(line->IsUpToDate());
  EXPECT_EQ(ZORFeature::From(session.Editor().GetCurrentFeatureObject().get()), line);
  EXPECT_NE(driver.DumpDocument().find("Line.1"), std::string::npos);
}

TEST_F(Driver, CancelGivesTheDocumentBackExactly) {
  const std::string before = driver.DumpDocument();
  ASSERT_EQ(driver.Start(Line(a.get(), b.get())), S_OK);
  driver.Click("Line/Swap");
  b->SetValue("X", 20);  // a change made while the command runs is undone too
  EXPECT_NE(driver.DumpDocument(), before);
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_EQ(driver.DumpDocument(), before);
}

TEST_F(Driver, AFailedUpdateKeepsTheCommandOpenWithTheErrorOnTheFeature) {
  ZORFeatureTypeRegistry::Get().Find("WENLine")->FailFor({a.get()}, "Line refused");
  ASSERT_EQ(driver.Start(Line(a.get(), b.get())), S_OK);
  EXPECT_TRUE(driver.PressOK());
  ASSERT_NE(driver.CurrentCommand(), nullptr);  // UpdateKOAction: the user can fix or cancel
  EXPECT_NE(driver.DumpDocument().find("Line refused"), std::string::npos);
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument().find("Line"), std::string::npos);
}

TEST_F(Driver, ACommandRunOverAnotherHidesItsPanelUntilItEnds) {
  const std::string before = driver.DumpDocument();
  ASSERT_EQ(driver.Start(Line(a.get(), b.get(), "First")), S_OK);
  ASSERT_EQ(driver.Start(Line(b.get(), a.get(), "Second")), S_OK);
  ASSERT_EQ(driver.OpenPanels().size(), 1u);
  EXPECT_EQ(driver.OpenPanels()[0]->GetName(), "Second");
  EXPECT_FALSE(driver.Click("First/Swap"));  // hidden: no user can reach it

  EXPECT_TRUE(driver.PressOK());
  ASSERT_EQ(driver.OpenPanels().size(), 1u);
  EXPECT_EQ(driver.OpenPanels()[0]->GetName(), "First");
  EXPECT_NE(driver.DumpDocument().find("    Line.2 [WENLine]"), std::string::npos);
  // Cancelling the first command takes back everything done since it started, the result of
  // the command run over it included.
  EXPECT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument(), before);
}

TEST_F(Driver, TheFullStackListsThePartThenEachRunningCommandsFeature) {
  ASSERT_EQ(driver.Start(Line(a.get(), b.get(), "First")), S_OK);
  ASSERT_EQ(driver.Start(Line(b.get(), a.get(), "Second")), S_OK);
  auto stack = ZORGuiCommandStack::Instance()->GiveFullStack();
  ASSERT_EQ(stack.size(), 3u);
  EXPECT_EQ(ZORFeature::From(stack[0].get()), session.Document().GetPart());
  EXPECT_EQ(ZORFeature::From(stack[1].get())->GetDisplayNameText(), "Line.1");
  EXPECT_EQ(ZORFeature::From(stack[2].get())->GetDisplayNameText(), "Line.2");
}

TEST_F(Driver, BlockingBoxesAreAnsweredAndRecorded) {
  auto* command = new LineCommand(session.Document(), a.get(), b.get());
  ASSERT_EQ(driver.Start(command), S_OK);  // built before it starts: its line stays unattached
  driver.DrainMessages();
  driver.QueueAnswer(3);
  EXPECT_TRUE(driver.Click("Line/Ask"));
  EXPECT_EQ(command->answer, 3);
  driver.SetDefaultAnswer(7);
  driver.Click("Line/Ask");
  EXPECT_EQ(command->answer, 7);
  auto shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "Keep going?");
  EXPECT_EQ(shown[0].title, "Line");
  EXPECT_EQ(shown[0].style, 0x08100000u);
  EXPECT_TRUE(shown[0].blocking);
  EXPECT_EQ(shown[0].answer, 3);
}

TEST_F(Driver, UnknownWidgetsAndCommandsAreRefusedQuietly) {
  EXPECT_FALSE(driver.PressOK());
  EXPECT_FALSE(driver.Click("Nothing/Here"));
  EXPECT_FALSE(driver.CancelCurrent());
  EXPECT_EQ(driver.StartByName("NoSuchCommand"), E_FAIL);
  ASSERT_EQ(driver.Start(Line(a.get(), b.get())), S_OK);
  EXPECT_FALSE(driver.Click("Line/NoButton"));
  EXPECT_FALSE(driver.SelectLines("Line/Swap", {0}));  // not a list
  EXPECT_NE(driver.DescribePanels().find("ZORDlgPushButton \"Swap\""), std::string::npos);
}

}  // namespace
