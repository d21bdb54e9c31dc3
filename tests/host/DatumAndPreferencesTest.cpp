#include <gtest/gtest.h>

#include "ZORComponentLoader.h"
#include "ZORDocument.h"
#include "ZORGmoDatumServices.h"
#include "ZORIMmiPartInfrastructurePreferencesAtt.h"
#include "ZORIWENDatum.h"
#include "ZORMmuPartInfrastructurePreferencesCtrl.h"

namespace {

TEST(DatumConversion, APointGivesAFatherlessDatumThatStaysWhenThePointMoves) {
  ZORDocument doc{"Datums"};
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var point = doc.CreatePoint(1, 2, 3, set);
  ZORListValZORISpecObject_var results;
  EXPECT_EQ(ZORIWENDatum_var(point.get())->ConvertToDatum(results), E_FAIL);  // no result yet
  EXPECT_FALSE(ZORIWENDatum_var(set.get()));
  ASSERT_EQ(doc.UpdateAll(), 0);

  ASSERT_EQ(ZORIWENDatum_var(point.get())->ConvertToDatum(results), S_OK);
  ASSERT_EQ(results.Size(), 1);
  ZORFeature* datum = ZORFeature::From(results[1].get());
  ASSERT_TRUE(datum && datum != point.get());
  EXPECT_EQ(datum->GetFatherFeature(), nullptr);
  EXPECT_TRUE(ZORGmoDatumServices::IsDatum(*datum));
  point->SetValue("X", 10);
  ASSERT_EQ(doc.UpdateAll(), 0);
  EXPECT_EQ(datum->GetResultBody()->Describe(), "point(1,2,3)");
}

TEST(PartPreferences, InstancesMadeByNameShareTheSessionsValues) {
  auto make = [] {
    void* out = nullptr;
    ZORInstantiateComponent("ZORMmuPartInfrastructurePreferencesCtrl",
                            ZORIMmiPartInfrastructurePreferencesAtt::ClassIID(), &out);
    return ZORIMmiPartInfrastructurePreferencesAtt_var::Adopt(
        static_cast<ZORIMmiPartInfrastructurePreferencesAtt*>(out));
  };
  ZORIMmiPartInfrastructurePreferencesAtt_var first = make();
  ASSERT_TRUE(first);
  ASSERT_EQ(first->SetDatumCreationMode(true), S_OK);
  bool on = false;
  ASSERT_EQ(make()->GetDatumCreationMode(on), S_OK);
  EXPECT_TRUE(on);
  ZORMmuPartInfrastructurePreferencesCtrl::ResetToDefaults();
  ASSERT_EQ(first->GetDatumCreationMode(on), S_OK);
  EXPECT_FALSE(on);
}

}  // namespace
