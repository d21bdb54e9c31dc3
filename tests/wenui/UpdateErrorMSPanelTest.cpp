#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDriver.h"
#include "ZORFeature.h"
#include "ZORHostSession.h"
#include "ZORMMUIPanelStateCmd.h"
#include "ZORSysLogAbend.h"
#include "ZORTestResources.h"
#include "ZORWENUIUpdateErrorMSPanel.h"

namespace {

ZORDialog* MainWindow() {
  return ZORApplicationFrame::GetFrame()->GetMainWindow();
}

// A repair command as small as can be: the update-error panel as its panel and one dialog agent
// per panel notification, each recording what reached the command.
class RepairCommand : public ZORMMUIPanelStateCmd {
  ZOR_DECLARE_CLASS(RepairCommand, ZORMMUIPanelStateCmd, ZORMetaObject::Implementation, "Test")

  explicit RepairCommand(bool twoParents) : ZORMMUIPanelStateCmd("Repair") {
    panel_ = new ZORWENUIUpdateErrorMSPanel(MainWindow());
    panel_->BuildPanel(twoParents);
  }
  ~RepairCommand() override {
    agents_.clear();
    panel_->RequestDelayedDestruction();
  }
  ZORDlgDialog* GiveMyPanel() override { return panel_; }
  ZORWENUIUpdateErrorMSPanel* Panel() const { return panel_; }

  void BuildGraph() override {
    ZORDialogState* state = GetInitialPanelState("state1");
    for (const char* notification :
         {"ZORWENUIUpdateErrorMSDeactivateNotification", "ZORWENUIUpdateErrorMSDeleteNotification",
          "ZORWENUIUpdateErrorMSDeactivateAllNotification",
          "ZORWENUIUpdateErrorMSDeleteAllNotification",
          "ZORWENUIUpdateErrorMSReplaceParentNotification",
          "ZORWENUIUpdateErrorMSReplaceParentNotification2"}) {
      ZORVar<ZORDialogAgent> agent = ZORMake<ZORDialogAgent>("_ia");
      agent->AcceptOnNotify(panel_, notification);
      AddAgent(state, agent.get());
      AddTransition(state, state, IsOutputSetCondition(agent.get()),
                    Action(&RepairCommand::Record, agent.get()));
      agents_.push_back(agent);
    }
  }
  bool Record(ZORCallbackData data) {
    ZORNotification* notification = static_cast<ZORDialogAgent*>(data)->GetValuatingNotification();
    heard.push_back(notification->IsA());
    instances.push_back(notification);
    return true;
  }

  std::vector<std::string> heard;
  std::vector<ZORNotification*> instances;

 private:
  ZORWENUIUpdateErrorMSPanel* panel_;
  std::vector<ZORVar<ZORDialogAgent>> agents_;
};

class UpdateErrorMSPanel : public ::testing::Test {
 protected:
  UpdateErrorMSPanel() {
    ZORDocument& doc = session.Document();
    ZORFeature_var set = doc.CreateTool("GeometricalSet");
    for (int i = 0; i < 6; ++i) points.push_back(doc.CreatePoint(i, 0, 0, set.get()));
  }

