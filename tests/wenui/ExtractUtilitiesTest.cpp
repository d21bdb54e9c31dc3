#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORDriver.h"
#include "ZORFeature.h"
#include "ZORGuiExtractUtilities.h"
#include "ZORHostSession.h"
#include "ZORWENSettings.h"

namespace {

class ExtractUtilities : public ::testing::Test {
 protected:
  ExtractUtilities() { set = doc().CreateTool("GeometricalSet"); }

  ZORDocument& doc() { return session.Document(); }
  ZORFeature_var Point(double x, double y = 0, double z = 0) {
    return doc().CreatePoint(x, y, z, set.get());
  }
  ZORFeature_var Make(const char* type, const std::vector<ZORFeature*>& inputs) {
    ZORFeature_var f = doc().CreateFeature(type, set.get());
    const auto& roles = f->GetFeatureType().GetInputRoles();
    for (std::size_t i = 0; i < inputs.size(); ++i) f->SetInput(roles[i], inputs[i]);
    return f;
  }
  // The answer for `feature` read in `context`; `panels` gets the texts of the error panels.
  HRESULT Extract(const ZORFeature_var& feature, const ZORFeature_var& context, ZORBody_var& body,
                  std::vector<std::string>& panels) {
    ZORISpecObject_var selected(feature.get());
    ZORBaseUnknown_var where(context.get());
    body = ZORBody_var(ZORMake<ZORBody>());  // the answer must clear it
    const HRESULT hr = ZORGuiExtractUtilities::GetFirstBodyForExtract(selected, where, body);
    for (const ZORShownMessage& m : driver.DrainMessages()) {
      if (m.name != "ErrorPanel") continue;
      panels.push_back(m.text.str());
      driver.PressOK("ErrorPanel");
    }
    return hr;
  }
  static bool Says(const std::vector<std::string>& panels, const std::string& part) {
    return panels.size() == 1 && panels[0].find(part) != std::string::npos;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set;
};

}  // namespace

TEST_F(ExtractUtilities, AFeatureThatComputedGivesItsBodyWithoutAPanel) {
  ZORFeature_var p = Point(1, 2, 3);
  doc().UpdateAll();
  ZORBody_var body;
  std::vector<std::string> panels;
  EXPECT_EQ(Extract(p, p, body, panels), S_OK);
  EXPECT_EQ(body.get(), p->GetResultBody().get());
  EXPECT_TRUE(panels.empty());
}

TEST_F(ExtractUtilities, AFailedFeatureGivesNoBodyAndThePanelSaysWhyFromTheContext) {
  ZORFeature_var o = Point(0), x = Point(1), y = Point(0, 1);
  ZORFeature_var lonely = Make("WENLine", {o.get()});  // fails on its own
  ZORFeature_var line = Make("WENLine", {o.get(), x.get()});
  ZORFeature_var parallel = Make("WENPlane", {o.get(), x.get(), y.get()});
  ZORFeature_var cross = Make("WENIntersect", {line.get(), parallel.get()});
  ZORFeature_var after = Make("WENLine", {cross.get(), y.get()});  // its input failed
  doc().UpdateAll();
  ASSERT_TRUE(lonely->IsInError());
  ASSERT_TRUE(after->IsInError());

  ZORBody_var body;
  std::vector<std::string> panels;
  EXPECT_EQ(Extract(lonely, lonely, body, panels), E_FAIL);
  EXPECT_FALSE(body);
  EXPECT_TRUE(Says(panels, "Its last update failed")) << panels.size();
  panels.clear();
  EXPECT_EQ(Extract(after, after, body, panels), E_FAIL);
  EXPECT_TRUE(Says(panels, "One of its inputs is deleted or in error")) << panels.size();
  panels.clear();
  // A context without update error, or none at all.
  EXPECT_EQ(Extract(after, o, body, panels), E_FAIL);
  EXPECT_TRUE(Says(panels, "Its geometry cannot be read")) << panels.size();
  panels.clear();
  EXPECT_EQ(Extract(after, ZORFeature_var(), body, panels), E_FAIL);
  EXPECT_TRUE(Says(panels, "Its geometry cannot be read")) << panels.size();
}

TEST_F(ExtractUtilities, NoFeatureOrNoBodyFailsWithoutAPanel) {
  ZORFeature_var p = Point(1);
  doc().UpdateAll();
  ZORBody_var body;
  std::vector<std::string> panels;
  EXPECT_EQ(Extract(ZORFeature_var(), p, body, panels), E_FAIL);
  EXPECT_FALSE(body);
  // A feature without a result raises nothing, yet gives no body: no success either.
  EXPECT_EQ(Extract(set, set, body, panels), E_FAIL);
  EXPECT_FALSE(body);
  EXPECT_TRUE(panels.empty());
}

TEST_F(ExtractUtilities, TheMergingDistanceComesFromTheSettingsOrDefaults) {
  ZORWENSettings::GetWENSettings()->SetTMMergingDistanceValue(0.02);
  double distance = 0;
  EXPECT_EQ(ZORGuiExtractUtilities::GetMergingDistance(distance), S_OK);
  EXPECT_DOUBLE_EQ(distance, 0.02);
  ZORWENSettings::SetAvailable(false);
  EXPECT_EQ(ZORGuiExtractUtilities::GetMergingDistance(distance), E_FAIL);
  EXPECT_DOUBLE_EQ(distance, 0.001);
  ZORWENSettings::SetAvailable(true);
  ZORWENSettings::ResetToDefaults();
}
