#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORApplicationFrame.h"
#include "ZORDlgDialog.h"
#include "ZORDlgPushButton.h"
#include "ZORDriver.h"
#include "ZORGuiInputError.h"
#include "ZORHostSession.h"
#include "ZORTestResources.h"
#include "ZORTransaction.h"
#include "ZORWENUIPanelError.h"
#include "ZORWENUIPanelInfo.h"

namespace {

int errorPanelsGone = 0;
int infoPanelsGone = 0;

// Panels that count their destruction, so that tests see when the host lets them go.
class WatchedPanelError : public ZORWENUIPanelError {
  ZOR_DECLARE_CLASS(WatchedPanelError, ZORWENUIPanelError, ZORMetaObject::Implementation, "Test")
  using ZORWENUIPanelError::ZORWENUIPanelError;
  ~WatchedPanelError() override { ++errorPanelsGone; }
};
class WatchedPanelInfo : public ZORWENUIPanelInfo {
  ZOR_DECLARE_CLASS(WatchedPanelInfo, ZORWENUIPanelInfo, ZORMetaObject::Implementation, "Test")
  using ZORWENUIPanelInfo::ZORWENUIPanelInfo;
  ~WatchedPanelInfo() override { ++infoPanelsGone; }
};

class PanelError : public ::testing::Test {
 protected:
  void SetUp() override {
    errorPanelsGone = 0;
    infoPanelsGone = 0;
    resources.Write("ZORWENUIPanelError",
                    "FatalErrorTitle = Fatal\nWarningTitle = Careful\n"
                    "CriticalErrorTitle = Failure\n");
    // A title the panel's own file lacks is found at the host frame's level.
    resources.Write("ZORFrmNotify", "InformationTitle = For your information\n");
    resources.Write("PanelTest",
                    "ERR_1.Request = Select a curve\n"
                    "ERR_1.Diagnostic = {1} is a point\n"
                    "ERR_1.Advice = Pick an edge\n"
                    "ERR_2 = The whole message\n");
  }

