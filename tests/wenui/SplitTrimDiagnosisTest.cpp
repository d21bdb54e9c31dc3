// The build diagnosis of splits and trims shown in 3D: the body in error and its context as
// symbols after a failed build, the warning's panel and objects after a build with a warning.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZOR3DBagRep.h"
#include "ZORDriver.h"
#include "ZORFrmEditor.h"
#include "ZORGuiSplitTrim.h"
#include "ZORHostSession.h"
#include "ZORIWENBuildDiagnosis.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestGeometricalSet.h"
#include "ZORTransaction.h"

namespace {

class SplitTrimDiagnosis : public ::testing::Test {
 protected:
  ZORFeature_var SplitAtX(ZORFeature* element, double x) {
    plane = geometry.PlaneAtX(x);
    return geometry.Make("WENSplit", {element, plane.get()}, {"Element", "Cutter"});
  }
  // The interactive set, a line each, once the transaction is over.
  std::vector<std::string> Shown() {
    ZORTransaction::End();
    return session.Editor().GetISO()->Describe();
  }
  std::vector<std::string> Panels() {
    std::vector<std::string> texts;
    for (const ZORShownMessage& m : driver.DrainMessages()) {
      if (m.name != "ErrorPanel") continue;
      texts.push_back(m.text.str());
      driver.PressOK("ErrorPanel");
    }
    return texts;
  }
  static bool Diagnosed(ZORFeature& f) {
    ZORGmoBuildDiagnosisDataSplitTrim_var data;
    ZORIWENBuildDiagnosis_var(ZORSpecObjectOf(&f))->GetBuildDiagnosisData(data);
    return static_cast<bool>(data);
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORTestGeometricalSet geometry{session.Document()};
  ZORFeature_var plane;
};

TEST_F(SplitTrimDiagnosis, AFailedSplitShowsTheElementInErrorAndItsCutterInTheContextColour) {
  ZORFeature_var line = geometry.Polyline({{0, 0, 0}, {10, 0, 0}});
  ZORFeature_var split = SplitAtX(line.get(), 20);
  ASSERT_TRUE(split->IsInError());
  const std::size_t before = Shown().size();
  ZORGuiSplitTrim diagnosis(ZORSpecObjectOf(split.get()));
  diagnosis.VisualizeBuildDiagnosisData(E_FAIL);
  ZORGuiBodyInErrorSymbol* inError = diagnosis.GetErrorBodySymbol();
  ZORGuiBodyInErrorSymbol* context = diagnosis.GetContextBodySymbol();
  ASSERT_TRUE(inError && context);
  EXPECT_EQ(inError->GetBody(), line->GetResultBody().get());
  EXPECT_EQ(inError->GetColor(), ZORGuiBodyInErrorSymbol::kErrorColor);
  EXPECT_FALSE(inError->IsPickable());
  EXPECT_EQ(context->GetBody(), plane->GetResultBody().get());
  EXPECT_EQ(context->GetColor(), 244);
  EXPECT_EQ(Shown().size(), before + 2);
  // Shown again: the old symbols leave, new ones take their place.
  diagnosis.VisualizeBuildDiagnosisData(E_FAIL);
  EXPECT_NE(diagnosis.GetErrorBodySymbol(), nullptr);
  EXPECT_EQ(Shown().size(), before + 2);
  EXPECT_TRUE(Panels().empty());
  diagnosis.CleanBuildDiagnosis();
  EXPECT_EQ(Shown().size(), before);
  EXPECT_FALSE(Diagnosed(*split));
  diagnosis.CleanBuildDiagnosis();
  EXPECT_EQ(Shown().size(), before);
  // Cleared, the diagnosis shows nothing more.
  diagnosis.VisualizeBuildDiagnosisData(E_FAIL);
  EXPECT_EQ(diagnosis.GetErrorBodySymbol(), nullptr);
}

TEST_F(SplitTrimDiagnosis, AWarningOpensItsPanelAndDrawsTheCutVerticesInOneBag) {
  ZORFeature_var u = geometry.Polyline({{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}});
  ZORFeature_var split = SplitAtX(u.get(), 4);
  ASSERT_FALSE(split->IsInError());
  const std::size_t before = Shown().size();
  ZORGuiSplitTrim diagnosis(nullptr);
  diagnosis.SetFeature(ZORSpecObjectOf(split.get()));
  diagnosis.VisualizeBuildDiagnosisData(S_OK);
  const std::vector<std::string> panels = Panels();
  ASSERT_EQ(panels.size(), 1U);
  EXPECT_NE(panels[0].find("The element is cut in several places"), std::string::npos);
  EXPECT_EQ(diagnosis.GetErrorBodySymbol(), nullptr);
  ASSERT_TRUE(diagnosis.GetTopObjectsRep());
  const auto* bag =
      dynamic_cast<const ZOR3DBagRep*>(diagnosis.GetTopObjectsRep()->GetShownObject()->GetRep());
  ASSERT_TRUE(bag);
  EXPECT_EQ(bag->GetColor(), 247);
  EXPECT_EQ(bag->GetChildCount(), 2);
  EXPECT_EQ(Shown().size(), before + 1);
  diagnosis.CleanBuildDiagnosis();
  EXPECT_EQ(Shown().size(), before);
}

TEST_F(SplitTrimDiagnosis, WhatIsNoSplitOrHasNoDiagnosisShowsNothing) {
  ZORFeature_var line = geometry.Polyline({{0, 0, 0}, {10, 0, 0}});
  const std::size_t before = Shown().size();
  ZORGuiSplitTrim none(nullptr);
  none.VisualizeBuildDiagnosisData(E_FAIL);
  none.CleanBuildDiagnosis();
  ZORGuiSplitTrim notSplit(ZORSpecObjectOf(line.get()));
  notSplit.VisualizeBuildDiagnosisData(E_FAIL);
  // A split that was cut cleanly has no diagnosis.
  ZORFeature_var clean = SplitAtX(line.get(), 4);
  ZORGuiSplitTrim cleanSplit(ZORSpecObjectOf(clean.get()));
  cleanSplit.VisualizeBuildDiagnosisData(S_OK);
  EXPECT_EQ(cleanSplit.GetTopObjectsRep(), nullptr);
  EXPECT_EQ(Shown().size(), before);
  EXPECT_TRUE(Panels().empty());
}

TEST_F(SplitTrimDiagnosis, OnlyAPointIsValidToRemoveOrKeep) {
  ZORFeature_var point = geometry.Point(1, 2, 3);
  ZORFeature_var line = geometry.Polyline({{0, 0, 0}, {10, 0, 0}});
  ZORISpecObject_var asPoint = ZORSpecObjectOf(point.get());
  ZORISpecObject_var asCurve = ZORSpecObjectOf(line.get());
  ZORISpecObject_var nothing;
  EXPECT_TRUE(ZORGuiSplitTrim::IsValidPointToRemoveKeep(asPoint));
  EXPECT_FALSE(ZORGuiSplitTrim::IsValidPointToRemoveKeep(asCurve));
  EXPECT_FALSE(ZORGuiSplitTrim::IsValidPointToRemoveKeep(nothing));
}

}  // namespace