  ZORISpecObject_var Point(int i) const { return ZORISpecObject_var(points[i].get()); }
  // Features "Point.4" .. "Point.6" in error, made from "Point.1" .. "Point.3" (and "Point.2"
  // as the one second parent), with one-line diagnoses.
  void Fill(ZORWENUIUpdateErrorMSPanel* panel, int rows = 2) const {
    ZORListValZORISpecObject_var features, parents1, parents2;
    ZORListValZORUnicodeString diagnoses;
    for (int r = 0; r < rows; ++r) {
      features.Append(Point(3 + r));
      parents1.Append(Point(r));
      diagnoses.Append(ZORUnicodeString("Diagnosis " + std::to_string(r + 1)));
    }
    parents2.Append(Point(1));
    panel->SetListOfFeature(features, parents1, parents2, diagnoses);
  }
  // A panel on the main window, its father, filled with `rows` rows.
  ZORWENUIUpdateErrorMSPanel* Standalone(bool twoParents, int rows = 2) const {
    auto* panel = new ZORWENUIUpdateErrorMSPanel(MainWindow());
    panel->BuildPanel(twoParents);
    Fill(panel, rows);
    return panel;
  }
  RepairCommand* StartRepair(bool twoParents) {
    RepairCommand* command = nullptr;
    driver.Start([&] { return command = new RepairCommand(twoParents); });
    if (command) Fill(command->Panel());
    return command;
  }
  ZORDlgMultiList* List() const {
    return dynamic_cast<ZORDlgMultiList*>(driver.Find("UpdateErrorPanel/ListOfFeatures"));
  }
  std::vector<std::string> Row(int row) const {
    std::vector<std::string> cells;
    for (int column = 0; column < List()->GetColumnCount(); ++column) {
      cells.push_back(List()->GetColumnItem(column, row).str());
    }
    return cells;
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (int column = 0; column < List()->GetColumnCount(); ++column) {
      titles.push_back(List()->GetColumnTitle(column).str());
    }
    return titles;
  }
  // The buttons that are sensitive, in the column's order.
  std::vector<std::string> SensitiveButtons() const {
    std::vector<std::string> names;
    for (ZORDialog* button : driver.Find("UpdateErrorPanel/ButtonFrame")->GetDialogChildren()) {
      if (button->GetSensitivity() == ZORDialog::kSensitive)
        names.push_back(button->GetName().str());
    }
    return names;
  }
  std::vector<std::string> ButtonTitles() const {
    std::vector<std::string> titles;
    for (ZORDialog* button : driver.Find("UpdateErrorPanel/ButtonFrame")->GetDialogChildren()) {
      titles.push_back(button->GetTitle().str());
    }
    return titles;
  }

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
  std::vector<ZORFeature_var> points;
};

using Cells = std::vector<std::string>;
using Names = std::vector<std::string>;
const Names kAllButtons = {"DeactivateAllButton", "DeleteAllButton"};

TEST_F(UpdateErrorMSPanel, OneParentFormListsFeatureParentAndDiagnosis) {
  ZORWENUIUpdateErrorMSPanel* panel = Standalone(false);
  EXPECT_EQ(panel->GetName(), "UpdateErrorPanel");
  EXPECT_EQ(panel->GetStyle(), 0x1000400u);
  EXPECT_EQ(panel->GetVisibility(), ZORDialog::kShown);
  EXPECT_FALSE(panel->IsTwoParentForm());

  ASSERT_NE(List(), nullptr);
  EXPECT_EQ(List()->GetStyle(), 0x40000u);
  EXPECT_EQ(driver.Find("UpdateErrorPanel/ButtonFrame")->GetStyle(), 0x80000u);
  EXPECT_EQ(Titles(), (Names{"Feature", "Parent", "Diagnosis"}));
  EXPECT_EQ(List()->GetVisibleColumnCount(), 3);
  EXPECT_EQ(List()->GetLineCount(), 2);
  EXPECT_EQ(Row(0), (Cells{"Point.4", "Point.1", "Diagnosis 1"}));
  EXPECT_EQ(Row(1), (Cells{"Point.5", "Point.2", "Diagnosis 2"}));
  EXPECT_EQ(ButtonTitles(),
            (Names{"Deactivate", "Delete", "Deactivate all", "Delete all", "Replace parent"}));
  EXPECT_EQ(driver.Find("UpdateErrorPanel/ButtonFrame/ReplaceParentButton1"), nullptr);

  // Filled again: the rows are the new ones only; built again: nothing more is made.
  Fill(panel, 1);
  EXPECT_EQ(List()->GetLineCount(), 1);
  panel->BuildPanel(true);
  EXPECT_EQ(panel->GetChildCount(), 2);
  EXPECT_EQ(Titles().size(), 3u);
}

TEST_F(UpdateErrorMSPanel, TwoParentFormLeavesCellsOfAShorterListEmpty) {
  resources.Write("ZORWENUIUpdateErrorMSPanel",
                  "Col2a = Origin\nPanOkTitle = Done\nDeleteButton.Title = Remove\n");
  ZORWENUIUpdateErrorMSPanel* panel = Standalone(true);
  EXPECT_TRUE(panel->IsTwoParentForm());
  // Keys the catalog lacks keep their default texts.
  EXPECT_EQ(Titles(), (Names{"Feature", "Origin", "SecondParent", "Diagnosis"}));
  EXPECT_EQ(List()->GetVisibleColumnCount(), 4);
  EXPECT_EQ(Row(0), (Cells{"Point.4", "Point.1", "Point.2", "Diagnosis 1"}));
  EXPECT_EQ(Row(1), (Cells{"Point.5", "Point.2", "", "Diagnosis 2"}));
  EXPECT_EQ(panel->GetOKTitle(), "Done");
  EXPECT_EQ(ButtonTitles(), (Names{"Deactivate", "Remove", "Deactivate all", "Delete all",
                                   "Replace first parent", "Replace second parent"}));
  EXPECT_EQ(driver.Find("UpdateErrorPanel/ButtonFrame/ReplaceParentButton"), nullptr);
}

TEST_F(UpdateErrorMSPanel, ShippedResourcesTitleThePanel) {
  ZORMsgCatalog::SetResourceDirectory(ZOR_SOURCE_DIR "/resources");
  ZORWENUIUpdateErrorMSPanel* panel = Standalone(true);
  EXPECT_EQ(panel->GetTitle(), "Features in error");
  EXPECT_EQ(panel->GetOKTitle(), "Close");
  EXPECT_EQ(Titles(), (Names{"Feature", "First parent", "Second parent", "Diagnosis"}));
}

TEST_F(UpdateErrorMSPanel, ListFillsTheLeftAndButtonsStandInAColumnToItsRight) {
  Standalone(true);
  using G = ZORDlgGridConstraints;
  auto at = [](int row, int column, int sides) { return G{row, column, 1, 1, sides}; };
  ASSERT_NE(List()->GetGridConstraints(), nullptr);
  EXPECT_EQ(*List()->GetGridConstraints(), at(0, 0, G::kFourSides));
  const ZORDialog* frame = driver.Find("UpdateErrorPanel/ButtonFrame");
  EXPECT_EQ(*frame->GetGridConstraints(), at(0, 1, G::kLeft | G::kRight | G::kTop));
  int row = 0;
  for (const ZORDialog* button : frame->GetDialogChildren()) {
    SCOPED_TRACE(button->GetName().str());
    ASSERT_NE(button->GetGridConstraints(), nullptr);
    EXPECT_EQ(*button->GetGridConstraints(), at(row++, 0, G::kLeft | G::kRight));
  }
  EXPECT_EQ(row, 6);
}

TEST_F(UpdateErrorMSPanel, SelectionButtonsAreSensitiveOnlyWithASelection) {
  Standalone(true, 3);
  EXPECT_EQ(SensitiveButtons(), kAllButtons);
  // An insensitive button cannot be pressed.
  EXPECT_FALSE(driver.Click("UpdateErrorPanel/DeleteButton"));

  EXPECT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 1));
  const Names everything = {"DeactivateButton", "DeleteButton",         "DeactivateAllButton",
                            "DeleteAllButton",  "ReplaceParentButton1", "ReplaceParentButton2"};
  EXPECT_EQ(SensitiveButtons(), everything);
  EXPECT_TRUE(driver.SelectLines("UpdateErrorPanel/ListOfFeatures", {0, 2}));
  EXPECT_EQ(SensitiveButtons(), everything);
  EXPECT_TRUE(driver.SelectLines("UpdateErrorPanel/ListOfFeatures", {}));
  EXPECT_EQ(SensitiveButtons(), kAllButtons);
}

