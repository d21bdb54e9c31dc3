#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ZORCleaner.h"
#include "ZORDialogAgent.h"
#include "ZORGuiCommandStack.h"
#include "ZORNotifyCancel.h"
#include "ZORStateActivateNotification.h"
#include "ZORStateCancelNotification.h"
#include "ZORStateCommand.h"
#include "ZORVar.h"

namespace {

class PushNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(PushNotification, ZORNotification, ZORMetaObject::Implementation, "Test")
};
class OtherNotification : public ZORNotification {
  ZOR_DECLARE_CLASS(OtherNotification, ZORNotification, ZORMetaObject::Implementation, "Test")
};

// A button-like command that sends its notification to its father chain when "clicked".
class TestButton : public ZORCommand {
  ZOR_DECLARE_CLASS(TestButton, ZORCommand, ZORMetaObject::Implementation, "Test")
  TestButton(ZORCommand* father, const char* name) : ZORCommand(father, name) {
    notification_ = ZORMake<PushNotification>();
  }
  void Click() { SendNotification(GetFather(), notification_.get()); }
  ZORNotification* GetNotification() const { return notification_.get(); }

 private:
  ZORVar<ZORNotification> notification_;
};

std::vector<std::string> journal;

// Two states; "Next" moves state1 -> state2 when allowed, "Back" returns, "Finish" ends.
class TestCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(TestCommand, ZORStateCommand, ZORMetaObject::Implementation, "Test")
  explicit TestCommand(std::string tag = "cmd") : ZORStateCommand(tag.c_str()), tag_(tag) {
    panel_ = new ZORCommand(this, "Panel");
    next_ = new TestButton(panel_, "Next");
    back_ = new TestButton(panel_, "Back");
    finish_ = new TestButton(panel_, "Finish");
  }
  ~TestCommand() override {
    journal.push_back(tag_ + " destroyed");
    for (ZORCommand* c : {static_cast<ZORCommand*>(next_), static_cast<ZORCommand*>(back_),
                          static_cast<ZORCommand*>(finish_), panel_}) {
      c->Release();
    }
    for (ZORDialogAgent* a : {nextAgent_, nextTwin_, backAgent_, finishAgent_}) {
      if (a) a->Release();
    }
  }

  void BuildGraph() override {
    state1 = GetInitialState("state1");
    state2 = AddDialogState("state2");
    nextAgent_ = new ZORDialogAgent("_Agent");
    nextAgent_->AcceptOnNotify(next_, next_->GetNotification());
    nextTwin_ = new ZORDialogAgent("_Agent");  // same name, different agent
    nextTwin_->AcceptOnNotify(back_, back_->GetNotification());
    backAgent_ = nextTwin_;
    nextTwin_ = nullptr;
    finishAgent_ = new ZORDialogAgent("_Finish");
    finishAgent_->AcceptOnNotify(nullptr, "PushNotification");
    finishAgent_->AcceptOnNotify(finish_, finish_->GetNotification());
    AddAgent(state1, nextAgent_);
    AddAgent(state2, backAgent_);
    AddAgent(state2, finishAgent_);

    auto next = IsOutputSetCondition(nextAgent_);
    AddTransition(state1, state2,
                  ZORAndCondition(next, Condition(&TestCommand::Allowed, ZORIntData(7))),
                  Action(&TestCommand::Log, ZORIntData(1)));
    AddTransition(state1, state1, ZOROrCondition(next, IsOutputSetCondition(backAgent_)),
                  Action(&TestCommand::Log, ZORIntData(2)));
    AddTransition(state2, state1, IsOutputSetCondition(backAgent_),
                  Action(&TestCommand::Hold, nullptr));
    AddTransition(state2, nullptr, IsOutputSetCondition(finishAgent_),
                  Action(&TestCommand::Log, ZORIntData(3)));
  }

  bool EnterFirstStateAction(ZORCallbackData data) override {
    journal.push_back(tag_ + " first state");
    return ZORStateCommand::EnterFirstStateAction(data);
  }
  int Activate(ZORCommand* caller, ZORNotification* n) override {
    auto* a = static_cast<ZORStateActivateNotification*>(n);
    journal.push_back(tag_ + " activate " + std::to_string(a->GetType()));
    return ZORStateCommand::Activate(caller, n);
  }
  int Desactivate(ZORCommand* caller, ZORNotification* n) override {
    journal.push_back(tag_ + " desactivate");
    return ZORStateCommand::Desactivate(caller, n);
  }
  int Cancel(ZORCommand* caller, ZORNotification* n) override {
    auto* c = static_cast<ZORStateCancelNotification*>(n);
    journal.push_back(tag_ + " cancel " + std::to_string(c->GetType()));
    return ZORStateCommand::Cancel(caller, n);
  }

  bool Allowed(ZORCallbackData data) { return allow && ZORDataInt(data) == 7; }
  bool Log(ZORCallbackData data) {
    journal.push_back(tag_ + " action " + std::to_string(ZORDataInt(data)));
    return true;
  }
  bool Hold(ZORCallbackData) {
    journal.push_back(tag_ + " held");
    return holdReturns;
  }

  bool allow = true;
  bool holdReturns = true;
  ZORDialogState* state1 = nullptr;
  ZORDialogState* state2 = nullptr;
  TestButton* next_;
  TestButton* back_;
  TestButton* finish_;
  ZORCommand* panel_;
  ZORDialogAgent* nextAgent_ = nullptr;
  ZORDialogAgent* nextTwin_ = nullptr;
  ZORDialogAgent* backAgent_ = nullptr;
  ZORDialogAgent* finishAgent_ = nullptr;

 private:
  std::string tag_;
};

