#include <gtest/gtest.h>

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORProtectedSection.h"

namespace {

// A line through (0,0,0)-(2,0,0)... crossing the plane x = 1, and the features between them.
class UpdateEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc.CreateTool("GeometricalSet");
    a = doc.CreatePoint(0, 0, 0, set);
    b = doc.CreatePoint(2, 2, 0, set);
    line = Make("WENLine", {{"Start", a}, {"End", b}});
    q1 = doc.CreatePoint(1, 0, 0, set);
    q2 = doc.CreatePoint(1, 1, 0, set);
    q3 = doc.CreatePoint(1, 0, 1, set);
    plane = Make("WENPlane", {{"Point1", q1}, {"Point2", q2}, {"Point3", q3}});
    cross = Make("WENIntersect", {{"Element1", line}, {"Element2", plane}});
  }
  void TearDown() override { ZORFeatureTypeRegistry::Get().ClearAllFailures(); }

  ZORFeature_var Make(const char* type,
                      std::initializer_list<std::pair<const char*, ZORFeature_var>> inputs) {
    auto f = doc.CreateFeature(type, set);
    for (const auto& [role, target] : inputs) {
      EXPECT_EQ(f->SetInput(role, ZORBaseUnknown_var(target)), S_OK) << role;
    }
    return f;
  }
  static ZORISpecObject_var SpecObject(ZORFeature* f) { return ZORISpecObject_var(f); }
  static std::string Diagnostic(ZORFeature* f) {
    auto error = ZORIUpdateError_var(f)->GetUpdateError();
    return error ? error->GetDiagnostic().str() : "";
  }

  ZORDocument doc;
  ZORFeature_var set, a, b, line, q1, q2, q3, plane, cross;
};

TEST_F(UpdateEngine, UpdatingAFeatureComputesItsInputsFirstFromTheirData) {
  EXPECT_FALSE(SpecObject(cross)->IsUpToDate());
  ASSERT_EQ(SpecObject(cross)->Update(), S_OK);
  for (ZORFeature* f : {a.get(), b.get(), line.get(), plane.get(), cross.get()}) {
    EXPECT_TRUE(f->IsUpToDate()) << f->GetDisplayNameText();
  }
  EXPECT_EQ(cross->GetResultBody()->Describe(), "point(1,1,0)");
  EXPECT_EQ(line->GetResultBody()->Describe(), "segment(0,0,0)-(2,2,0)");
  ZORMathPlane p;
  ASSERT_TRUE(plane->GetResultBody()->GetPlane(p));
  EXPECT_NEAR(std::fabs(p.GetNormal().GetX()), 1.0, 1e-12);
}

TEST_F(UpdateEngine, AChangeMakesEveryUserOutOfDateAndTheNextUpdateUsesIt) {
  ASSERT_EQ(doc.UpdateAll(), 0);
  EXPECT_TRUE(SpecObject(set)->IsUpToDate());
  b->SetValue("Y", 4);
  EXPECT_FALSE(b->IsUpToDate());
  EXPECT_FALSE(line->IsUpToDate());
  EXPECT_FALSE(cross->IsUpToDate());
  EXPECT_TRUE(plane->IsUpToDate());
  EXPECT_FALSE(SpecObject(set)->IsUpToDate());  // a tool is up to date when all it holds is
  ASSERT_EQ(ZORGmoUtilitiesServices::Update(ZORBaseUnknown_var(cross)), S_OK);
  EXPECT_EQ(cross->GetResultBody()->Describe(), "point(1,2,0)");

  // Relinking an input counts as a change too.
  ASSERT_EQ(line->SetInput("End", ZORBaseUnknown_var(q3)), S_OK);
  EXPECT_FALSE(cross->IsUpToDate());
  EXPECT_EQ(b->GetUsers(), std::vector<ZORFeature*>{});
  EXPECT_EQ(q3->GetUsers(), (std::vector<ZORFeature*>{line.get(), plane.get()}));
}

