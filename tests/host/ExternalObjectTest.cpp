#include <gtest/gtest.h>

#include <string>

#include "ZORCreateExternalObject.h"
#include "ZORExternalObjectRegistry.h"
#include "ZORExternalStandInCommand.h"
#include "ZORGuiCommandStack.h"
#include "ZORHostSession.h"
#include "ZORStateCommand.h"

namespace {

class ExternalObjects : public ::testing::Test {
 protected:
  ExternalObjects() { Registry().ClearRequests(); }
  ~ExternalObjects() override {
    Registry().Register("Lib", "Thing", nullptr);
    Registry().ClearRequests();
  }

  static ZORExternalObjectRegistry& Registry() { return ZORExternalObjectRegistry::Get(); }
  static ZORGuiCommandStack& Stack() { return *ZORGuiCommandStack::Instance(); }
  static ZORExternalStandInCommand* Current() {
    return dynamic_cast<ZORExternalStandInCommand*>(Stack().GetCurrentCommand());
  }

  ZORHostSession session_;
};

TEST_F(ExternalObjects, ARepetitionCommandStartsAStandInOverTheRunningCommand) {
  auto* feature = new ZORStateCommand(ZORString("FeatureCommand"));
  ASSERT_EQ(Stack().StartCommand(feature), S_OK);
  ASSERT_TRUE(feature->IsActive());

  ZORBaseUnknown_var made;
  ASSERT_EQ(ZORCreateExternalObject("ZORWENUIMultiple", "ZORGuiMultiple", &made), S_OK);
  ZORExternalStandInCommand* standIn = Current();
  ASSERT_NE(standIn, nullptr);
  EXPECT_EQ(made.get(), static_cast<ZORBaseUnknown*>(standIn));
  EXPECT_EQ(standIn->GetName().str(), "ZORWENUIMultiple");
  EXPECT_EQ(standIn->GetLibraryName(), "ZORGuiMultiple");
  EXPECT_TRUE(standIn->IsActive());
  EXPECT_FALSE(feature->IsActive());

  ASSERT_EQ(Registry().GetRequests().size(), 1u);
  EXPECT_EQ(Registry().GetRequests()[0].className, "ZORWENUIMultiple");
  EXPECT_EQ(Registry().GetRequests()[0].libraryName, "ZORGuiMultiple");
  EXPECT_TRUE(Registry().GetRequests()[0].served);

  // It runs until ended; the command below then resumes.
  Stack().CompleteCommand(standIn);
  EXPECT_EQ(Stack().GetCurrentCommand(), feature);
  EXPECT_TRUE(feature->IsActive());
}

TEST_F(ExternalObjects, ThePointRepetitionIsAStandInOfItsOwnName) {
  ASSERT_EQ(ZORCreateExternalObject("ZORWENUIMultiplePoint", "ZORGuiMultiple"), S_OK);
  ASSERT_NE(Current(), nullptr);
  EXPECT_EQ(Current()->GetRequestedClassName(), "ZORWENUIMultiplePoint");
}

TEST_F(ExternalObjects, AnUnknownClassOrLibraryIsRecordedButStartsNothing) {
  ZORBaseUnknown_var made;
  EXPECT_EQ(ZORCreateExternalObject("ZORWENUIMultiple", "OtherLibrary", &made), E_FAIL);
  EXPECT_EQ(ZORCreateExternalObject("ZORWENUIOther", "ZORGuiMultiple", &made), E_FAIL);
  EXPECT_FALSE(made);
  EXPECT_EQ(Stack().GetCurrentCommand(), nullptr);
  ASSERT_EQ(Registry().GetRequests().size(), 2u);
  EXPECT_EQ(Registry().GetRequests()[0].libraryName, "OtherLibrary");
  EXPECT_FALSE(Registry().GetRequests()[0].served);
  EXPECT_EQ(Registry().GetRequests()[1].className, "ZORWENUIOther");
  EXPECT_FALSE(Registry().GetRequests()[1].served);

  EXPECT_EQ(ZORCreateExternalObject(nullptr, "ZORGuiMultiple"), E_INVALIDARG);
  EXPECT_EQ(ZORCreateExternalObject("ZORWENUIMultiple", ""), E_INVALIDARG);
  EXPECT_EQ(Registry().GetRequests().size(), 2u);
}

TEST_F(ExternalObjects, RegisteredCreatorsServeTheirPairUntilRemoved) {
  int calls = 0;
  auto target = ZORMake<ZORStateCommand>(ZORString("Made"));
  Registry().Register("Lib", "Thing", [&] {
    ++calls;
    return ZORBaseUnknown_var(target.get());
  });
  ZORBaseUnknown_var made;
  ASSERT_EQ(ZORCreateExternalObject("Thing", "Lib", &made), S_OK);
  EXPECT_EQ(made.get(), static_cast<ZORBaseUnknown*>(target.get()));
  EXPECT_EQ(ZORCreateExternalObject("Thing", "OtherLib"), E_FAIL);
  EXPECT_EQ(calls, 1);

  // A creator that makes nothing fails the request.
  Registry().Register("Lib", "Thing", [&] {
    ++calls;
    return ZORBaseUnknown_var();
  });
  EXPECT_EQ(ZORCreateExternalObject("Thing", "Lib"), E_FAIL);
  Registry().Register("Lib", "Thing", nullptr);
  EXPECT_EQ(ZORCreateExternalObject("Thing", "Lib"), E_FAIL);
  EXPECT_EQ(calls, 2);
}

TEST_F(ExternalObjects, TheRecordKeepsTheLatestRequests) {
  const std::size_t total = ZORExternalObjectRegistry::kCapacity + 6;
  for (std::size_t i = 0; i < total; ++i) {
    ZORCreateExternalObject(("Class" + std::to_string(i)).c_str(), "Nowhere");
  }
  const auto& requests = Registry().GetRequests();
  ASSERT_EQ(requests.size(), ZORExternalObjectRegistry::kCapacity);
  EXPECT_EQ(requests.front().className, "Class6");
  EXPECT_EQ(requests.back().className, "Class" + std::to_string(total - 1));
}

}  // namespace