class StateCommands : public ::testing::Test {
 protected:
  void SetUp() override { journal.clear(); }
  void TearDown() override {
    ZORGuiCommandStack::Instance()->CancelAll();
    ZORTransaction::End();
  }
  ZORGuiCommandStack& stack = *ZORGuiCommandStack::Instance();
};

TEST_F(StateCommands, TransitionsFireInOrderWhenTheirConditionsHold) {
  auto* cmd = new TestCommand();
  stack.StartCommand(cmd);
  EXPECT_EQ(journal, (std::vector<std::string>{"cmd activate 0", "cmd first state"}));
  ASSERT_EQ(cmd->GetCurrentState(), cmd->state1);

  // The AND condition refuses: the next transition (OR) loops on state1 and re-arms the agent.
  cmd->allow = false;
  cmd->next_->Click();
  EXPECT_EQ(cmd->GetCurrentState(), cmd->state1);
  ASSERT_GE(journal.size(), 2u);
  EXPECT_EQ(journal[journal.size() - 2], "cmd action 2");
  EXPECT_EQ(journal.back(), "cmd first state");  // entering the first state again says so
  EXPECT_FALSE(cmd->nextAgent_->IsOutputSet());

  cmd->allow = true;
  cmd->next_->Click();
  EXPECT_EQ(cmd->GetCurrentState(), cmd->state2);
  EXPECT_EQ(journal.back(), "cmd action 1");

  // An action answering false holds the machine in its state.
  cmd->holdReturns = false;
  cmd->back_->Click();
  EXPECT_EQ(cmd->GetCurrentState(), cmd->state2);
  cmd->holdReturns = true;
  cmd->back_->Click();
  EXPECT_EQ(cmd->GetCurrentState(), cmd->state1);
  EXPECT_EQ(journal.back(), "cmd first state");
}

TEST_F(StateCommands, AgentsOutsideTheCurrentStateAreNotValued) {
  auto* cmd = new TestCommand();
  stack.StartCommand(cmd);
  cmd->back_->Click();  // "Back" waits in state2 only; in state1 nothing takes it
  EXPECT_FALSE(cmd->backAgent_->IsOutputSet());
  EXPECT_EQ(cmd->GetCurrentState(), cmd->state1);
}

