// Check errors shown in 3D: a flag per domain of the defect, the domains drawn, and the error
// panel for what has no defect to show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZORBodyBuilder.h"
#include "ZORDriver.h"
#include "ZORGeoFactory.h"
#include "ZORGuiCheckErrorViewer.h"
#include "ZORGuiFlagGP.h"
#include "ZORHostSession.h"
#include "ZORLine.h"
#include "ZORTestResources.h"

namespace {

class CheckErrorViewer : public ::testing::Test {
 protected:
  CheckErrorViewer() {
    resources.Write("CheckTest",
                    "GAP.Request = A gap is left\nGAP.Diagnostic = The curves do not meet\n"
                    "QUIET = \nPLAIN.Request = Not a check\n");
  }
  // A defect of `domains` separate vertices at x = 0, 10, 20 ...
  ZORBody* Defect(int domains) {
    ZORBodyBuilder builder;
    for (int i = 0; i < domains; ++i) builder.AddVertex(ZORMathPoint(10.0 * i, 0, 0));
    ZORBody_var body = builder.Finish();
    factory->AddBody(body.get());
    return body.get();
  }
  ZORGuiCheckError* Error(const char* key, int domains) {
    auto* error = new ZORGuiCheckError(key, "CheckTest");
    if (domains >= 0) error->SetBody(Defect(domains));
    return error;
  }
  // What the viewer shows once updated: its bag's flags (their anchor x and texts) and the
  // number of other drawings.
  struct Seen {
    std::vector<std::pair<float, std::vector<std::string>>> flags;
    int others = 0;
  };
  static Seen Look(const ZORGuiCheckErrorViewer& viewer) {
    Seen seen;
    const auto* bag = dynamic_cast<const ZOR3DBagRep*>(viewer.GetShownObject()->GetRep());
    if (!bag) return seen;
    for (const ZOR3DRep_var& child : bag->GetChildren()) {
      const auto* custom = dynamic_cast<const ZOR3DCustomRep*>(child.get());
      const auto* flag = custom ? dynamic_cast<const ZORGuiFlagGP*>(custom->GetGP(1)) : nullptr;
      if (!flag) {
        ++seen.others;
        continue;
      }
      std::vector<std::string> texts;
      for (const ZORUnicodeString& text : flag->GetTexts()) texts.push_back(text.str());
      seen.flags.emplace_back(flag->GetAnchor().GetX(), texts);
    }
    return seen;
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

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
  ZORVar<ZORGeoFactory> factory = ZORMake<ZORGeoFactory>();
};

}  // namespace

TEST_F(CheckErrorViewer, EachDomainOfTheDefectIsDrawnAndFlaggedAtItsCentre) {
  ZORGuiCheckErrorViewer viewer;
  ASSERT_TRUE(SUCCEEDED(viewer.Initialize()));
  ZORGuiCheckError* error = Error("GAP", 3);
  EXPECT_EQ(viewer.Append(static_cast<ZORError*>(error)), S_OK);
  ASSERT_TRUE(SUCCEEDED(viewer.Update()));
  const Seen seen = Look(viewer);
  ASSERT_EQ(seen.flags.size(), 3u);
  const std::vector<std::string> texts{"A gap is left", "The curves do not meet"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(seen.flags[i].first, 10.0F * i);
    EXPECT_EQ(seen.flags[i].second, texts);
  }
  EXPECT_EQ(seen.others, 3);
  EXPECT_TRUE(Panels().empty());
  error->Release();
}

TEST_F(CheckErrorViewer, EmptyTextsGiveDomainsWithoutFlags) {
  ZORGuiCheckErrorViewer viewer;
  viewer.Initialize();
  ZORGuiCheckError* error = Error("QUIET", 2);
  EXPECT_EQ(viewer.Append(error), S_OK);
  viewer.Update();
  EXPECT_TRUE(Look(viewer).flags.empty());
  EXPECT_EQ(Look(viewer).others, 2);
  error->Release();
}

TEST_F(CheckErrorViewer, WhatHasNoDefectToShowGoesToThePanel) {
  ZORGuiCheckErrorViewer viewer;
  viewer.Initialize();
  ZORError* plain = new ZORError("PLAIN", "CheckTest");
  EXPECT_EQ(viewer.Append(plain), S_OK);
  const std::vector<std::string> shown = Panels();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind("Not a check", 0), 0u);
  ZORGuiCheckError* bodiless = Error("GAP", -1);
  EXPECT_EQ(viewer.Append(bodiless), E_FAIL);
  EXPECT_EQ(Panels().size(), 1u);
  ZORGuiCheckError* empty = Error("GAP", 0);
  EXPECT_EQ(viewer.Append(empty), S_OK);
  EXPECT_EQ(Panels().size(), 1u);
  auto* none = new ZORGuiChecksError("GAP", "CheckTest");
  EXPECT_EQ(viewer.Append(static_cast<ZORError*>(none)), S_OK);
  EXPECT_EQ(Panels().size(), 1u);
  EXPECT_EQ(viewer.Append(static_cast<ZORError*>(nullptr)), E_FAIL);
  viewer.Update();
  EXPECT_EQ(Look(viewer).others, 0);
  for (ZORError* error : {plain, static_cast<ZORError*>(bodiless), static_cast<ZORError*>(empty),
                          static_cast<ZORError*>(none)}) {
    error->Release();
  }
}

TEST_F(CheckErrorViewer, AGatheringErrorShowsEachSubErrorInOrder) {
  ZORGuiCheckErrorViewer viewer;
  viewer.Initialize();
  auto* checks = new ZORGuiChecksError("GAP", "CheckTest");
  for (int domains : {1, 2}) {
    ZORGuiCheckError* sub = Error("GAP", domains);
    checks->GetErrorList().Append(ZORVar<ZORGuiCheckError>(sub));
    sub->Release();
  }
  EXPECT_EQ(viewer.Append(static_cast<ZORError*>(checks)), S_OK);
  viewer.Update();
  EXPECT_EQ(Look(viewer).flags.size(), 3u);
  EXPECT_TRUE(Panels().empty());
  checks->Release();
  EXPECT_EQ(factory->GetBodyCount(), 0);  // each defect left its factory once
}
