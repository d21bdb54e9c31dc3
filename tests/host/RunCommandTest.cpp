#include <gtest/gtest.h>

#include "ZORDriver.h"
#include "ZORFaultGate.h"
#include "ZORFeature.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENRunCommand.h"

namespace {

TEST(RunCommand, ATypeWithoutCommandsIsUnknownOneWithoutCreatorRecordsTheStartOnly) {
  ZORHostSession session;
  ZORBaseUnknown_var container(session.Document().GetContainer());
  ZORIWENRunCommand_var run;
  EXPECT_EQ(GetZORIWENRunCommandInterface("Nothing", container, run), E_FAIL);
  EXPECT_FALSE(run);
  ZORWENRunCommand::Register("Recorded", nullptr, nullptr);
  EXPECT_EQ(GetZORIWENRunCommandInterface("Recorded", nullptr, run), E_FAIL);
  ASSERT_EQ(GetZORIWENRunCommandInterface("Recorded", container, run), S_OK);

  ZORWENUICmdInfo info;
  EXPECT_EQ(run->RunCreationCommand(nullptr, "Id", 0), E_FAIL);
  EXPECT_EQ(run->RunCreationCommand(&info, "Id", 0), S_OK);
  ASSERT_EQ(ZORWENRunCommand::Starts().size(), 1u);
  EXPECT_EQ(ZORWENRunCommand::Starts()[0].typeName, "Recorded");
  EXPECT_EQ(ZORWENRunCommand::Starts()[0].command, nullptr);
  EXPECT_EQ(ZORGuiCommandStack::Instance()->GetCurrentCommand(), nullptr);
}

class OldContextualFeatures : public ::testing::Test {
 protected:
  OldContextualFeatures() {
    set = doc().CreateTool("GeometricalSet");
    old = doc().CreatePoint(0, 0, 0, set.get());
    plain = doc().CreatePoint(1, 0, 0, set.get());
    line = doc().CreateFeature("WENLine", set.get());
    // A contextual point aggregated under the line it was made for: the current form.
    aggregated = doc().CreatePoint(2, 0, 0, line.get());
    for (ZORFeature* f : {old.get(), aggregated.get()}) {
      ZORIMmiContextualManager_var(ZORSpecObjectOf(f))->SetContextual(1);
    }
  }
  ZORDocument& doc() { return session.Document(); }
  static int IsContextual(ZORFeature* feature) {
    return ZORIMmiContextualManager_var(ZORSpecObjectOf(feature))->IsContextual();
  }

  ZORHostSession session;
  ZORFeature_var set, old, plain, line, aggregated;
};

TEST_F(OldContextualFeatures, ContextualFeaturesStandingInAToolBecomeOrdinaryOnes) {
  int converted = -1;
  EXPECT_EQ(ZORGmoUtilitiesServices::ConvertOldContextualFeatures(
                ZORBaseUnknown_var(doc().GetPart()), &converted),
            S_OK);
  EXPECT_EQ(converted, 1);
  EXPECT_EQ(IsContextual(old.get()), 0);
  EXPECT_EQ(IsContextual(plain.get()), 0);
  EXPECT_EQ(IsContextual(aggregated.get()), 1);
}

TEST_F(OldContextualFeatures, OnlyAPartIsConvertedAndTheServiceCanFail) {
  int converted = -1;
  EXPECT_EQ(ZORGmoUtilitiesServices::ConvertOldContextualFeatures(ZORBaseUnknown_var(set.get()),
                                                                  &converted),
            E_FAIL);
  EXPECT_EQ(converted, 0);
  ZORFaultGate::Arm(1);
  EXPECT_EQ(
      ZORGmoUtilitiesServices::ConvertOldContextualFeatures(ZORBaseUnknown_var(doc().GetPart())),
      E_FAIL);
  ZORFaultGate::Disarm();
  EXPECT_EQ(IsContextual(old.get()), 1);
}

}  // namespace
