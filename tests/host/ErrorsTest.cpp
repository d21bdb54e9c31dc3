#include <gtest/gtest.h>

#include <stdexcept>

#include "ZORFatalError.h"
#include "ZORGmoInputError.h"
#include "ZORGuiInputError.h"
#include "ZORProtectedSection.h"
#include "ZORSysLogAbend.h"
#include "ZORTestResources.h"
#include "ZORTrace.h"

namespace {

class Errors : public ::testing::Test {
 protected:
  void SetUp() override {
    resources.Write("ZORGuiInputError",
                    "WENUIINPUT_ERR_400.Request = {1} cannot be selected\n"
                    "WENUIINPUT_ERR_400.Diagnostic = {1} is already in the list\n"
                    "WENUIINPUT_ERR_400.Advice = Select another element\n"
                    "WENUIINPUT_ERR_60 = Whole text of {1} and {2}\n");
    ZORAbendLog::Clear();
  }
  ZORTestResources resources;
};

TEST_F(Errors, InputErrorTextsComeFromTheCatalogWithParameters) {
  auto* error = new ZORGuiInputError("WENUIINPUT_ERR_400", "ZORGuiInputError", 2048);
  error->SetNLSParameters({"Point.1"});
  EXPECT_EQ(error->GetNLSRequest(), "Point.1 cannot be selected");
  EXPECT_EQ(error->GetNLSDiagnostic(), "Point.1 is already in the list");
  EXPECT_EQ(error->GetNLSAdvice(), "Select another element");
  EXPECT_EQ(error->GetNLSMessage(),
            "Point.1 cannot be selected\nPoint.1 is already in the list\nSelect another element");
  EXPECT_EQ(error->GetNLSIdentifier(), "WENUIINPUT_ERR_400");
  EXPECT_EQ(error->GetOption(), 2048u);
  EXPECT_TRUE(error->IsAKindOf("ZORError"));
  EXPECT_TRUE(error->IsAKindOf("ZORGuiInputError"));

  // Parameters set per text stay with their text.
  error->SetNLSRequestParams({"Line.2"});
  EXPECT_EQ(error->GetNLSRequest(), "Line.2 cannot be selected");
  EXPECT_EQ(error->GetNLSDiagnostic(), "Point.1 is already in the list");
  error->Flush();
}

TEST_F(Errors, MissingKeysAndCatalogsGiveEmptyTexts) {
  ZORGuiInputError unknownKey("WENUIINPUT_ERR_9999", "ZORGuiInputError");
  EXPECT_TRUE(unknownKey.GetNLSRequest().IsEmpty());
  EXPECT_TRUE(unknownKey.GetNLSMessage().IsEmpty());
  ZORGmoInputError unknownCatalog("WENMODELINPUT_ERR_9700");
  EXPECT_EQ(unknownCatalog.GetMessageCatalog(), "ZORGmoInputError");
  EXPECT_TRUE(unknownCatalog.GetNLSDiagnostic().IsEmpty());

  // The key's own text is the message; missing parameters stay visible.
  ZORGuiInputError whole("WENUIINPUT_ERR_60", "ZORGuiInputError");
  whole.SetNLSParameters({"A"});
  EXPECT_EQ(whole.GetNLSMessage(), "Whole text of A and {2}");

  ZORError numbered(42);
  EXPECT_EQ(numbered.GetNLSIdentifier(), "42");
}

TEST_F(Errors, ExplicitTextsWinAndClonesKeepEverything) {
  ZORGuiInputError error("WENUIINPUT_ERR_400", "ZORGuiInputError", 2048);
  error.SetNLSDiagnosticParams({"Plane.3"});
  error.SetNLSRequest("Own request");
  error.SetSeverity(ZORError::kWarning);
  error.Setup("WENUI/ZORGuiUtilities.m/src/ZORWENUIStateCommand", 120);

  ZORError* clone = error.CloneSelf();
  EXPECT_STREQ(clone->IsA(), "ZORGuiInputError");
  EXPECT_EQ(clone->GetNLSRequest(), "Own request");
  EXPECT_EQ(clone->GetNLSDiagnostic(), "Plane.3 is already in the list");
  EXPECT_EQ(clone->GetSeverity(), ZORError::kWarning);
  EXPECT_STREQ(clone->GetSourcePath(), "WENUI/ZORGuiUtilities.m/src/ZORWENUIStateCommand");
  EXPECT_EQ(clone->GetSourceLine(), 120);
  EXPECT_EQ(clone->GetRefCount(), 1u);
  clone->Flush();
}

TEST_F(Errors, ErrorReturnRecordsTheLastErrorForFailures) {
  EXPECT_EQ(ZORError::GetReturn(1, "WENUI/ZORGuiUtilities.m/src/ZORGuiBagRep", 10), S_OK);
  EXPECT_EQ(ZORError::ZORGetLastError(S_OK), nullptr);

  const HRESULT failure = ZORError::GetReturn(0, "WENUI/ZORGuiUtilities.m/src/ZORGuiBagRep", 20);
  EXPECT_EQ(failure, E_FAIL);
  ZORError* last = ZORError::ZORGetLastError(failure);
  ASSERT_NE(last, nullptr);
  EXPECT_STREQ(last->GetSourcePath(), "WENUI/ZORGuiUtilities.m/src/ZORGuiBagRep");
  EXPECT_EQ(last->GetSourceLine(), 20);
  EXPECT_EQ(ZORError::ZORGetLastError(failure), nullptr);  // handed over once
  last->Flush();
}

TEST_F(Errors, ProtectedSectionsCatchRaisedErrorsAndTellZORErrorFromOthers) {
  int flushed = 0;
  ZORException* caught = ZORProtect([] {
    auto* error = new ZORGuiInputError("WENUIINPUT_ERR_400", "ZORGuiInputError");
    ZORRaise(error);
  });
  ASSERT_NE(caught, nullptr);
  EXPECT_TRUE(ZORHandleCaught(caught, [&](ZORError* error) {
    EXPECT_STREQ(error->IsA(), "ZORGuiInputError");
    ++flushed;
    error->Flush();
  }));
  EXPECT_EQ(flushed, 1);

  caught = ZORProtect([] { ZORRaise(new ZORException("not an error")); });
  EXPECT_TRUE(ZORHandleCaught(caught, [&](ZORError*) { ++flushed; }));
  EXPECT_EQ(flushed, 1);
  EXPECT_TRUE(ZORAbendLog::Contains("Unexpected error ZORException"));

  EXPECT_EQ(ZORProtect([] {}), nullptr);
  EXPECT_FALSE(ZORHandleCaught(nullptr));
  // Only error objects are caught; anything else is a bug and passes on.
  EXPECT_THROW(ZORProtect([] { throw std::runtime_error("bug"); }), std::runtime_error);
  EXPECT_EQ(ZORFaultGate::ProtectionDepth(), 0);
}

TEST_F(Errors, FaultGateRaisesInsideProtectionAndFailsOutside) {
  auto service = [] { return ZORFaultGate::Pass("TestService"); };

  ZORFaultGate::Arm(2);
  EXPECT_TRUE(service());
  EXPECT_FALSE(service());  // the 2nd call, outside any protected section, fails
  EXPECT_TRUE(ZORFaultGate::Fired());
  EXPECT_STREQ(ZORFaultGate::FiredService(), "TestService");
  EXPECT_TRUE(service());  // once only

  ZORFaultGate::Arm(1);
  ZORException* caught = ZORProtect([&] { service(); });
  ASSERT_NE(caught, nullptr);
  ZORError* error = ZORError::Cast(caught);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->GetNLSDiagnostic(), "Injected fault in TestService");
  error->Flush();

