#include <gtest/gtest.h>

#include "ZORDriver.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORIInterrupt.h"
#include "ZORIWENUIFactory.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"
#include "ZORWENRunCommand.h"
#include "ZORWENUIFactoryExt.h"

namespace {

class FactoryExt : public ::testing::Test {
 protected:
  FactoryExt() {
    // The creation command of every type the tests start: a feature command that keeps the
    // information it is given.
    for (const char* type : {"Line", "A.B", "Sweep"}) {
      ZORWENRunCommand::Register(type, Creation(), Edition());
    }
    factory = ZORIWENUIFactory_var(ZORBaseUnknown_var(session.Document().GetContainer()));
  }

  static ZORWENRunCommand::CreationCreator Creation() {
    return [](ZORWENUICmdInfo* info, const ZORString&, ZORCommandMode) {
      return new ZORTestFeatureCommand({.info = info});
    };
  }
  static ZORWENRunCommand::EditionCreator Edition() {
    return [](const ZORISpecObject_var& feature, const ZORString&, ZORCommandMode) {
      return new ZORTestFeatureCommand({.feature = ZORFeature::From(feature.get()), .edit = true});
    };
  }
  static const ZORWENRunCommand::Start& LastStart() { return ZORWENRunCommand::Starts().back(); }
  // The information the running command works with.
  ZORWENUICmdInfo* RunningInfo() {
    auto* command = dynamic_cast<ZORTestFeatureCommand*>(driver.CurrentCommand());
    return command ? dynamic_cast<ZORWENUICmdInfo*>(command->GetCommandInfo()) : nullptr;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORIWENUIFactory_var factory;
};

TEST_F(FactoryExt, TheContainerOffersTheFactoryThroughTheLibrarysExtension) {
  ASSERT_TRUE(factory);
  EXPECT_NE(dynamic_cast<ZORWENUIFactoryExt*>(factory.get()), nullptr);
  EXPECT_EQ(factory, ZORIWENUIFactory_var(ZORBaseUnknown_var(session.Document().GetContainer())));
  EXPECT_FALSE(ZORIWENUIFactory_var(ZORBaseUnknown_var(session.Document().GetPart())));
}

TEST_F(FactoryExt, ANameIsSplitAtItsLastDot) {
  ASSERT_EQ(factory->CreationCommand("Line", 2, "Id", 0, nullptr), 1);
  EXPECT_EQ(LastStart().info->GetClassName().str(), "Line");
  EXPECT_TRUE(LastStart().info->GetSelectorContextualItem().IsEmpty());

  ASSERT_EQ(factory->CreationCommand("Line.Item", 2, "Id", 0, nullptr), 1);
  EXPECT_EQ(LastStart().info->GetClassName().str(), "Line");
  EXPECT_EQ(LastStart().info->GetSelectorContextualItem().str(), "Item");

  ASSERT_EQ(factory->CreationCommand("A.B.C", 2, "Id", 0, nullptr), 1);
  EXPECT_EQ(LastStart().typeName, "A.B");
  EXPECT_EQ(LastStart().info->GetClassName().str(), "A.B");
  EXPECT_EQ(LastStart().info->GetSelectorContextualItem().str(), "C");

  // The start-up name form keeps the part before the dot as start-up name.
  ASSERT_EQ(factory->CreationCommand(ZORUnicodeString("Sweep.Guide"), 2, "Id", 0, nullptr), 1);
  EXPECT_EQ(LastStart().typeName, "Sweep");
  EXPECT_EQ(LastStart().info->GetStartUpName().str(), "Sweep");
  EXPECT_TRUE(LastStart().info->GetClassName().IsEmpty());
  EXPECT_EQ(LastStart().info->GetSelectorContextualItem().str(), "Guide");
  EXPECT_EQ(ZORWENRunCommand::Starts().size(), 4u);
}

TEST_F(FactoryExt, TheStartedCommandNeverHoldsTheTemporaryInformation) {
  ASSERT_EQ(factory->CreationCommand("Line.First", 5, "Id", 0, nullptr), 1);
  auto* first = dynamic_cast<ZORTestFeatureCommand*>(driver.CurrentCommand());
  ASSERT_NE(first, nullptr);
  // Another start reuses the stack the first information lived on.
  ASSERT_EQ(factory->CreationCommand("Sweep.Second", 6, "Id", 0, nullptr), 1);
  auto* info = dynamic_cast<ZORWENUICmdInfo*>(first->GetCommandInfo());
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->GetClassName().str(), "Line");
  EXPECT_EQ(info->GetSelectorContextualItem().str(), "First");
  EXPECT_EQ(info->GetDatumMode(), 5);
  EXPECT_EQ(RunningInfo()->GetSelectorContextualItem().str(), "Second");
}

TEST_F(FactoryExt, DatumModesZeroAndOneStartWithTheSharedInformations) {
  ZORWENUICmdInfo info;
  info.SetClassName("Line");
  info.SetContextualAgregMode(1);
  info.SetSelectorContextualItem("Item");
  info.SetDatumMode(0);
  ASSERT_EQ(factory->CreationCommand(&info, "Id", 0), 1);
  ZORWENUICmdInfo* shared = ZORWENUIFactoryExt::GetSharedInfo(0);
  EXPECT_EQ(shared->GetResultKind(), ZORWENUICmdInfo::kHistoryResults);
  EXPECT_EQ(shared->GetContextualAgregMode(), 1);
  EXPECT_EQ(shared->GetSelectorContextualItem().str(), "Item");
  ASSERT_NE(RunningInfo(), nullptr);
  EXPECT_EQ(RunningInfo()->GetResultKind(), ZORWENUICmdInfo::kHistoryResults);
  EXPECT_EQ(RunningInfo()->GetContextualAgregMode(), 1);
  // The shared information has no class name: it is not the given one.
  EXPECT_TRUE(RunningInfo()->GetClassName().IsEmpty());

  // Started from inside another feature command, a command joins its context: end that one.
  driver.CancelCurrent();
  info.SetDatumMode(1);
  info.SetContextualAgregMode(0);
  info.SetSelectorContextualItem("");
  ASSERT_EQ(factory->CreationCommand(&info, "Id", 0), 1);
  EXPECT_EQ(RunningInfo()->GetResultKind(), ZORWENUICmdInfo::kDatumResults);
  EXPECT_EQ(RunningInfo()->GetDatumMode(), 1);
  EXPECT_EQ(RunningInfo()->GetContextualAgregMode(), 0);
  EXPECT_EQ(ZORWENUIFactoryExt::GetSharedInfo(1)->GetSelectorContextualItem().str(), "");
  EXPECT_EQ(ZORWENUIFactoryExt::GetSharedInfo(2), nullptr);
}

TEST_F(FactoryExt, AWorkingPartMakesItsDocumentTheWorkingOne) {
  ZORDocument other("Other");
  const ZORPathElement part(std::vector<ZORBaseUnknown_var>{ZORBaseUnknown_var(other.GetPart())});
  ASSERT_EQ(factory->CreationCommand("Line", 3, "Id", 0, &part), 1);
  EXPECT_EQ(LastStart().container, ZORBaseUnknown_var(other.GetContainer()));
  ASSERT_NE(LastStart().info->GetWorkingPart(), nullptr);
  EXPECT_TRUE(*LastStart().info->GetWorkingPart() == part);
  EXPECT_TRUE(ZORGuiBasicUtilitiesServices::GetWorkingPath() == part);
  driver.CancelCurrent();
  ZORGuiBasicUtilitiesServices::SetWorkingPath(ZORPathElement());
}

TEST_F(FactoryExt, NothingIsStartedForAnUnknownClassOrWithoutInformation) {
  EXPECT_EQ(factory->CreationCommand("Unknown.Item", 0, "Id", 0, nullptr), 0);
  EXPECT_EQ(factory->CreationCommand(static_cast<ZORWENUICmdInfo*>(nullptr), "Id", 0), 0);
  EXPECT_EQ(factory->CreationCommand(static_cast<const char*>(nullptr), 0, "Id", 0, nullptr), 0);
  EXPECT_TRUE(ZORWENRunCommand::Starts().empty());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
}

TEST_F(FactoryExt, EditCommandStartsTheEditionOfTheFeaturesType) {
  ZORFeature_var set = session.Document().CreateTool("GeometricalSet");
  ZORFeature_var point = session.Document().CreatePoint(1, 2, 3, set.get());
  ZORISpecObject_var feature = ZORSpecObjectOf(point);
  EXPECT_EQ(factory->EditCommand(feature, "Edit", 0), 0);  // no commands for points

  ZORWENRunCommand::Register("WENPoint", nullptr, Edition());
  ASSERT_EQ(factory->EditCommand(feature, "Edit", 4), 1);
  EXPECT_TRUE(LastStart().edition);
  EXPECT_EQ(LastStart().mode, 4);
  auto* command = dynamic_cast<ZORTestFeatureCommand*>(driver.CurrentCommand());
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->GiveMyFeature(), feature);
  EXPECT_TRUE(command->IsEditModeOn());
}

TEST(InterruptExt, JoiningAndHealingFeaturesShowNoProgressBarAndWaitFiveSeconds) {
  ZORHostSession session;
  ZORFeature_var set = session.Document().CreateTool("GeometricalSet");
  for (const char* type : {"WENAssemble", "WENHealing"}) {
    ZORIInterrupt_var interrupt(ZORSpecObjectOf(session.Document().CreateFeature(type, set.get())));
    ASSERT_TRUE(interrupt) << type;
    unsigned char state = 7;
    double delay = 0;
    EXPECT_EQ(interrupt->GetProgressBarState(state), 0);
    EXPECT_EQ(interrupt->GetAppearanceDelay(delay), 0);
    EXPECT_EQ(state, 0);
    EXPECT_EQ(delay, 5000.0);
  }
  EXPECT_FALSE(ZORIInterrupt_var(ZORSpecObjectOf(session.Document().CreatePoint(0, 0, 0))));
}

}  // namespace