TEST_F(StateCommands, ReachingTheEndCompletesTheCommandAndDestroysItAtTransactionEnd) {
  auto* cmd = new TestCommand();
  stack.StartCommand(cmd);
  cmd->next_->Click();
  cmd->finish_->Click();
  EXPECT_EQ(stack.GetCurrentCommand(), nullptr);
  EXPECT_EQ(journal.back(), "cmd action 3");  // still alive after the call that ended it
  ZORTransaction::End();
  EXPECT_EQ(journal.back(), "cmd destroyed");
}

TEST_F(StateCommands, ACommandRunOverAnotherDeactivatesItAndResumesIt) {
  auto* below = new TestCommand("below");
  stack.StartCommand(below);
  auto* over = new TestCommand("over");
  stack.StartCommand(over);
  EXPECT_EQ(stack.GetCurrentCommand(), over);
  ASSERT_EQ(stack.GiveStateList().size(), 2u);
  EXPECT_EQ(stack.GiveStateList().back().GetCallingCommand(), below);
  EXPECT_FALSE(below->IsActive());

  // The deactivated command does not react to its widgets.
  below->next_->Click();
  EXPECT_EQ(below->GetCurrentState(), below->state1);
  EXPECT_FALSE(below->nextAgent_->IsOutputSet());

  stack.CancelCommand(over);
  EXPECT_EQ(stack.GetCurrentCommand(), below);
  EXPECT_TRUE(below->IsActive());
  EXPECT_EQ(journal,
            (std::vector<std::string>{"below activate 0", "below first state", "below desactivate",
                                      "over activate 0", "over first state", "over cancel 1",
                                      "below activate 1"}));
}

// An OK may start a command (an orientation check, a repetition) before its command completes:
// that command keeps running in the completed one's place.
TEST_F(StateCommands, ACompletedCommandLeavesTheCommandsStartedOverItRunning) {
  auto* below = new TestCommand("below");
  stack.StartCommand(below);
  auto* done = new TestCommand("done");
  stack.StartCommand(done);
  auto* started = new TestCommand("started");
  stack.StartCommand(started, ZORGuiCommandStack::Mode::Shared, {done->nextAgent_});
  journal.clear();

  stack.CompleteCommand(done);
  EXPECT_EQ(stack.GetCurrentCommand(), started);
  EXPECT_TRUE(started->IsActive());
  ASSERT_EQ(stack.GiveStateList().size(), 2u);
  EXPECT_EQ(stack.GiveStateList().back().GetCallingCommand(), below);
  EXPECT_TRUE(stack.GetWaitingAgents().empty());  // the agents go with their command
  EXPECT_TRUE(journal.empty());                   // nothing cancelled, nothing resumed

  stack.CompleteCommand(started);
  EXPECT_EQ(stack.GetCurrentCommand(), below);
  EXPECT_EQ(journal, (std::vector<std::string>{"below activate 1"}));
  ZORTransaction::End();  // the completed commands go; the running ones must not notice
  EXPECT_EQ(stack.GetCurrentCommand(), below);
}

TEST_F(StateCommands, ExclusiveCommandsCancelWhatRuns) {
  stack.StartCommand(new TestCommand("a"));
  stack.StartCommand(new TestCommand("b"));
  auto* c = new TestCommand("c");
  stack.StartCommand(c, ZORGuiCommandStack::Mode::Exclusive);
  EXPECT_EQ(stack.GiveStateList().size(), 1u);
  EXPECT_EQ(stack.GetCurrentCommand(), c);
  // Cancelled as the user cancels them, so that their work is given back.
  EXPECT_NE(std::find(journal.begin(), journal.end(), "b cancel 1"), journal.end());
  EXPECT_NE(std::find(journal.begin(), journal.end(), "a cancel 1"), journal.end());
  // Cancelled without being resumed in between.
  EXPECT_EQ(std::find(journal.begin(), journal.end(), "a activate 1"), journal.end());
}