  ZORFaultGate::Disarm();
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(service());
  EXPECT_EQ(ZORFaultGate::Calls(), 5);
}

struct FatalStop {
  std::string text;
};

void ThrowingFatalHandler(const char* condition, const char* path, int line) {
  throw FatalStop{ZORFatalErrorText(condition, path, line)};
}

TEST_F(Errors, FatalErrorRoutineCanBeObserved) {
  ZORFatalErrorHandler previous = ZORSetFatalErrorHandler(&ThrowingFatalHandler);
  try {
    ZORFatalError(nullptr, "WENUI/ZORGuiUtilities.m/src/ZORGuiValueEditor", 77);
    ADD_FAILURE() << "the fatal routine returned";
  } catch (const FatalStop& stop) {
    EXPECT_EQ(stop.text, "AssertionFailed:0 WENUI/ZORGuiUtilities.m/src/ZORGuiValueEditor 77");
  }
  // Reading outside a list is a fatal error too.
  ZORListVal<int> list{1, 2};
  EXPECT_THROW(list[3], FatalStop);
  EXPECT_THROW(list[0], FatalStop);
  ZORSetFatalErrorHandler(previous);
}

TEST(AbendLog, KeepsItsNewestLinesWithinBounds) {
  ZORAbendLog::Clear();
  for (std::size_t i = 0; i < ZORAbendLog::kMaxLines + 10; ++i) {
    ZORSysLogAbend(std::to_string(i).c_str());
  }
  EXPECT_LE(ZORAbendLog::Lines().size(), ZORAbendLog::kMaxLines);
  EXPECT_EQ(ZORAbendLog::Lines().back(), std::to_string(ZORAbendLog::kMaxLines + 9));
  ZORAbendLog::Clear();
  EXPECT_TRUE(ZORAbendLog::Lines().empty());
}

TEST(Trace, WritesOnlyWhenItsKeyIsOn) {
  static const ZORTrace trace("WEN_GuiUtiliti", "WEN Traces for module ZORGuiUtilities");
  EXPECT_EQ(trace.GetOutput(), "STDERR");
  ZORTrace::ClearWritten();
  ZORTrace::SetOn("WEN_GuiUtiliti", false);
  trace.Print("ZORWENUIStateCommand::Activate");
  EXPECT_TRUE(ZORTrace::Written().empty());

  ZORTrace::SetOn("WEN_GuiUtiliti", true);
  trace.Print("ZORWENUIStateCommand::Activate");
  ZORTrace::SetOn("WEN_GuiUtiliti", false);
  ASSERT_EQ(ZORTrace::Written().size(), 1u);
  EXPECT_EQ(ZORTrace::Written()[0], "WEN_GuiUtiliti: ZORWENUIStateCommand::Activate");
}

}  // namespace
