// Laws: their values in closed form, their extremes, and the law features and integrated laws
// that give them.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesLaw.h"
#include "ZORHostSession.h"
#include "ZORIWENIntegratedLaw.h"
#include "ZORIWENLaw.h"
#include "ZORLaw.h"
#include "ZORParmDictionary.h"
#include "ZORProtectedSection.h"

namespace {

TEST(Law, BasicLawsInClosedFormAndBackwards) {
  const ZORLaw_var linear = ZORLaw::MakeLinear(10, 20);
  const ZORLaw_var s = ZORLaw::MakeSType(10, 20);
  for (double t : {0.0, 0.1, 0.25, 0.5, 0.9, 1.0}) {
    EXPECT_EQ(linear->Evaluate(t), (1 - t) * 10 + t * 20) << t;
    EXPECT_NEAR(s->Evaluate(t), 10 + 10 * (3 * t * t - 2 * t * t * t), 1e-12) << t;
  }
  EXPECT_EQ(s->Evaluate(0.25), 11.5625);
  const ZORLaw_var back = ZORLaw::MakeInverted(s);
  EXPECT_EQ(back->Evaluate(0.0), 20.0);
  EXPECT_EQ(back->Evaluate(0.75), s->Evaluate(0.25));
  EXPECT_EQ(ZORLaw::MakeInverted(back)->Evaluate(0.25), 11.5625);
  // Outside [0, 1] the ends hold.
  EXPECT_EQ(linear->Evaluate(-3), 10.0);
  EXPECT_EQ(linear->Evaluate(7), 20.0);
  double low = 0, high = 0;
  s->GetExtremeValues(low, high);
  EXPECT_EQ(low, 10.0);
  EXPECT_EQ(high, 20.0);
  ZORLaw::MakeLinear(5, -1)->GetExtremeValues(low, high);
  EXPECT_EQ(low, -1.0);
  EXPECT_EQ(high, 5.0);
  EXPECT_FALSE(ZORLaw::MakeConstant(NAN));
  EXPECT_FALSE(ZORLaw::MakeLinear(0, INFINITY));
  EXPECT_FALSE(ZORLaw::MakeInverted(nullptr));
}

TEST(Law, ImplicitLawsThroughTheirPoints) {
  const ZORLaw_var segments =
      ZORLaw::MakeImplicit({{1.0, 4.0}, {0.0, 0.0}, {0.5, 1.0}}, ZORLaw::Interpolation::kLinear);
  ASSERT_TRUE(segments);
  EXPECT_EQ(segments->Evaluate(0.25), 0.5);
  EXPECT_EQ(segments->Evaluate(0.75), 2.5);
  double low = 0, high = 0;
  segments->GetExtremeValues(low, high);
  EXPECT_EQ(high, 4.0);
  // The natural spline through (0,0) (0.5,1) (1,0): second derivative -12 at the middle.
  const ZORLaw_var spline =
      ZORLaw::MakeImplicit({{0.0, 0.0}, {0.5, 1.0}, {1.0, 0.0}}, ZORLaw::Interpolation::kCubic);
  EXPECT_EQ(spline->Evaluate(0.5), 1.0);
  EXPECT_NEAR(spline->Evaluate(0.25), 0.6875, 1e-12);  // 3t - 4t^3 at t = 0.25
  EXPECT_NEAR(spline->Evaluate(0.75), 0.6875, 1e-12);
  EXPECT_FALSE(spline->HasKnownExtremes());
  ZORException* raised = ZORProtect([&] { spline->GetExtremeValues(low, high); });
  ASSERT_TRUE(raised);
  raised->Release();
  // Refused: one point, a t outside [0, 1], two points at one t.
  EXPECT_FALSE(ZORLaw::MakeImplicit({{0.5, 1.0}}, ZORLaw::Interpolation::kLinear));
  EXPECT_FALSE(ZORLaw::MakeImplicit({{0.0, 1.0}, {1.5, 1.0}}, ZORLaw::Interpolation::kLinear));
  EXPECT_FALSE(ZORLaw::MakeImplicit({{0.2, 1.0}, {0.2, 2.0}}, ZORLaw::Interpolation::kLinear));
}

TEST(Law, FeaturesAndIntegratedLaws) {
  ZORHostSession session;
  ZORDocument& doc = session.Document();
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var wen = doc.CreateFeature("WENLaw", set.get());
  wen->SetValue("Kind", 3);
  wen->SetValue("Start", 1);
  wen->SetValue("End", 3);
  ZORFeature_var sine = doc.CreateFeature("CkeLaw", set.get());
  sine->SetValue("Amplitude", 2);
  ZORFeature_var broken = doc.CreateFeature("WENLaw", set.get());
  broken->SetValue("Kind", 9);
  EXPECT_EQ(doc.UpdateAll(), 1);
  EXPECT_EQ(ZORIWENLaw_var(ZORBaseUnknown_var(wen.get()))->GetBasicLawType(), ZORWENSTypeLaw);
  EXPECT_FALSE(ZORIWENLaw_var(ZORBaseUnknown_var(sine.get())));
  ZORICkeLaw_var formula(ZORBaseUnknown_var(sine.get()));
  ASSERT_TRUE(formula);
  EXPECT_NEAR(formula->GetEvaluableLaw()->Evaluate(0.25), 2.0, 1e-12);
  // In error: null outside a protected section, its update error raised inside one.
  ZORICkeLaw_var failed(ZORBaseUnknown_var(broken.get()));
  EXPECT_FALSE(failed->GetEvaluableLaw());
  ZORException* raised = ZORProtect([&] { failed->GetEvaluableLaw(); });
  ASSERT_TRUE(raised);
  raised->Release();

  ZORFeature_var integrated = doc.CreateFeature("WENIntegratedLaw", set.get());
  ZORIWENIntegratedLaw_var law(ZORBaseUnknown_var(integrated.get()));
  ASSERT_TRUE(law);
  ZORICkeParm_var start, end;
  ASSERT_EQ(law->GetLiterals(start, end), S_OK);
  start->Valuate(4);
  end->Valuate(8);
  EXPECT_EQ(law->GetLawType(), ZORWENLinearLaw);
  EXPECT_EQ(law->GetEvaluableLaw()->Evaluate(0.5), 6.0);
  law->SetInversion(1);
  EXPECT_EQ(law->GetEvaluableLaw()->Evaluate(0.0), 8.0);
  EXPECT_EQ(law->SetLawType(static_cast<ZORWENBasicLawType>(6)), E_FAIL);
  law->SetLawType(ZORWENAdvancedLaw);
  EXPECT_FALSE(law->GetEvaluableLaw());  // no law feature yet
  EXPECT_EQ(integrated->Update(), E_FAIL);
  law->SetAdvancedLaw(ZORICkeLaw_var(ZORBaseUnknown_var(wen.get())));
  EXPECT_EQ(law->GetEvaluableLaw()->Evaluate(0.0), 3.0);  // inverted S-type from 1 to 3
  EXPECT_EQ(integrated->Update(), S_OK);
}

TEST(Law, ValuesInTheCurrentUnits) {
  EXPECT_EQ(ZORGmoUtilitiesLaw::GetLengthInCurrentUnit(11.5625).str(), "11.5625mm");
  EXPECT_EQ(ZORGmoUtilitiesLaw::GetAngleInCurrentUnit(30).str(), "30deg");
  EXPECT_FALSE(
      ZORGmoUtilitiesLaw::ComputeZORLaw(nullptr, nullptr, ZORWENLinearLaw, nullptr, nullptr, 0));
}

}  // namespace