TEST_F(UpdateEngine, InputLinksRefuseCyclesUnknownRolesAndForeignFeatures) {
  EXPECT_EQ(line->SetInput("Start", ZORBaseUnknown_var(cross)), E_FAIL);  // cross uses line
  auto other = doc.CreateFeature("WENLine", set);
  ASSERT_EQ(other->SetInput("Start", ZORBaseUnknown_var(line)), S_OK);
  EXPECT_EQ(line->SetInput("End", ZORBaseUnknown_var(other)), E_FAIL);  // other uses line
  EXPECT_EQ(line->SetInput("End", ZORBaseUnknown_var(line)), E_FAIL);
  EXPECT_EQ(line->SetInput("Radius", ZORBaseUnknown_var(a)), E_INVALIDARG);
  ZORDocument foreign;
  EXPECT_EQ(line->SetInput("End", ZORBaseUnknown_var(foreign.CreatePoint(0, 0, 0))), E_FAIL);
  EXPECT_EQ(line->GetInput("End"), b.get());
}

TEST_F(UpdateEngine, GeometricFailuresBecomeUpdateErrorsThatStayOnTheFeature) {
  q3->SetValue("Y", 2);  // q1, q2, q3 aligned
  q3->SetValue("Z", 0);
  EXPECT_EQ(doc.UpdateAll(), 2);  // the plane, then the intersection through it
  EXPECT_EQ(Diagnostic(plane), "The three points are aligned");
  EXPECT_EQ(Diagnostic(cross), "Input Element2 (Plane.1) is in error");
  // A failure leaves an empty result, not none.
  ASSERT_TRUE(cross->GetResultBody());
  EXPECT_EQ(cross->GetResultBody()->HasGeometry(), 0);
  EXPECT_TRUE(line->IsUpToDate());  // computed although a sibling failed

  // The error stays until an update succeeds.
  EXPECT_EQ(Diagnostic(plane), "The three points are aligned");
  q3->SetValue("Z", 1);
  EXPECT_EQ(doc.UpdateAll(), 0);
  EXPECT_FALSE(plane->IsInError());
  EXPECT_FALSE(cross->IsInError());
}

TEST_F(UpdateEngine, ATypeToldToFailForInputsFailsOnlyForThem) {
  ZORFeatureTypeRegistry::Get().Find("WENIntersect")->FailFor({line.get()}, "Too close\nRetry");
  auto other = Make("WENLine", {{"Start", q1}, {"End", b}});
  auto cross2 = Make("WENIntersect", {{"Element1", other}, {"Element2", plane}});
  EXPECT_EQ(doc.UpdateAll(), 1);
  EXPECT_EQ(Diagnostic(cross), "Too close\nRetry");
  EXPECT_TRUE(cross2->IsUpToDate());

  ZORFeatureTypeRegistry::Get().ClearAllFailures();
  cross->MarkOutOfDate();
  EXPECT_EQ(doc.UpdateAll(), 0);
}