TEST_F(StateCommands, NotifyCancelSentToItselfCancelsTheCommandAndUndoesWhenAsked) {
  int undone = 0;
  int kept = 0;
  using Ending = ZORGuiCommandStack::Ending;
  stack.SetUndoPointMaker([&] {
    return [&](Ending ending) {
      ++(ending == Ending::Undone ? undone : kept);
      return ZORGlobalUndoHistory::DocumentStates();
    };
  });
  auto* cmd = new TestCommand();
  stack.StartCommand(cmd);
  auto* cancel = new ZORNotifyCancel();
  ZORCleaner::DeleteOnTransactionEnd(cancel);
  cmd->ExecuteUndoAtEnd();
  cmd->SendNotification(cmd, cancel);
  EXPECT_EQ(stack.GetCurrentCommand(), nullptr);
  EXPECT_EQ(undone, 1);
  EXPECT_EQ(journal.back(), "cmd cancel 1");

  // A command that completes keeps its changes.
  auto* completed = new TestCommand();
  stack.StartCommand(completed);
  completed->ExecuteUndoAtEnd();
  stack.CompleteCommand(completed);
  EXPECT_EQ(undone, 1);
  EXPECT_EQ(kept, 1);
  stack.SetUndoPointMaker(nullptr);
}

TEST_F(StateCommands, CommandsAreCreatedByName) {
  stack.RegisterCommand("TestCommand", [] { return new TestCommand("named"); });
  ZORStateCommand* cmd = stack.CreateCommand("TestCommand");
  ASSERT_NE(cmd, nullptr);
  EXPECT_STREQ(cmd->IsA(), "TestCommand");
  EXPECT_EQ(stack.CreateCommand("Unknown"), nullptr);
  cmd->Release();
}

TEST(DialogAgents, FiltersRefuseValuesAndReArmingClearsThem) {
  auto agent = ZORMake<ZORDialogAgent>("_Agent");
  auto value = ZORMake<PushNotification>();
  bool accept = false;
  agent->SetFilter(
      [&](ZORDialogAgent* a, ZORCallbackData data) {
        EXPECT_EQ(a, agent.get());
        EXPECT_EQ(ZORDataInt(data), 5);
        return accept;
      },
      ZORIntData(5));
  EXPECT_FALSE(agent->TryValue(value.get()));
  EXPECT_FALSE(agent->IsOutputSet());
  accept = true;
  EXPECT_TRUE(agent->TryValue(value.get()));
  EXPECT_TRUE(agent->IsOutputSet());
  EXPECT_EQ(agent->GetValue(), value.get());
  agent->InitializeAcquisition();
  EXPECT_FALSE(agent->IsOutputSet());
  EXPECT_EQ(agent->GetValue(), nullptr);
}

TEST(Notifications, TravelUpTheChainToTheFirstCommandThatAnalysesThem) {
  auto top = ZORMake<ZORCommand>(nullptr, "Top");
  auto middle = ZORMake<ZORCommand>(top.get(), "Middle");
  auto leaf = ZORMake<TestButton>(middle.get(), "Leaf");
  std::vector<std::string> calls;
  auto record = [&](const char* who) {
    return [&calls, who](ZORCommand* sender, ZORNotification*, ZORCallbackData data) {
      calls.push_back(std::string(who) + ":" + sender->GetName().str() + ":" +
                      std::to_string(ZORDataInt(data)));
    };
  };
  ZORCallback topCb = top->AddAnalyseNotificationCB(leaf.get(), leaf->GetNotification(),
                                                    record("top"), ZORIntData(1));
  leaf->Click();
  EXPECT_EQ(calls, (std::vector<std::string>{"top:Leaf:1"}));

  // A subscription nearer the sender takes it first; class subscriptions match subclasses.
  ZORCallback middleCb =
      middle->AddAnalyseNotificationCB(nullptr, "ZORNotification", record("middle"), ZORIntData(2));
  leaf->Click();
  EXPECT_EQ(calls.back(), "middle:Leaf:2");
  EXPECT_EQ(calls.size(), 2u);

  middle->RemoveAnalyseNotificationCB(middleCb);
  auto other = ZORMake<OtherNotification>();
  EXPECT_FALSE(leaf->SendNotification(middle.get(), other.get()));  // nobody analyses it
  leaf->Click();
  EXPECT_EQ(calls.back(), "top:Leaf:1");

  // Subscriptions naming a sender that goes away are dropped with it.
  top->RemoveAnalyseNotificationCB(topCb);
  top->AddAnalyseNotificationCB(leaf.get(), "ZORNotification", record("top"), nullptr);
  ZORNotification* n = leaf->GetNotification();
  ZORVar<ZORNotification> keep(n);
  leaf = nullptr;
  auto stranger = ZORMake<TestButton>(middle.get(), "Stranger");
  stranger->SendNotification(middle.get(), n);
  EXPECT_EQ(calls.size(), 3u);
}