TEST_F(UpdateErrorMSPanel, EachButtonSendsItsNotificationToTheCommand) {
  RepairCommand* command = StartRepair(true);
  ASSERT_NE(command, nullptr);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  for (const char* button :
       {"DeactivateButton", "DeleteButton", "DeactivateAllButton", "DeleteAllButton",
        "ReplaceParentButton1", "ReplaceParentButton2", "DeleteButton"}) {
    EXPECT_TRUE(driver.Click(std::string("UpdateErrorPanel/ButtonFrame/") + button)) << button;
  }
  EXPECT_EQ(command->heard, (Names{"ZORWENUIUpdateErrorMSDeactivateNotification",
                                   "ZORWENUIUpdateErrorMSDeleteNotification",
                                   "ZORWENUIUpdateErrorMSDeactivateAllNotification",
                                   "ZORWENUIUpdateErrorMSDeleteAllNotification",
                                   "ZORWENUIUpdateErrorMSReplaceParentNotification",
                                   "ZORWENUIUpdateErrorMSReplaceParentNotification2",
                                   "ZORWENUIUpdateErrorMSDeleteNotification"}));
  // The panel sends the instance it made, every time.
  ASSERT_EQ(command->instances.size(), 7u);
  EXPECT_EQ(command->instances[1], command->instances[6]);

  // In the one-parent form the single replace button sends the first replace notification.
  driver.PressCancel();
  command = StartRepair(false);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 1));
  EXPECT_TRUE(driver.Click("UpdateErrorPanel/ButtonFrame/ReplaceParentButton"));
  EXPECT_EQ(command->heard, Names{"ZORWENUIUpdateErrorMSReplaceParentNotification"});
  EXPECT_TRUE(driver.AbendLines().empty());
}

