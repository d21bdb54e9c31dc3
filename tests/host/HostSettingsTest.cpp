#include <gtest/gtest.h>

#include "ZORFaultGate.h"
#include "ZORSurfacicUIRecordServices.h"
#include "ZORWENSettings.h"

namespace {

class HostSettings : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    ZORWENSettings::SetAvailable(true);
    ZORWENSettings::ResetToDefaults();
    ZORSurfacicUIRecordServices::ResetStore();
    ZORFaultGate::Disarm();
  }
};

TEST_F(HostSettings, WorkbenchSettingsAreReadLiveAndMayBeAbsent) {
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  ASSERT_NE(settings, nullptr);
  settings->SetShapeDesignVersion(3);
  settings->SetKeepMode(2);
  settings->SetTMMergingDistanceValue(0.02);
  settings->SetTMDeviationLocked(true);
  EXPECT_EQ(ZORWENSettings::GetWENSettings()->GetShapeDesignVersion(), 3);
  EXPECT_EQ(ZORWENSettings::GetWENSettings()->GetKeepMode(), 2);
  EXPECT_DOUBLE_EQ(ZORWENSettings::GetWENSettings()->GetTMMergingDistanceValue(), 0.02);
  ZORSettingInfo info;
  EXPECT_EQ(settings->GetInfoTMDeviation(&info), S_OK);
  EXPECT_EQ(info.IsLockedSetting(), 1);
  EXPECT_EQ(settings->GetInfoTMDeviation(nullptr), E_FAIL);

  ZORWENSettings::SetAvailable(false);
  EXPECT_EQ(ZORWENSettings::GetWENSettings(), nullptr);
}

TEST_F(HostSettings, SnapChangeFiresTheWorkOnSupportEvent) {
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  std::vector<bool> seen;
  ZORWENSettings::CallbackId other = 0;
  const auto id = settings->AddCallback(ZORWENSettings::WorkOnSupportMode(), [&] {
    seen.push_back(settings->IsWorkOnSupportSnapOn());
    settings->RemoveCallback(other);  // a callback may unsubscribe another one
  });
  other = settings->AddCallback(ZORWENSettings::WorkOnSupportMode(), [&] { seen.push_back(true); });
  settings->AddCallback("OtherEvent", [&] { seen.push_back(true); });
  EXPECT_EQ(settings->AddCallback(ZORWENSettings::WorkOnSupportMode(), nullptr), 0u);

  const bool initial = settings->IsWorkOnSupportSnapOn();
  settings->SetWorkOnSupportSnap(initial);  // unchanged: no event
  settings->SetWorkOnSupportSnap(!initial);
  settings->RemoveCallback(id);
  settings->SetWorkOnSupportSnap(initial);
  EXPECT_EQ(seen, std::vector<bool>{!initial});
}

TEST_F(HostSettings, RecordLevelsComeFromTheSettingStore) {
  int flag = 0;
  int found = 0;
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordLevel("SurfacicRecordLevel", 14, found), 14);
  EXPECT_EQ(found, 0);
  EXPECT_EQ(ZORSurfacicUIRecordServices::SetRecordLevel("SurfacicRecordLevel", 14, flag), S_OK);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordLevel("SurfacicRecordLevel", 12, found), 14);
  EXPECT_EQ(found, 1);

  // A stored value stays when the setting is declared again with its default.
  ZORSurfacicUIRecordServices::SetStoredLevel("SurfacicRecordLevel", 10);
  ZORSurfacicUIRecordServices::SetRecordLevel("SurfacicRecordLevel", 14, flag);
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordLevel("SurfacicRecordLevel", 14, found), 10);

  ZORSurfacicUIRecordServices::SetStoreReadable(false);
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordLevel("SurfacicRecordLevel", 14, found), 14);
  EXPECT_EQ(found, 0);

  EXPECT_EQ(ZORSurfacicUIRecordServices::SetRecordWarning("SurfacicRecordLevel", 14,
                                                          "R14 Warning diagnosis", flag),
            S_OK);
  ASSERT_EQ(ZORSurfacicUIRecordServices::GetRecordedWarnings().size(), 1u);
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordedWarnings()[0].text, "R14 Warning diagnosis");
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordedWarnings()[0].level, 14);
}

TEST_F(HostSettings, RecordServicesFailThroughTheFaultGate) {
  int flag = 1;
  ZORFaultGate::Arm(1);
  EXPECT_EQ(ZORSurfacicUIRecordServices::SetRecordLevel("SurfacicRecordLevel", 14, flag), E_FAIL);
  EXPECT_EQ(flag, 0);
  ZORSurfacicUIRecordServices::SetStoredLevel("SurfacicRecordLevel", 15);
  int found = 1;
  ZORFaultGate::Arm(1);
  EXPECT_EQ(ZORSurfacicUIRecordServices::GetRecordLevel("SurfacicRecordLevel", 14, found), 14);
  EXPECT_EQ(found, 0);
  ZORFaultGate::Arm(1);
  EXPECT_EQ(ZORSurfacicUIRecordServices::SetRecordWarning("SurfacicRecordLevel", 14, "w", flag),
            E_FAIL);
  EXPECT_TRUE(ZORSurfacicUIRecordServices::GetRecordedWarnings().empty());
}

}  // namespace
