#include <gtest/gtest.h>

#include "ZORGeoFactory.h"
#include "ZORGuiChecksError.h"

namespace {

ZORMathPoint At(double x) {
  return ZORMathPoint(x, 0, 0);
}

class CheckError : public ::testing::Test {
 protected:
  ZORGuiCheckError* WithSegment(double x) {
    auto* error = new ZORGuiCheckError("ERR_1", "ZORGuiInputError");
    ZORBody_var body = factory->CreateSegment(At(x), At(x + 1));
    error->SetBody(body.get());
    return error;
  }
  // Appends `error` to `checks`, which takes it over.
  static void Adopt(ZORGuiChecksError& checks, ZORGuiCheckError* error) {
    checks.GetErrorList().Append(ZORVar<ZORGuiCheckError>(error));
    error->Release();
  }

  ZORVar<ZORGeoFactory> factory = ZORMake<ZORGeoFactory>();
};

}  // namespace

TEST_F(CheckError, TheDefectBodyLeavesItsFactoryWhenTheLastCopyGoes) {
  ZORGuiCheckError* error = WithSegment(0);
  ZORBody* body = error->GetBody();
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(factory->GetBodyCount(), 1);
  error->SetBody(body);  // the same body again changes nothing
  EXPECT_EQ(factory->GetBodyCount(), 1);

  auto* copy = dynamic_cast<ZORGuiCheckError*>(error->CloneSelf());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetBody(), body);  // a copy still shows where the defect is
  EXPECT_STREQ(copy->GetMessageKey().c_str(), "ERR_1");
  error->Release();
  EXPECT_EQ(factory->GetBodyCount(), 1);
  copy->SetBody(nullptr);
  EXPECT_EQ(factory->GetBodyCount(), 0);
  copy->Release();
}

TEST_F(CheckError, AGatheringErrorIsACheckErrorAndClonesItsSubErrors) {
  auto* checks = new ZORGuiChecksError(7, "ERR_2", "ZORGuiInputError");
  EXPECT_TRUE(checks->IsAKindOf("ZORGuiCheckError"));
  EXPECT_TRUE(checks->GetErrorList().IsEmpty());
  Adopt(*checks, WithSegment(0));
  Adopt(*checks, WithSegment(5));
  EXPECT_EQ(factory->GetBodyCount(), 2);

  auto* copy = dynamic_cast<ZORGuiChecksError*>(checks->CloneSelf());
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->GetErrorList().Size(), 2);
  EXPECT_NE(copy->GetErrorList()[1].get(), checks->GetErrorList()[1].get());
  EXPECT_EQ(copy->GetErrorList()[2]->GetBody(), checks->GetErrorList()[2]->GetBody());
  EXPECT_EQ(copy->GetId(), 7u);

  // Either may go first: the sub-errors of the other stay whole.
  checks->Release();
  EXPECT_EQ(factory->GetBodyCount(), 2);
  ASSERT_NE(copy->GetErrorList()[1]->GetBody(), nullptr);
  copy->Release();
  EXPECT_EQ(factory->GetBodyCount(), 0);
}

TEST_F(CheckError, ErrorTablesAreEmptyAndSetupRecordsTheSource) {
  ZORGuiCheckError single(3);
  ZORGuiChecksError many("ERR_3", "ZORGuiInputError");
  unsigned int count = 9;
  ZORErrDsc* table = reinterpret_cast<ZORErrDsc*>(&count);
  single.GetErrorTable(&count, &table);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(table, nullptr);
  count = 9;
  many.GetErrorTable(&count, nullptr);
  EXPECT_EQ(count, 0u);
  many.Setup("WENUI/ZORGuiUtilities.m/src/Check", 12);
  EXPECT_STREQ(many.GetSourcePath(), "WENUI/ZORGuiUtilities.m/src/Check");
  EXPECT_EQ(many.GetSourceLine(), 12);
}