// The caller's string may change or go once the subscription is made; two subscriptions to
// one class name stay apart.
TEST(Notifications, AClassSubscriptionKeepsTheNameItWasGiven) {
  auto speaker = ZORMake<TestButton>(nullptr, "Speaker");
  auto ear = ZORMake<ZORCommand>(nullptr, "Ear");
  int heard = 0;
  const auto count = [&heard](ZORCommand*, ZORNotification*, ZORCallbackData) { ++heard; };
  {
    std::string name = "OtherNotification";
    ear->AddAnalyseNotificationCB(speaker.get(), name.c_str(), count, nullptr);
    name = "ZORNotification";
  }
  const ZORCallback second = ear->AddAnalyseNotificationCB(
      speaker.get(), std::string("OtherNotification").c_str(), count, nullptr);
  EXPECT_FALSE(speaker->SendNotification(ear.get(), speaker->GetNotification()));
  auto other = ZORMake<OtherNotification>();
  EXPECT_TRUE(speaker->SendNotification(ear.get(), other.get()));
  EXPECT_EQ(heard, 2);
  ear->RemoveAnalyseNotificationCB(second);
  EXPECT_TRUE(speaker->SendNotification(ear.get(), other.get()));
  EXPECT_EQ(heard, 3);
}

TEST(Notifications, ABroadcastReachesEachMatchingSubscriptionOnceInSubscriptionOrder) {
  auto root = ZORMake<ZORCommand>(nullptr, "Root");
  auto speaker = ZORMake<TestButton>(root.get(), "Speaker");
  auto other = ZORMake<TestButton>(root.get(), "Other");
  auto ear = ZORMake<ZORCommand>(nullptr, "Ear");
  auto deaf = ZORMake<ZORCommand>(nullptr, "Deaf");
  std::vector<std::string> heard;
  const auto record = [&heard](const char* what) {
    return [&heard, what](ZORCommand* sender, ZORNotification*, ZORCallbackData) {
      heard.push_back(std::string(what) + ":" + sender->GetName().str());
    };
  };
  ZORNotification* n = speaker->GetNotification();
  // One listener naming the speaker and also listening to anyone; another naming someone else.
  ear->AddAnalyseNotificationCB(speaker.get(), n, record("named"), nullptr);
  ZORCallback any =
      ear->AddAnalyseNotificationCB(nullptr, "ZORNotification", record("any"), nullptr);
  deaf->AddAnalyseNotificationCB(other.get(), "ZORNotification", record("other"), nullptr);
  EXPECT_EQ(speaker->BroadcastNotification(n), 2);
  EXPECT_EQ(heard, (std::vector<std::string>{"named:Speaker", "any:Speaker"}));
  EXPECT_EQ(other->BroadcastNotification(n), 2);
  EXPECT_EQ(heard.back(), "other:Other");

  heard.clear();
  ear->RemoveAnalyseNotificationCB(any);
  EXPECT_EQ(other->BroadcastNotification(n), 1);
  EXPECT_EQ(heard, (std::vector<std::string>{"other:Other"}));
  EXPECT_EQ(speaker->BroadcastNotification(n), 1);
  EXPECT_EQ(heard.back(), "named:Speaker");
}

