// Implicit integrated laws: their points along the support, the rows that show them in support
// order, and the values the law takes there.

#include <gtest/gtest.h>

#include "ZORGmoUtilitiesLaw.h"
#include "ZORHostSession.h"
#include "ZORIWENIntegratedLaw.h"
#include "ZORTestGeometricalSet.h"
#include "ZORWire.h"

namespace {

class ImplicitLaw : public ::testing::Test {
 protected:
  ImplicitLaw() {
    // An L of two 10 mm segments: lengths along it are easy to read.
    support_ = geometry_.Polyline({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
    feature_ = doc().CreateFeature("WENIntegratedLaw", geometry_.Set());
    law_ = ZORIWENIntegratedLaw_var(ZORBaseUnknown_var(feature_.get()));
    law_->SetLawType(ZORWENImplicitLaw);
    law_->SetSupport(ZORISpecObject_var(ZORBaseUnknown_var(support_.get())));
    doc().UpdateAll();
  }
  ZORDocument& doc() { return session_.Document(); }
  // A point of the set at (x, y, 0) added to the law with `value`.
  HRESULT Add(double x, double y, double value) {
    ZORFeature_var point = geometry_.Point(x, y, 0);
    doc().UpdateAll();
    return law_->AddImplicitLawPoint(ZORISpecObject_var(ZORBaseUnknown_var(point.get())), value);
  }
  std::vector<int> Mapping() {
    ZORRawCollint mapping;
    EXPECT_EQ(ZORGmoUtilitiesLaw::GetImplicitLawMappingList(law_, mapping), S_OK);
    return mapping.std();
  }

  ZORHostSession session_;
  ZORTestGeometricalSet geometry_{session_.Document()};
  ZORFeature_var support_;
  ZORFeature_var feature_;
  ZORIWENIntegratedLaw_var law_;
};

TEST_F(ImplicitLaw, PointsLieWhereTheSupportPassesThem) {
  ZORBody_var body = support_->GetResultBody();
  ASSERT_TRUE(body);
  ZORWire_var wire = ZORWire::FromBody(*body);
  ASSERT_TRUE(wire);
  EXPECT_NEAR(wire->LengthTo({2, 0, 0}), 2.0, 1e-9);
  EXPECT_NEAR(wire->LengthTo({10, 5, 0}), 15.0, 1e-9);
  // Off the support: the nearest point of it counts.
  EXPECT_NEAR(wire->LengthTo({12, 7, 0}), 17.0, 1e-9);
  EXPECT_NEAR(wire->LengthTo({-3, -1, 0}), 0.0, 1e-9);
}

TEST_F(ImplicitLaw, RowsFollowTheSupportAndTheLawRunsThroughThePoints) {
  ASSERT_EQ(Add(10, 5, 30), S_OK);  // law point 1, at 0.75
  ASSERT_EQ(Add(2, 0, 10), S_OK);   // law point 2, at 0.1
  ASSERT_EQ(Add(10, 0, 20), S_OK);  // law point 3, at 0.5
  std::vector<double> positions;
  ASSERT_EQ(ZORGmoUtilitiesLaw::GetImplicitLawPositions(law_, positions), S_OK);
  ASSERT_EQ(positions.size(), 3U);
  EXPECT_NEAR(positions[0], 0.75, 1e-12);
  EXPECT_NEAR(positions[1], 0.1, 1e-12);
  EXPECT_NEAR(positions[2], 0.5, 1e-12);
  EXPECT_EQ(Mapping(), (std::vector<int>{2, 3, 1}));

  ZORLaw_var values = law_->GetEvaluableLaw();
  ASSERT_TRUE(values);
  EXPECT_NEAR(values->Evaluate(0.1), 10.0, 1e-9);
  EXPECT_NEAR(values->Evaluate(0.3), 15.0, 1e-9);
  EXPECT_NEAR(values->Evaluate(0.625), 25.0, 1e-9);
  EXPECT_NEAR(values->Evaluate(1.0), 30.0, 1e-9);
  law_->SetInversion(1);
  EXPECT_NEAR(law_->GetEvaluableLaw()->Evaluate(0.7), 15.0, 1e-9);
  law_->SetInversion(0);

  // Cubic: the natural spline through the three points passes them.
  ASSERT_EQ(law_->SetInterpolationMode(2), S_OK);
  EXPECT_EQ(law_->GetInterpolationMode(), 2);
  EXPECT_NEAR(law_->GetEvaluableLaw()->Evaluate(0.5), 20.0, 1e-9);
  EXPECT_NE(law_->GetEvaluableLaw()->Evaluate(0.3), 15.0);
  EXPECT_EQ(law_->SetInterpolationMode(3), E_FAIL);
  EXPECT_EQ(law_->GetInterpolationMode(), 2);

  // Lists by law point, sorted into rows.
  ZORListValZORISpecObject_var points, parameters;
  ASSERT_EQ(law_->GetImplicitLawPoints(points, parameters), S_OK);
  ZORRawCollint mapping;
  ZORGmoUtilitiesLaw::GetImplicitLawMappingList(law_, mapping);
  ASSERT_EQ(ZORGmoUtilitiesLaw::SortAccordingToMappingList(parameters, mapping), S_OK);
  const double expected[] = {10, 20, 30};
  for (int row = 1; row <= 3; ++row) {
    EXPECT_EQ(ZORICkeParm_var(ZORBaseUnknown_var(parameters[row].get()))->GetStoredValue(),
              expected[row - 1]);
  }
}

TEST_F(ImplicitLaw, RemovingAPointMovesTheLaterOnesDownAndDropsItsValue) {
  ASSERT_EQ(Add(2, 0, 10), S_OK);
  ASSERT_EQ(Add(10, 0, 20), S_OK);
  ASSERT_EQ(Add(10, 5, 30), S_OK);
  ZORListValZORISpecObject_var points, parameters;
  law_->GetImplicitLawPoints(points, parameters);
  ZORFeature* removedValue = ZORFeature::From(parameters[1].get());
  ASSERT_TRUE(removedValue && removedValue->IsInDocument());
  EXPECT_EQ(law_->RemoveImplicitLawPoint(0), E_FAIL);
  EXPECT_EQ(law_->RemoveImplicitLawPoint(4), E_FAIL);
  ASSERT_EQ(law_->RemoveImplicitLawPoint(1), S_OK);
  EXPECT_FALSE(removedValue->IsInDocument());
  ZORListValZORISpecObject_var after, afterValues;
  law_->GetImplicitLawPoints(after, afterValues);
  ASSERT_EQ(after.Size(), 2);
  EXPECT_EQ(after[1].get(), points[2].get());
  EXPECT_EQ(after[2].get(), points[3].get());
  EXPECT_EQ(afterValues[2].get(), parameters[3].get());
  EXPECT_EQ(Mapping(), (std::vector<int>{1, 2}));
  EXPECT_NEAR(law_->GetEvaluableLaw()->Evaluate(0.6), 24.0, 1e-9);
}

TEST_F(ImplicitLaw, BadPointsAndListsAreRefused) {
  ZORFeature_var point = geometry_.Point(1, 0, 0);
  const ZORISpecObject_var pointObject{ZORBaseUnknown_var(point.get())};
  EXPECT_EQ(law_->AddImplicitLawPoint(nullptr, 1), E_FAIL);
  ASSERT_EQ(law_->AddImplicitLawPoint(pointObject, 1), S_OK);
  EXPECT_EQ(law_->AddImplicitLawPoint(pointObject, 2), E_FAIL);  // already a law point
  // One point makes no law, yet its row is known.
  EXPECT_FALSE(law_->GetEvaluableLaw());
  EXPECT_EQ(Mapping(), (std::vector<int>{1}));
  ZORHostSession other;
  ZORFeature_var foreign = other.Document().CreatePoint(0, 0, 0);
  EXPECT_EQ(law_->AddImplicitLawPoint(ZORISpecObject_var(ZORBaseUnknown_var(foreign.get())), 0),
            E_FAIL);
  for (int i = 2; i <= ZORIWENIntegratedLaw::kMaxImplicitPoints; ++i) {
    ASSERT_EQ(Add(i * 0.5, 0, i), S_OK) << i;
  }
  EXPECT_EQ(Add(19, 0, 0), E_FAIL);

  // Without support the positions are unknown: rows keep the law points' order.
  law_->SetSupport(nullptr);
  std::vector<double> positions;
  EXPECT_EQ(ZORGmoUtilitiesLaw::GetImplicitLawPositions(law_, positions), E_FAIL);
  EXPECT_TRUE(positions.empty());
  EXPECT_EQ(Mapping().front(), 1);
  EXPECT_FALSE(law_->GetEvaluableLaw());

  ZORRawCollint mapping;
  EXPECT_EQ(ZORGmoUtilitiesLaw::GetImplicitLawMappingList(nullptr, mapping), E_FAIL);
  ZORListValZORISpecObject_var list;
  list.Append(pointObject);
  list.Append(nullptr);
  const ZORRawCollint twice = {1, 1};
  const ZORRawCollint beyond = {1, 3};
  const ZORRawCollint shorter = {1};
  for (const ZORRawCollint* bad : {&twice, &beyond, &shorter}) {
    EXPECT_EQ(ZORGmoUtilitiesLaw::SortAccordingToMappingList(list, *bad), E_FAIL);
    EXPECT_EQ(list[1].get(), pointObject.get());
  }
  ASSERT_EQ(ZORGmoUtilitiesLaw::SortAccordingToMappingList(list, {2, 1}), S_OK);
  EXPECT_EQ(list[2].get(), pointObject.get());
}

}  // namespace
