#include <gtest/gtest.h>

#include "ZORDriver.h"
#include "ZORFaultGate.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiConvertOldContextualFeat.h"
#include "ZORSpecObjectOf.h"
#include "ZORSysLogAbend.h"
#include "ZORTestResources.h"
#include "ZORWENUIPanelInfo.h"

namespace {

class ConvertOldContextualFeat : public ::testing::Test {
 protected:
  ConvertOldContextualFeat() {
    resources.Write("ZORGuiConvertOldContextualFeat",
                    "Warning = Old contextual features converted\n");
    set = session.Document().CreateTool("GeometricalSet");
    old = session.Document().CreatePoint(0, 0, 0, set.get());
    Contextual(old.get())->SetContextual(1);
  }
  static ZORIMmiContextualManager_var Contextual(ZORFeature* feature) {
    return ZORIMmiContextualManager_var(ZORSpecObjectOf(feature));
  }
  ZORDialogEngine* Engine() { return session.Editor().GetNoEngine(); }
  std::vector<ZORShownMessage> InfoPanels() {
    std::vector<ZORShownMessage> shown;
    for (const ZORShownMessage& m : driver.DrainMessages()) {
      if (m.className == "ZORWENUIPanelInfo") shown.push_back(m);
    }
    return shown;
  }

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, old;
};

TEST_F(ConvertOldContextualFeat, TheCommandConvertsTellsTheUserAndEnds) {
  ASSERT_EQ(driver.StartByName("ZORGuiConvertOldContextualFeat"), S_OK);
  EXPECT_EQ(Contextual(old.get())->IsContextual(), 0);
  const std::vector<ZORShownMessage> shown = InfoPanels();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text.str(), "Old contextual features converted");
  EXPECT_EQ(Engine()->GetLocksTaken(), 1);
  EXPECT_FALSE(Engine()->IsTransactionLocked());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  // Ended, the command leaves room for the next one.
  ASSERT_EQ(driver.StartByName("ZORGuiConvertOldContextualFeat"), S_OK);
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
}

TEST_F(ConvertOldContextualFeat, WithoutEditorNothingIsConvertedAndTheCommandEndsAllTheSame) {
  // Outside the command stack the command hands its creation reference over when it ends.
  auto* direct = new ZORGuiConvertOldContextualFeat(ZORString("Convert"));
  ZORFrmEditor::SetCurrentEditor(nullptr);
  EXPECT_EQ(direct->Activate(nullptr, nullptr), 1);
  EXPECT_TRUE(direct->IsDestructionRequested());
  driver.EndTransaction();
  EXPECT_EQ(driver.StartByName("ZORGuiConvertOldContextualFeat"), S_OK);
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  ZORFrmEditor::SetCurrentEditor(&session.Editor());

  EXPECT_EQ(Contextual(old.get())->IsContextual(), 1);
  EXPECT_TRUE(InfoPanels().empty());
  EXPECT_EQ(Engine()->GetLocksTaken(), 0);
}

TEST_F(ConvertOldContextualFeat, AnErrorWhileTransactionsAreLockedStillUnlocksThem) {
  // Every host call of the conversion fails in turn, raising inside the protected section.
  std::vector<std::string> failed;
  for (long k = 1;; ++k) {
    auto* command = new ZORGuiConvertOldContextualFeat(ZORString("Convert"));
    ZORFaultGate::Arm(k);
    command->Activate(nullptr, nullptr);
    const bool raised = ZORFaultGate::Fired();
    if (raised) failed.emplace_back(ZORFaultGate::FiredService());
    ZORFaultGate::Disarm();
    EXPECT_FALSE(Engine()->IsTransactionLocked()) << "call " << k;
    driver.EndTransaction();
    if (!raised) break;
    EXPECT_TRUE(InfoPanels().empty()) << "call " << k;
  }
  EXPECT_EQ(failed,
            (std::vector<std::string>{"ZORGuiBasicUtilitiesServices::GetCurrentContainer",
                                      "ZORGmoUtilitiesServices::ConvertOldContextualFeatures",
                                      "ZORMsgCatalog::BuildMessage"}));
  EXPECT_EQ(Engine()->GetLocksTaken(), static_cast<int>(failed.size()) + 1);
  // The run that went through told the user.
  EXPECT_EQ(InfoPanels().size(), 1u);
}

TEST_F(ConvertOldContextualFeat, WithoutAPartToConvertNothingIsShown) {
  // An editor without document: there is no current container.
  ZORVar<ZORFrmEditor> editor = ZORMake<ZORFrmEditor>(nullptr);
  ZORFrmEditor::SetCurrentEditor(editor.get());
  EXPECT_EQ((new ZORGuiConvertOldContextualFeat(ZORString("Convert")))->Activate(nullptr, nullptr),
            0);
  EXPECT_EQ(editor->GetNoEngine()->GetLocksTaken(), 1);
  EXPECT_FALSE(editor->GetNoEngine()->IsTransactionLocked());
  ZORFrmEditor::SetCurrentEditor(&session.Editor());
  driver.EndTransaction();
  EXPECT_TRUE(InfoPanels().empty());
}

}  // namespace
