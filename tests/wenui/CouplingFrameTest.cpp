// The coupling frame and the coupling points window as a user works them: rows, selection,
// the contextual menu, the show-lines button, closing and refilling the window, and what the
// father hears.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgDialog.h"
#include "ZORDlgMultiList.h"
#include "ZORDriver.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiCouplingFrame.h"
#include "ZORGuiCouplingPanel.h"
#include "ZORHostSession.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"
#include "ZORTestListener.h"
#include "ZORWENUIMultiList.h"

namespace {

using Heard = std::vector<std::string>;
constexpr const char* kList = "Panel/couplPointsFrame/CouplingList";

class CouplingFrame : public ::testing::Test {
 protected:
  CouplingFrame() {
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    panel_->SetVisibility(ZORDialog::kShown);
    frame_ = new ZORGuiCouplingFrame(panel_, &listener_);
    const std::pair<ZORNotification*, const char*> heard[] = {
        {frame_->GetCouplingSelNotif(), "select"},
        {frame_->GetCouplingEditNotif(), "edit"},
        {frame_->GetCouplingAddNotif(), "add"},
        {frame_->GetCouplingAddAfterNotif(), "add after"},
        {frame_->GetCouplingAddBeforeNotif(), "add before"},
        {frame_->GetCouplingRemoveNotif(), "remove"},
        {frame_->GetCouplingRemoveAllNotif(), "remove all"},
        {frame_->GetCouplingShowLinesNotif(), "show lines"}};
    for (const auto& [notification, tag] : heard) {
      listener_.Listen(frame_, notification, tag, [this] {
        int row = 0;
        frame_->GetSelected(row);
        return " " + std::to_string(row);
      });
    }
  }
  ~CouplingFrame() override { panel_->Destroy(); }