TEST_F(UpdateErrorMSPanel, UnknownCodeIsLoggedAndSendsNothing) {
  RepairCommand* command = StartRepair(false);
  for (int code : {0, 7, -1}) command->Panel()->AnalyseNotifs(nullptr, nullptr, ZORIntData(code));
  EXPECT_EQ(driver.AbendLines(), (Names{"Notif inconnue!", "Notif inconnue!", "Notif inconnue!"}));
  EXPECT_TRUE(command->heard.empty());
}

TEST_F(UpdateErrorMSPanel, CommandReadsTheSelectionAndRemovesTheRepairedRows) {
  ZORWENUIUpdateErrorMSPanel* panel = Standalone(false, 3);
  ASSERT_TRUE(driver.SelectLines("UpdateErrorPanel/ListOfFeatures", {0, 2}));
  int count = -1;
  panel->GetNumberOfSelectedLines(count);
  EXPECT_EQ(count, 2);
  std::vector<int> rows;
  panel->GetSelectedLines(rows, count);
  EXPECT_EQ(rows, (std::vector<int>{0, 2}));
  // Asking for more rows than are selected gives the selected ones only.
  std::vector<int> more;
  panel->GetSelectedLines(more, 5);
  EXPECT_EQ(more, rows);

  panel->UpdatePanel(rows.data(), count);
  EXPECT_EQ(List()->GetLineCount(), 1);
  EXPECT_EQ(Row(0), (Cells{"Point.5", "Point.2", "Diagnosis 2"}));
  EXPECT_EQ(SensitiveButtons(), kAllButtons);
  panel->GetNumberOfSelectedLines(count);
  EXPECT_EQ(count, 0);
  std::vector<int> untouched = {9};
  panel->GetSelectedLines(untouched, count);
  EXPECT_EQ(untouched, std::vector<int>{9});
}

TEST_F(UpdateErrorMSPanel, RowsLeftSelectedKeepTheSelectionButtonsSensitive) {
  ZORWENUIUpdateErrorMSPanel* panel = Standalone(false, 3);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 2));
  const int first = 0;
  panel->UpdatePanel(&first, 1);
  EXPECT_EQ(List()->GetLineCount(), 2);
  EXPECT_TRUE(List()->IsSelected(1));
  EXPECT_EQ(SensitiveButtons(), (Names{"DeactivateButton", "DeleteButton", "DeactivateAllButton",
                                       "DeleteAllButton", "ReplaceParentButton"}));
}

TEST_F(UpdateErrorMSPanel, EmptiedPanelHasNothingLeftToPress) {
  RepairCommand* command = StartRepair(true);
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 1));
  command->Panel()->UpdatePanel(nullptr, 0);
  EXPECT_EQ(List()->GetLineCount(), 0);
  EXPECT_TRUE(SensitiveButtons().empty());
  for (const char* button : {"DeactivateAllButton", "DeleteAllButton", "DeleteButton"}) {
    EXPECT_FALSE(driver.Click(std::string("UpdateErrorPanel/") + button)) << button;
  }
  EXPECT_TRUE(command->heard.empty());

  // Filled again, the "all" buttons have work again; a list emptied row by row ends the same.
  ZORWENUIUpdateErrorMSPanel* panel = command->Panel();
  Fill(panel, 1);
  EXPECT_EQ(SensitiveButtons(), kAllButtons);
  const int only = 0;
  panel->UpdatePanel(&only, 1);
  EXPECT_TRUE(SensitiveButtons().empty());
}

TEST_F(UpdateErrorMSPanel, PanelNotBuiltYetAnswersNothing) {
  auto* panel = new ZORWENUIUpdateErrorMSPanel(MainWindow());
  Fill(panel);
  panel->UpdatePanel(nullptr, 0);
  panel->ActivateButtons(true);
  int count = 42;
  panel->GetNumberOfSelectedLines(count);
  EXPECT_EQ(count, 42);
  std::vector<int> rows = {7};
  panel->GetSelectedLines(rows, 3);
  EXPECT_EQ(rows, std::vector<int>{7});
  EXPECT_EQ(panel->GetChildCount(), 0);
  EXPECT_EQ(panel->GetVisibility(), ZORDialog::kHidden);
}

}  // namespace
