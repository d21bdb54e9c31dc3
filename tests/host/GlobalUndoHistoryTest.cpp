#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORCommandGlobalUndo.h"
#include "ZORDriver.h"
#include "ZORFrmEditor.h"
#include "ZORGlobalUndoHistory.h"
#include "ZORGuiCommandStack.h"
#include "ZORStateCommand.h"

namespace {

// What the callbacks of the records did, in order: "undo A", "redo A", "clean A".
std::vector<std::string> calls;

void* Undo(void* data) {
  calls.push_back("undo " + *static_cast<std::string*>(data));
  return data;
}
void* Redo(void* data) {
  calls.push_back("redo " + *static_cast<std::string*>(data));
  return data;
}
void Clean(void* data) {
  auto* name = static_cast<std::string*>(data);
  calls.push_back("clean " + *name);
  delete name;
}

std::unique_ptr<ZORCommandGlobalUndo> Record(const std::string& name) {
  return std::make_unique<ZORCommandGlobalUndo>(&Undo, &Redo, new std::string(name), &Clean);
}

// A command that leaves a global undo record named after it when it ends.
class RecordingCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(RecordingCommand, ZORStateCommand, ZORMetaObject::Implementation, "Test")
  explicit RecordingCommand(std::string name) : ZORStateCommand("Recording"), name_(name) {}
  ZORCommandGlobalUndo* GetGlobalUndo() override { return Record(name_).release(); }

 private:
  std::string name_;
};

class GlobalUndoHistory : public ::testing::Test {
 protected:
  GlobalUndoHistory() { calls.clear(); }
  ~GlobalUndoHistory() override { calls.clear(); }
};

TEST_F(GlobalUndoHistory, UndoAndRedoWalkTheRecordsAndANewRecordDropsTheUndoneOnes) {
  ZORGlobalUndoHistory history;
  history.Add(Record("A"));
  history.Add(Record("B"));
  history.Add(nullptr);
  EXPECT_EQ(history.GetCount(), 2);

  EXPECT_TRUE(history.Undo());
  EXPECT_TRUE(history.Undo());
  EXPECT_FALSE(history.Undo());
  EXPECT_TRUE(history.Redo());
  EXPECT_EQ(history.GetPosition(), 1);
  EXPECT_EQ(calls, (std::vector<std::string>{"undo B", "undo A", "redo A"}));

  calls.clear();
  history.Add(Record("C"));  // B was undone: it can no longer be redone
  EXPECT_EQ(calls, (std::vector<std::string>{"clean B"}));
  EXPECT_FALSE(history.Redo());
  EXPECT_EQ(history.GetCount(), 2);
}

TEST_F(GlobalUndoHistory, EveryRecordIsCleanedExactlyOnce) {
  {
    ZORGlobalUndoHistory history;
    history.Add(Record("A"));
    history.Add(Record("B"));
    history.Undo();
    history.Add(Record("C"));
    history.Clear();
    history.Add(Record("D"));
  }
  EXPECT_EQ(calls,
            (std::vector<std::string>{"undo B", "clean B", "clean C", "clean A", "clean D"}));
}

class GlobalUndoOfCommands : public GlobalUndoHistory {
 protected:
  ZORGlobalUndoHistory& History() { return session.Editor().GetGlobalUndoHistory(); }
  ZORHostSession session;
  ZORDriver driver{session};
};

TEST_F(GlobalUndoOfCommands, AFinishedCommandLeavesItsRecordToTheEditorACancelledOneDoesNot) {
  auto* done = new RecordingCommand("done");
  driver.Start(done);
  driver.Start(new RecordingCommand("cancelled"));
  EXPECT_TRUE(driver.CancelCurrent());
  EXPECT_EQ(History().GetCount(), 0);

  ZORGuiCommandStack::Instance()->CompleteCommand(done);
  driver.EndTransaction();
  EXPECT_EQ(History().GetCount(), 1);
  EXPECT_TRUE(calls.empty());

  EXPECT_TRUE(driver.GlobalUndo());
  EXPECT_FALSE(driver.GlobalUndo());
  EXPECT_TRUE(driver.GlobalRedo());
  EXPECT_FALSE(driver.GlobalRedo());
  EXPECT_EQ(calls, (std::vector<std::string>{"undo done", "redo done"}));
}

TEST_F(GlobalUndoOfCommands, AStepGoesOnlyToStatesTheDocumentKeepsAndForgetsThemWhenDropped) {
  ZORDocument& doc = session.Document();
  const int before = doc.SetMark();
  {
    ZORGlobalUndoHistory history;
    history.Add(Record("A"), {&doc, before, 0, nullptr, nullptr});
    history.Add(Record("B"), {&doc, before + 100, 0, nullptr, nullptr});  // a state not kept
    // B's state cannot be given back: B stays in effect, its record unrun.
    EXPECT_FALSE(history.Undo());
    EXPECT_EQ(history.GetPosition(), 2);
    EXPECT_TRUE(doc.HasMark(before));
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"clean B", "clean A"}));
  EXPECT_FALSE(doc.HasMark(before));
}

TEST_F(GlobalUndoOfCommands, WithoutEditorTheRecordIsCleanedAtOnce) {
  auto* command = new RecordingCommand("alone");
  driver.Start(command);
  ZORFrmEditor::SetCurrentEditor(nullptr);
  ZORGuiCommandStack::Instance()->CompleteCommand(command);
  EXPECT_EQ(calls, (std::vector<std::string>{"clean alone"}));
  EXPECT_FALSE(driver.GlobalUndo());
  ZORFrmEditor::SetCurrentEditor(&session.Editor());
}

TEST_F(GlobalUndoOfCommands, TheEditorCleansItsRecordsWhenItGoes) {
  ZORVar<ZORFrmEditor> other = ZORMake<ZORFrmEditor>(&session.Document());
  ZORFrmEditor::SetCurrentEditor(other.get());
  auto* command = new RecordingCommand("other");
  driver.Start(command);
  ZORGuiCommandStack::Instance()->CompleteCommand(command);
  driver.EndTransaction();
  EXPECT_EQ(other->GetGlobalUndoHistory().GetCount(), 1);
  EXPECT_EQ(History().GetCount(), 0);

  ZORFrmEditor::SetCurrentEditor(&session.Editor());
  EXPECT_TRUE(calls.empty());
  other = nullptr;
  EXPECT_EQ(calls, (std::vector<std::string>{"clean other"}));
}

}  // namespace