  ZORDlgMultiList* List() const { return frame_->GetCouplingList(); }
  std::string Row(int row) const {
    return List()->GetColumnItem(0, row).str() + "|" + List()->GetColumnItem(1, row).str();
  }
  Heard Log() { return std::exchange(listener_.log, {}); }
  ZORDialog* Item(const char* name) const {
    return ZORDlgContextualMenu::Of(List())->FindChild(name);
  }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORTestListener listener_;
  ZORDlgDialog* panel_ = nullptr;
  ZORGuiCouplingFrame* frame_ = nullptr;
};

TEST_F(CouplingFrame, RowsAreNumberedAndNamedAndAnEmptyListShowsDots) {
  EXPECT_EQ(List()->GetColumnTitle(0).str(), "N\u00b0");
  EXPECT_EQ(List()->GetColumnTitle(1).str(), "Coupling");
  EXPECT_TRUE(frame_->IsGridRowResizable(0));
  EXPECT_TRUE(frame_->IsGridColumnResizable(0));
  EXPECT_FALSE(frame_->IsGridRowResizable(1));
  frame_->SetNumberOfCoupling(3);
  ASSERT_EQ(List()->GetLineCount(), 3);
  EXPECT_EQ(Row(0), "1|Coupling1");
  EXPECT_EQ(Row(2), "3|Coupling3");
  frame_->SetNumberOfCoupling(0);
  ASSERT_EQ(List()->GetLineCount(), 1);
  EXPECT_EQ(Row(0), "...|");
  int row = 7;
  EXPECT_EQ(frame_->GetSelected(row), 0);
  EXPECT_EQ(row, 1);
  frame_->SetNumberOfCoupling(-4);
  EXPECT_EQ(List()->GetLineCount(), 1);
  EXPECT_TRUE(Log().empty());
}

TEST_F(CouplingFrame, SelectingOutOfRangeTakesTheLastRowScrolledAndNothingIsHeard) {
  frame_->SetNumberOfCoupling(5);
  int row = 0;
  frame_->SetSelected(3);
  frame_->GetSelected(row);
  EXPECT_EQ(row, 3);
  EXPECT_EQ(List()->GetFirstVisibleLine(), 2);  // one visible line: scrolled onto it
  frame_->SetSelected(0);
  frame_->GetSelected(row);
  EXPECT_EQ(row, 5);
  EXPECT_EQ(List()->GetFirstVisibleLine(), 4);
  frame_->SetSelected(1);
  frame_->SetSelected(6);
  frame_->GetSelected(row);
  EXPECT_EQ(row, 5);
  frame_->ClearSelections(1);
  EXPECT_EQ(List()->GetSelectCount(), 1);
  frame_->ClearSelections(0);
  EXPECT_EQ(List()->GetSelectCount(), 0);
  frame_->GetSelected(row);
  EXPECT_EQ(row, 1);
  frame_->SetShowCouplingLines(1);
  EXPECT_EQ(frame_->GetShowLinesButton()->GetState(), ZORDlgCheckButton::kChecked);
  frame_->SetShowCouplingLines(0);
  EXPECT_EQ(frame_->GetShowLinesButton()->GetState(), ZORDlgCheckButton::kUnchecked);
  EXPECT_TRUE(Log().empty());
  // The user emptying the selection selects no coupling.
  ASSERT_TRUE(driver_.SelectLines(kList, {}));
  EXPECT_TRUE(Log().empty());
  ASSERT_TRUE(driver_.SelectLines(kList, {2}));
  EXPECT_FALSE(Log().empty());
}

TEST_F(CouplingFrame, ARightClickSelectsItsRowBeforeTheItemIsChosen) {
  frame_->SetNumberOfCoupling(4);
  frame_->SetObjectActions(~0);
  ASSERT_TRUE(driver_.Menu(kList, 2, "CouplingRemoveItem"));
  EXPECT_EQ(Log(), (Heard{"select 3", "remove 3"}));
  const std::pair<const char*, const char*> items[] = {{"CouplingEditItem", "edit 2"},
                                                       {"CouplingAddItem", "add 2"},
                                                       {"CouplingAddAfterItem", "add after 2"},
                                                       {"CouplingAddBeforeItem", "add before 2"},
                                                       {"CouplingRemoveAllItem", "remove all 2"}};
  for (const auto& [item, heard] : items) {
    ASSERT_TRUE(driver_.Menu(kList, 1, item)) << item;
    EXPECT_EQ(Log(), (Heard{"select 2", heard})) << item;
  }
  ASSERT_TRUE(driver_.DoubleClickLine(kList, 0));
  EXPECT_EQ(Log(), (Heard{"select 1", "edit 1"}));
  ASSERT_TRUE(driver_.Check("Panel/couplPointsFrame/ShowCouplLines", true));
  EXPECT_EQ(Log(), Heard{"show lines 1"});
  EXPECT_EQ(Item("CouplingRemoveAllItem")->GetTitle().str(), "Remove All");
}

TEST_F(CouplingFrame, EachMaskBitMakesItsItemsSensitive) {
  frame_->SetNumberOfCoupling(2);
  const char* names[] = {"CouplingAddItem",  "CouplingAddAfterItem", "CouplingAddBeforeItem",
                         "CouplingEditItem", "CouplingRemoveItem",   "CouplingRemoveAllItem"};
  const auto sensitive = [&] {
    std::string on;
    for (const char* name : names)
      on += Item(name)->GetSensitivity() == ZORDialog::kSensitive ? "1" : "0";
    return on;
  };
  frame_->SetObjectActions(ZORGuiCouplingFrame::kRemoveBit);
  EXPECT_EQ(sensitive(), "000011");
  frame_->SetObjectActions(ZORGuiCouplingFrame::kRemoveAllBit);
  EXPECT_EQ(sensitive(), "000001");
  const int bits[] = {ZORGuiCouplingFrame::kAddBit, ZORGuiCouplingFrame::kAddAfterBit,
                      ZORGuiCouplingFrame::kAddBeforeBit, ZORGuiCouplingFrame::kEditBit};
  for (int i = 0; i < 4; ++i) {
    frame_->SetObjectActions(bits[i]);
    std::string expected = "000000";
    expected[static_cast<std::size_t>(i)] = '1';
    EXPECT_EQ(sensitive(), expected) << i;
  }
  frame_->SetObjectActions(0);
  EXPECT_EQ(sensitive(), "000000");
  // An insensitive item cannot be chosen: the right click still selects.
  EXPECT_FALSE(driver_.Menu(kList, 1, "CouplingRemoveItem"));
  EXPECT_EQ(Log(), Heard{"select 2"});
}

class CouplingPoints : public ::testing::Test {
 protected:
  CouplingPoints() {
    set_ = session_.Document().CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0, 3.0}) {
      points_.Append(ZORSpecObjectOf(session_.Document().CreatePoint(x, 0, 0, set_.get())));
    }
    panel_ = new ZORGuiCouplingPanel(ZORApplicationFrame::GetFrame()->GetMainWindow());
    panel_->SetFather(&listener_);
    panel_->SetVisibility(ZORDialog::kShown);
    listener_.Listen(panel_, panel_->GetCouplingSelPointNotif(), "point", [this] {
      int row = 0;
      panel_->GetSelected(row);
      return " " + std::to_string(row);
    });
    listener_.Listen(panel_, panel_->GetStackedCouplingPointNotif(), "stacked");
    listener_.Listen(panel_, "ZORGuiCommandStackNotification", "stacking");
  }
  ~CouplingPoints() override {
    if (panel_) panel_->Destroy();
    driver_.EndTransaction();
  }
  ZORDlgMultiList* List() const { return panel_->GetPointList()->GetMultiList(); }
  Heard Log() { return std::exchange(listener_.log, {}); }

  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORTestListener listener_;
  ZORFeature_var set_;
  ZORListValZORISpecObject_var points_;
  ZORGuiCouplingPanel* panel_ = nullptr;
};