TEST_F(UpdateEngine, AnUpdateKeepsTheWarningsOfItsRulesUntilTheNextComputation) {
  ZORFeatureType& lines = *ZORFeatureTypeRegistry::Get().Find("WENLine");
  lines.WarnFor({a.get()}, "Nearly flat");
  lines.WarnFor({}, "Long");
  lines.WarnFor({q1.get()}, "Not this one");
  ASSERT_EQ(doc.UpdateAll(), 0);
  EXPECT_EQ(line->GetWarnings(), (std::vector<std::string>{"Nearly flat", "Long"}));
  EXPECT_TRUE(cross->GetWarnings().empty());
  EXPECT_NE(doc.Dump().find("Line.1 [WENLine] Start=Point.1 End=Point.2 warning(\"Nearly flat\") "
                            "warning(\"Long\") =>"),
            std::string::npos);

  // Undo gives the warnings back with the rest of the state.
  const int mark = doc.SetMark();
  lines.FailFor({}, "Broken");
  line->MarkOutOfDate();
  EXPECT_EQ(doc.UpdateAll(), 2);
  EXPECT_TRUE(line->GetWarnings().empty());
  ASSERT_EQ(doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(line->GetWarnings().size(), 2u);

  // Without its rules, the next computation leaves no warning.
  ZORFeatureTypeRegistry::Get().ClearAllFailures();
  line->MarkOutOfDate();
  ASSERT_EQ(doc.UpdateAll(), 0);
  EXPECT_TRUE(line->GetWarnings().empty());
}

TEST_F(UpdateEngine, ReplaceMovesEveryLinkToTheKeptFeature) {
  ASSERT_EQ(doc.UpdateAll(), 0);
  auto twin = doc.CreatePoint(1, 0, 0, set);  // a duplicate of q1, used by a second line
  auto other = Make("WENLine", {{"Start", twin}, {"End", b}});
  ASSERT_EQ(ZORGmoUtilitiesServices::Replace(ZORBaseUnknown_var(twin), ZORBaseUnknown_var(q1)),
            S_OK);
  EXPECT_EQ(other->GetInput("Start"), q1.get());
  EXPECT_TRUE(twin->GetUsers().empty());
  EXPECT_EQ(q1->GetUsers(), (std::vector<ZORFeature*>{plane.get(), other.get()}));

  // Replacing a feature by itself re-applies it: its users recompute.
  ASSERT_EQ(ZORGmoUtilitiesServices::Replace(ZORBaseUnknown_var(line), ZORBaseUnknown_var(line)),
            S_OK);
  EXPECT_FALSE(cross->IsUpToDate());
  // A link that would make a cycle does not move.
  EXPECT_EQ(ZORGmoUtilitiesServices::Replace(ZORBaseUnknown_var(a), ZORBaseUnknown_var(cross)),
            E_FAIL);
  EXPECT_EQ(line->GetInput("Start"), a.get());
}

TEST_F(UpdateEngine, UpdateRaisesACopyOfTheErrorInsideAProtectedSectionOnly) {
  ZORFeatureTypeRegistry::Get().Find("WENLine")->FailFor({}, "No line today");
  EXPECT_EQ(SpecObject(line)->Update(), E_FAIL);  // outside: a failure code

  HRESULT inside = S_OK;
  ZORException* caught = ZORProtect([&] { inside = SpecObject(cross)->Update(); });
  ASSERT_NE(caught, nullptr);
  ZORError* error = ZORError::Cast(caught);
  ASSERT_NE(error, nullptr);
  EXPECT_TRUE(error->IsAKindOf("ZORMfErrUpdate"));
  // The raised error is the one of the feature that failed, not the one attached to it.
  EXPECT_EQ(error->GetNLSDiagnostic(), "Input Element1 (Line.1) is in error");
  EXPECT_NE(static_cast<ZORBaseUnknown*>(error),
            ZORIUpdateError_var(cross)->GetUpdateError().get());
  error->Flush();
}

TEST_F(UpdateEngine, UpdateErrorsCanBeAttachedReadAndCleared) {
  ZORIUpdateError_var errors(SpecObject(line));
  ASSERT_TRUE(errors);
  EXPECT_FALSE(errors->GetUpdateError());
  auto attached = ZORMake<ZORMfErrUpdate>(ZORUnicodeString("Refused\nby the waiting command"));
  attached->SetType(0x20001);
  ASSERT_EQ(errors->SetUpdateError(attached), S_OK);
  EXPECT_TRUE(line->IsInError());
  EXPECT_EQ(errors->GetUpdateError()->GetType(), 0x20001);
  EXPECT_NE(doc.Dump().find("Line.1 [WENLine] Start=Point.1 End=Point.2 out-of-date "
                            "in-error(\"Refused\\nby the waiting command\")"),
            std::string::npos)
      << doc.Dump();
  ASSERT_EQ(errors->SetUpdateError(nullptr), S_OK);
  EXPECT_FALSE(errors->GetUpdateError());
}

TEST_F(UpdateEngine, ServicesFailWhenTheFaultGateSaysSo) {
  ZORFaultGate::Arm(1);
  EXPECT_EQ(SpecObject(cross)->Update(), E_FAIL);
  EXPECT_STREQ(ZORFaultGate::FiredService(), "ZORFeature::Update");
  EXPECT_FALSE(cross->IsUpToDate());

  ZORFaultGate::Arm(1);
  ZORException* caught = ZORProtect([&] { ZORIDescendants_var(set)->AddChild(SpecObject(a), 1); });
  EXPECT_STREQ(ZORFaultGate::FiredService(), "ZORFeature::AddChild");
  ASSERT_TRUE(ZORHandleCaught(caught));
  EXPECT_EQ(ZORIDescendants_var(set)->GetPosition(SpecObject(a)), 1);  // unchanged: it was first

  ZORFaultGate::Arm(1);
  EXPECT_FALSE(doc.CreatePoint(0, 0, 0, set));
  ZORFaultGate::Disarm();
}

}  // namespace
