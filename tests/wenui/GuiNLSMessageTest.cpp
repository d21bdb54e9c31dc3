#include <gtest/gtest.h>

#include "ZORDialogAgent.h"
#include "ZORGuiInputError.h"
#include "ZORGuiNLSMessage.h"
#include "ZORTestResources.h"

namespace {

class OuterCommand : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(OuterCommand, ZORDialogAgent, ZORMetaObject::Implementation, "Test")
  using ZORDialogAgent::ZORDialogAgent;
};
class InnerCommand : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(InnerCommand, ZORDialogAgent, ZORMetaObject::Implementation, "Test")
  using ZORDialogAgent::ZORDialogAgent;
};

class NLSMessage : public ::testing::Test {
 protected:
  void SetUp() override {
    resources.Write("ZORGuiInternalError",
                    "ZORGuiInternalError.Title = Internal error\n"
                    "ZORGuiInternalError.TitleInCommand = Error in {1}\n"
                    "ZORGuiInternalError.Message = Something went wrong\n");
    resources.Write("OuterCommand",
                    "Outer.Title = Point Definition\n"
                    "Outer.ERR_1.Request = Cannot create {1}\n"
                    "Outer.ERR_1.Diagnostic = {1} lies on {2}\n");
    resources.Write("InnerCommand",
                    "Inner.ERR_2.Title = Own title\nInner.ERR_2.Message = Whole {1}\n");
    // The inner agent's base class has resources too: deeper levels are searched.
    resources.Write("ZORDialogAgent", "Inner.ERR_3.Diagnostic = From the base class\n");
    inner->SetFather(outer.get());
  }
  ZORTestResources resources;
  ZORVar<OuterCommand> outer = ZORMake<OuterCommand>("Outer");
  ZORVar<InnerCommand> inner = ZORMake<InnerCommand>("Inner");
};

TEST_F(NLSMessage, KeysAreFoundInTheFathersResourcesWithTheirParameters) {
  ZORGuiNLSMessage message;
  ZORListValZORUnicodeString params{"Point.1", "Plane.2"};
  ASSERT_EQ(message.Build(inner.get(), "ERR_1", &params), S_OK);
  EXPECT_EQ(message.GetTitle(), "Error in Point Definition");  // from the father's "Title"
  EXPECT_EQ(message.GetRequest(), "Cannot create {1}");        // requests take no parameters
  EXPECT_EQ(message.GetDiagnostic(), "Point.1 lies on Plane.2");
  EXPECT_EQ(message.GetMessage(), "Cannot create {1}\nPoint.1 lies on Plane.2");
  EXPECT_TRUE(message.GetShortHelp().IsEmpty());
}

TEST_F(NLSMessage, OwnTitleAndMessageWinAndDeeperLevelsAreSearched) {
  ZORGuiNLSMessage message;
  ZORListValZORUnicodeString params{"text"};
  ASSERT_EQ(message.Build(inner.get(), "ERR_2", &params), S_OK);
  EXPECT_EQ(message.GetTitle(), "Own title");
  EXPECT_EQ(message.GetMessage(), "Whole text");

  ZORUnicodeString text;
  EXPECT_EQ(ZORGuiNLSMessage::GetRessource(inner.get(), "ERR_3.Diagnostic", nullptr, text), S_OK);
  EXPECT_EQ(text, "From the base class");
}

TEST_F(NLSMessage, MissingTextsFallBackToTheInternalErrorCatalog) {
  ZORGuiNLSMessage message;
  auto lonely = ZORMake<InnerCommand>("Lonely");
  ASSERT_EQ(message.Build(lonely.get(), "NOTHING", nullptr), S_OK);
  EXPECT_EQ(message.GetTitle(), "Internal error");  // no "Title" resource anywhere
  EXPECT_EQ(message.GetMessage(), "Something went wrong");
  EXPECT_EQ(message.GetDiagnostic(), "Something went wrong");

  ZORUnicodeString text = "stale";
  EXPECT_EQ(ZORGuiNLSMessage::GetRessource(lonely.get(), "NOTHING", nullptr, text), E_FAIL);
  EXPECT_TRUE(text.IsEmpty());

  // Without a command nothing is built and nothing changes.
  ZORGuiNLSMessage untouched;
  ASSERT_EQ(untouched.Build(inner.get(), "ERR_2", nullptr), S_OK);
  EXPECT_EQ(untouched.Build(nullptr, "ERR_1", nullptr), E_FAIL);
  EXPECT_EQ(untouched.GetTitle(), "Own title");
}

TEST_F(NLSMessage, ErrorsGiveRequestAndDiagnosticWithTheAdviceOnItsOwnLine) {
  resources.Write("ZORGuiInputError",
                  "WENUIINPUT_ERR_5.Request = Wrong input\n"
                  "WENUIINPUT_ERR_5.Diagnostic = {1} is not a curve\n"
                  "WENUIINPUT_ERR_5.Advice = Pick a curve\n");
  auto* error = new ZORGuiInputError("WENUIINPUT_ERR_5", "ZORGuiInputError");
  error->SetNLSParameters({"Point.3"});
  ZORError* asError = error;
  ZORGuiNLSMessage message;
  ASSERT_EQ(message.Build(outer.get(), asError), S_OK);
  EXPECT_EQ(message.GetTitle(), "Error in Point Definition");
  EXPECT_EQ(message.GetRequest(), "Wrong input");
  EXPECT_EQ(message.GetDiagnostic(), "Point.3 is not a curve\nPick a curve");
  EXPECT_EQ(message.GetMessage(), "Wrong input\nPoint.3 is not a curve\nPick a curve");
  EXPECT_EQ(asError, error);  // the error stays the caller's
  error->Flush();

  ZORError* none = nullptr;
  EXPECT_EQ(message.Build(outer.get(), none), E_FAIL);
}

}  // namespace