TEST_F(CouplingPoints, NothingIsListedBeforeBuildThenRowsHoldTheirFeatures) {
  panel_->SetCouplingPoints(points_);
  EXPECT_EQ(panel_->GetPointList(), nullptr);
  panel_->Build();
  panel_->Build();
  ASSERT_EQ(panel_->GetChildCount(), 1);
  panel_->SetCouplingPoints(points_);
  ASSERT_EQ(List()->GetLineCount(), 3);
  EXPECT_EQ(List()->GetColumnItem(0, 2).str(), "3");
  EXPECT_EQ(panel_->GetPointList()->GetFeature(1).get(), points_[2]->GetImpl());
  EXPECT_EQ(List()->GetColumnTitle(1).str(), "Points");
  EXPECT_EQ(List()->GetVisibleLineCount(), 3);
  panel_->SetSelected(9);
  int row = 0;
  panel_->GetSelected(row);
  EXPECT_EQ(row, 3);
  EXPECT_TRUE(Log().empty());
  ASSERT_TRUE(driver_.ClickLine("ZORGuiCouplingPanel/CouplPointsList", 0));
  EXPECT_EQ(Log(), Heard{"point 1"});
  // Refilled with fewer points, the list has no row left over.
  panel_->SetCouplingPoints(ZORListValZORISpecObject_var{points_[3]});
  EXPECT_EQ(List()->GetLineCount(), 1);
}

TEST_F(CouplingPoints, ClosingHidesTheWindowWhichStillFillsAndHearsTheStack) {
  panel_->Build();
  ASSERT_TRUE(driver_.CloseWindow("ZORGuiCouplingPanel"));
  EXPECT_EQ(panel_->GetVisibility(), ZORDialog::kHidden);
  EXPECT_FALSE(panel_->IsDestructionRequested());
  panel_->SetCouplingPoints(points_);
  EXPECT_EQ(List()->GetLineCount(), 3);
  // Each command stacked is told first as a coupling point asked, then as the stacking.
  ASSERT_EQ(driver_.Start(new ZORTestFeatureCommand(ZORTestFeatureCommand::Options{})), S_OK);
  EXPECT_EQ(Log(), (Heard{"stacked", "stacking"}));
  driver_.CancelCurrent();
  // Once the window is gone, stacking tells nobody.
  std::exchange(panel_, nullptr)->Destroy();
  driver_.EndTransaction();
  ASSERT_EQ(driver_.Start(new ZORTestFeatureCommand(ZORTestFeatureCommand::Options{})), S_OK);
  EXPECT_TRUE(Log().empty());
  driver_.CancelCurrent();
}

}  // namespace