  // The usual sequence: build the error, hand it to a panel, flush it.
  template <class... Args>
  static void Report(ZORError* error, Args... args) {
    new WatchedPanelError(error, args...);
    error->Flush();
  }
  static void ReportMasked(short mask, ZORError* error, ZORDialog* parent) {
    new WatchedPanelError(mask, error, parent);
    error->Flush();
  }
  static ZORError* InputError(const char* key, int severity = 1) {
    auto* error = new ZORGuiInputError(key, "PanelTest");
    error->SetSeverity(severity);
    error->SetNLSDiagnosticParams(ZORListValZORUnicodeString{"Point.1"});
    return error;
  }
  static ZORDialog* MainWindow() { return ZORApplicationFrame::GetFrame()->GetMainWindow(); }
  // A command's panel, open under the main window.
  static ZORDlgDialog* CommandPanel() {
    auto* panel = new ZORDlgDialog(MainWindow(), "CommandPanel");
    panel->SetVisibility(ZORDialog::kShown);
    return panel;
  }
  ZORShownMessage OnlyMessage() {
    std::vector<ZORShownMessage> shown = driver.DrainMessages();
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? ZORShownMessage() : shown.front();
  }
  std::vector<std::string> OpenPanelNames() const {
    std::vector<std::string> names;
    for (ZORDialog* panel : driver.OpenPanels()) names.push_back(panel->GetName().str());
    return names;
  }

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
};

TEST_F(PanelError, TitleAndStyleFollowTheSeverity) {
  struct Case {
    int severity;
    const char* title;
    unsigned long style;
  };
  for (const Case& c : {Case{2, "Fatal", 0x00180200}, Case{3, "Careful", 0x08100200},
                        Case{4, "For your information", 0x04100200}, Case{7, "Failure", 0x10100200},
                        Case{1, "Failure", 0x10100200}}) {
    SCOPED_TRACE(c.severity);
    Report(InputError("ERR_1", c.severity));
    const ZORShownMessage shown = OnlyMessage();
    EXPECT_EQ(shown.name, "ErrorPanel");
    EXPECT_EQ(shown.className, "ZORWENUIPanelError");
    EXPECT_EQ(shown.title, c.title);
    EXPECT_EQ(shown.text, "Select a curve\nPoint.1 is a point\nPick an edge\n");
    EXPECT_EQ(shown.style, c.style);
    EXPECT_FALSE(shown.blocking);
    EXPECT_TRUE(driver.PressOK("ErrorPanel"));
  }
  EXPECT_EQ(errorPanelsGone, 5);
}

TEST_F(PanelError, MaskChoosesThePartsAndEmptyPartsGiveTheMessage) {
  ZORDlgDialog* parent = CommandPanel();
  struct Case {
    short mask;
    const char* key;
    const char* text;
  };
  for (const Case& c :
       {Case{8, "ERR_1", "ERR_1\n"}, Case{5, "ERR_1", "Select a curve\nPick an edge\n"},
        Case{15, "ERR_1", "Select a curve\nPoint.1 is a point\nPick an edge\nERR_1\n"},
        Case{7, "ERR_2", "The whole message"}, Case{15, "ERR_2", "\n\n\nERR_2\n"},
        Case{0, "ERR_1", ""}}) {
    SCOPED_TRACE(c.mask);
    ReportMasked(c.mask, InputError(c.key), parent);
    EXPECT_EQ(OnlyMessage().text, c.text);
  }
}

TEST_F(PanelError, ShippedResourcesTitleThePanels) {
  ZORMsgCatalog::SetResourceDirectory(ZOR_SOURCE_DIR "/resources");
  for (auto [severity, title] : std::vector<std::pair<int, const char*>>{
           {2, "Fatal error"}, {3, "Warning"}, {4, "Information"}, {0, "Error"}}) {
    auto* error = new ZORError();
    error->SetSeverity(severity);
    Report(error);
    EXPECT_EQ(OnlyMessage().title, title);
  }
}

TEST_F(PanelError, EachConstructorPlacesNamesAndStylesThePanel) {
  ZORDlgDialog* parent = CommandPanel();
  ZORError* error = InputError("ERR_1", 3);
  std::vector<ZORWENUIPanelError*> panels = {
      new ZORWENUIPanelError(short{8}, error, parent),
      new ZORWENUIPanelError(error, parent),
      new ZORWENUIPanelError(error),
      new ZORWENUIPanelError(error, "OwnName"),
      new ZORWENUIPanelError(error, 0x08000200UL),
      new ZORWENUIPanelError(error, ZORString("Both"), 0x00800200UL)};
  error->Flush();
  struct Expected {
    ZORDialog* parent;
    const char* name;
    unsigned long style;
    const char* text;
  };
  const char* full = "Select a curve\nPoint.1 is a point\nPick an edge\n";
  const std::vector<Expected> expected = {
      {parent, "ErrorPanel", 0x08100200, "ERR_1\n"},  {parent, "ErrorPanel", 0x08100200, full},
      {MainWindow(), "ErrorPanel", 0x08100200, full}, {MainWindow(), "OwnName", 0x08100200, full},
      {MainWindow(), "ErrorPanel", 0x08000200, full}, {MainWindow(), "Both", 0x00800200, full}};
  for (std::size_t i = 0; i < panels.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(panels[i]->GetDialogParent(), expected[i].parent);
    EXPECT_EQ(panels[i]->GetFather(), expected[i].parent);
    EXPECT_EQ(panels[i]->GetName(), expected[i].name);
    EXPECT_EQ(panels[i]->GetStyle(), expected[i].style);
    EXPECT_EQ(panels[i]->GetText(), expected[i].text);
    EXPECT_EQ(panels[i]->GetTitle(), "Careful");
    EXPECT_EQ(panels[i]->GetVisibility(), ZORDialog::kShown);
  }
  EXPECT_EQ(driver.DrainMessages().size(), 6u);
  EXPECT_EQ(OpenPanelNames(),
            (std::vector<std::string>{"CommandPanel", "ErrorPanel", "ErrorPanel", "ErrorPanel",
                                      "OwnName", "ErrorPanel", "Both"}));

  auto* info = new ZORWENUIPanelInfo("Old features were converted", parent);
  EXPECT_EQ(info->GetDialogParent(), parent);
  EXPECT_EQ(info->GetName(), "InfoPanel");
  EXPECT_EQ(info->GetStyle(), 0x08100200u);
  const ZORShownMessage shown = OnlyMessage();
  EXPECT_EQ(shown.className, "ZORWENUIPanelInfo");
  EXPECT_EQ(shown.text, "Old features were converted");
}

TEST_F(PanelError, ResourcesAreThePanelsWhateverTheClass) {
  auto* panel = new WatchedPanelError(nullptr);
  EXPECT_EQ(panel->GetResourceFilename(0), "ZORWENUIPanelError");
  EXPECT_EQ(panel->GetResourceFilename(1), "ZORFrmNotify");
  EXPECT_EQ(panel->GetResourceFilename(2), "ZORDlgNotify");
  EXPECT_TRUE(panel->GetResourceFilename(-1).IsEmpty());
  EXPECT_TRUE(panel->GetResourceFilename(50).IsEmpty());
}

TEST_F(PanelError, OKOrWindowCloseDestroysThePanelAtTheEndOfTheTransaction) {
  ZORDlgDialog* parent = CommandPanel();
  auto* error = new WatchedPanelError(nullptr, parent);
  new WatchedPanelInfo("Done", MainWindow());

  // Pressed within a transaction: hidden and forgotten at once, destroyed at its end.
  EXPECT_TRUE(error->PressOK());
  EXPECT_EQ(error->GetVisibility(), ZORDialog::kHidden);
  EXPECT_EQ(parent->GetChildCount(), 0);
  EXPECT_FALSE(error->PressOK());  // a hidden panel cannot be pressed again
  EXPECT_EQ(errorPanelsGone, 0);
  driver.EndTransaction();
  EXPECT_EQ(errorPanelsGone, 1);
  EXPECT_EQ(OpenPanelNames(), (std::vector<std::string>{"CommandPanel", "InfoPanel"}));

  // The panel's buttons stop at the panel: the command panel behind it hears nothing.
  int heard = 0;
  parent->AddAnalyseNotificationCB(
      nullptr, "ZORDlgWindCloseNotification",
      [&heard](ZORCommand*, ZORNotification*, ZORCallbackData) { ++heard; }, nullptr);
  new WatchedPanelError(nullptr, parent);
  EXPECT_TRUE(driver.CloseWindow("ErrorPanel"));
  EXPECT_TRUE(driver.CloseWindow("InfoPanel"));
  EXPECT_EQ(heard, 0);
  EXPECT_EQ(errorPanelsGone, 2);
  EXPECT_EQ(infoPanelsGone, 1);
  EXPECT_EQ(OpenPanelNames(), std::vector<std::string>{"CommandPanel"});
  EXPECT_EQ(ZORTransaction::PendingCount(), 0u);
}

TEST_F(PanelError, ErrorRaisedByAUserActionIsShownUntilTheUserAcknowledgesIt) {
  ZORDlgDialog* panel = CommandPanel();
  auto* check = new ZORDlgPushButton(panel, "Check");
  check->AddAnalyseNotificationCB(
      check, check->GetPushBActivateNotification(),
      [panel](ZORCommand*, ZORNotification*, ZORCallbackData) {
        Report(InputError("ERR_1", 3), panel);
      },
      nullptr);

  EXPECT_TRUE(driver.Click("CommandPanel/Check"));
  const ZORShownMessage shown = OnlyMessage();
  EXPECT_EQ(shown.title, "Careful");
  EXPECT_EQ(shown.style, 0x08100200u);
  EXPECT_EQ(OpenPanelNames(), (std::vector<std::string>{"CommandPanel", "ErrorPanel"}));
  EXPECT_NE(driver.DescribePanels().find("\"ErrorPanel\" title=\"Careful\""), std::string::npos);

  EXPECT_TRUE(driver.PressOK("ErrorPanel"));
  EXPECT_EQ(errorPanelsGone, 1);
  EXPECT_EQ(OpenPanelNames(), std::vector<std::string>{"CommandPanel"});
}

TEST_F(PanelError, MissingErrorShowsAnEmptyCriticalPanel) {
  new WatchedPanelError(short{15}, nullptr, nullptr);
  const ZORShownMessage shown = OnlyMessage();
  EXPECT_EQ(shown.text, "");
  EXPECT_EQ(shown.title, "Failure");
  EXPECT_EQ(shown.style, 0x10100200u);
  // A null parent is the main window.
  EXPECT_EQ(OpenPanelNames(), std::vector<std::string>{"ErrorPanel"});
  EXPECT_TRUE(driver.PressOK("ErrorPanel"));
  EXPECT_EQ(errorPanelsGone, 1);
}

TEST_F(PanelError, WithoutAWindowNothingIsShownAndNothingLeaks) {
  ZORApplicationFrame::SetMainWindowPresent(false);
  Report(InputError("ERR_1"));
  Report(InputError("ERR_1"), ZORString("Named"), 0x08000200UL);
  new WatchedPanelInfo("Done", nullptr);
  ZORApplicationFrame::SetFramePresent(false);
  ReportMasked(7, InputError("ERR_1"), nullptr);
  EXPECT_TRUE(driver.DrainMessages().empty());
  driver.EndTransaction();
  EXPECT_EQ(errorPanelsGone, 3);
  EXPECT_EQ(infoPanelsGone, 1);

  // A dialog of the caller's own still carries its panel.
  auto own = ZORMake<ZORDlgDialog>(nullptr, "Standalone");
  Report(InputError("ERR_1"), own.get());
  EXPECT_EQ(OnlyMessage().name, "ErrorPanel");
  EXPECT_EQ(own->GetChildCount(), 1);
  own = nullptr;  // the panel goes with its parent
  EXPECT_EQ(errorPanelsGone, 4);
}

TEST_F(PanelError, ParentThatGoesAwayDoesNotTakeTheMessageWithIt) {
  // The command's panel closes on OK and reports an error while doing so.
  ZORDlgDialog* panel = CommandPanel();
  panel->AddAnalyseNotificationCB(
      panel, panel->GetDiaOKNotification(),
      [panel](ZORCommand*, ZORNotification*, ZORCallbackData) {
        panel->SetVisibility(ZORDialog::kHidden);
        panel->RequestDelayedDestruction();
        Report(InputError("ERR_1"), panel);
      },
      nullptr);
  EXPECT_TRUE(driver.PressOK("CommandPanel"));
  EXPECT_EQ(OpenPanelNames(), std::vector<std::string>{"ErrorPanel"});
  ZORDialog* shown = driver.Find("ErrorPanel");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->GetDialogParent(), MainWindow());
  EXPECT_EQ(errorPanelsGone, 0);

  // A parent destroyed while its panel is open takes it along, safely.
  ZORDlgDialog* other = CommandPanel();
  auto* child = new WatchedPanelError(nullptr, other);
  EXPECT_EQ(child->GetDialogParent(), other);
  other->Destroy();
  EXPECT_EQ(errorPanelsGone, 1);
  EXPECT_EQ(OpenPanelNames(), std::vector<std::string>{"ErrorPanel"});
  EXPECT_TRUE(driver.PressOK("ErrorPanel"));
  EXPECT_EQ(errorPanelsGone, 2);
}

}  // namespace