// A listener whose member function records what it hears; it may let go of another listener
// or make a new one while it hears.
class Ear : public ZORCommand {
  ZOR_DECLARE_CLASS(Ear, ZORCommand, ZORMetaObject::Implementation, "Test")
  Ear(const char* name, std::vector<std::string>& heard)
      : ZORCommand(nullptr, name), heard_(heard) {}
  void Hear(ZORCommand* sender, ZORNotification*, ZORCallbackData data) {
    heard_.push_back(GetName().str() + ":" + sender->GetName().str() + ":" +
                     std::to_string(ZORDataInt(data)));
    // A copy: the action may destroy this listener, and its own copy with it.
    if (const std::function<void()> act = onHear) act();
  }
  std::function<void()> onHear;

 private:
  std::vector<std::string>& heard_;
};

// Callbacks that destroy listeners still due to hear the same broadcast, or make new ones: the
// gone are skipped (the sanitizers watch for a call through a freed listener), the new hear
// from the next broadcast on, even when born where a gone one lived.
TEST(Notifications, ListenersGoneOrMadeDuringABroadcastAreSkippedUntilTheNext) {
  auto speaker = ZORMake<TestButton>(nullptr, "Speaker");
  ZORNotification* n = speaker->GetNotification();
  std::vector<std::string> heard;
  auto first = ZORMake<Ear>("First", heard);
  auto second = ZORMake<Ear>("Second", heard);
  auto third = ZORMake<Ear>("Third", heard);
  first->AddAnalyseNotificationCB(speaker.get(), n, &Ear::Hear, ZORIntData(1));
  second->AddAnalyseNotificationCB(speaker.get(), n, &Ear::Hear, ZORIntData(2));
  third->AddAnalyseNotificationCB(nullptr, "ZORNotification", &Ear::Hear, ZORIntData(3));
  ZORVar<Ear> reborn;
  first->onHear = [&] {
    first->onHear = nullptr;
    second = nullptr;
    third = nullptr;
    // Usually where one of them lived; a sending made now reaches it.
    reborn = ZORMake<Ear>("Reborn", heard);
    reborn->AddAnalyseNotificationCB(speaker.get(), n, &Ear::Hear, ZORIntData(4));
    speaker->BroadcastNotification(n);
  };
  EXPECT_EQ(speaker->BroadcastNotification(n), 1);
  EXPECT_EQ(heard,
            (std::vector<std::string>{"First:Speaker:1", "First:Speaker:1", "Reborn:Speaker:4"}));

  heard.clear();
  EXPECT_EQ(speaker->BroadcastNotification(n), 2);
  EXPECT_EQ(heard, (std::vector<std::string>{"First:Speaker:1", "Reborn:Speaker:4"}));

  // A listener letting go of itself while it hears is not called again for the same sending.
  reborn->AddAnalyseNotificationCB(speaker.get(), "ZORNotification", &Ear::Hear, ZORIntData(5));
  reborn->onHear = [&] { reborn = nullptr; };
  heard.clear();
  EXPECT_EQ(speaker->BroadcastNotification(n), 2);
  EXPECT_EQ(heard, (std::vector<std::string>{"First:Speaker:1", "Reborn:Speaker:4"}));
  heard.clear();
  EXPECT_EQ(speaker->BroadcastNotification(n), 1);
  EXPECT_EQ(heard, std::vector<std::string>{"First:Speaker:1"});

  // The speaker going first takes the subscriptions naming it: the listener going after must
  // not reach back to it (the sanitizers watch for a touch of the freed speaker).
  speaker = nullptr;
  first = nullptr;
  auto other = ZORMake<TestButton>(nullptr, "Other");
  EXPECT_EQ(other->BroadcastNotification(other->GetNotification()), 0);
}

TEST(Notifications, FatherLoopsAreRefused) {
  auto a = ZORMake<ZORCommand>(nullptr, "A");
  auto b = ZORMake<ZORCommand>(a.get(), "B");
  EXPECT_FALSE(a->SetFather(b.get()));
  EXPECT_EQ(a->GetFather(), nullptr);
  EXPECT_EQ(a->GetChildren().size(), 1u);
}

}  // namespace
