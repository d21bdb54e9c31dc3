#include <gtest/gtest.h>

#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORGmoMecModServices.h"
#include "ZORIMechanicalProperties.h"
#include "ZORIMfSynchroFailureReportMng.h"
#include "ZORIWENFeatureType.h"
#include "ZORIWENOptionalAttrMapManager.h"
#include "ZORMfSynchroFailureReportMngExt.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENOptionalAttrMapManagerExt.h"

namespace {

struct EditedDocument {
  ZORDocument doc{"Edited"};
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var a = doc.CreatePoint(0, 0, 0, set);
  ZORFeature_var line = doc.CreateFeature("WENLine", set.get());
};

// The next gated call fails while the guard lives.
struct FailNextCall {
  FailNextCall() { ZORFaultGate::Arm(1); }
  ~FailNextCall() { ZORFaultGate::Disarm(); }
};

TEST(SynchroFailureReport, ThePartRecordsTheEditedFeaturesOfItsDocumentOnly) {
  EditedDocument d;
  ZORDocument other{"Other"};
  ZORFeature_var stranger = other.CreatePoint(0, 0, 0);
  ZORIMfSynchroFailureReportMng_var report(d.doc.GetPart());
  ASSERT_TRUE(report);
  EXPECT_FALSE(ZORIMfSynchroFailureReportMng_var(d.line.get()));

  ASSERT_EQ(report->ManageEditedFeature(ZORSpecObjectOf(d.line)), S_OK);
  ASSERT_EQ(report->ManageEditedFeature(ZORSpecObjectOf(d.a)), S_OK);
  EXPECT_EQ(report->ManageEditedFeature(nullptr), E_FAIL);
  EXPECT_EQ(report->ManageEditedFeature(ZORSpecObjectOf(d.doc.GetPart())), E_FAIL);
  EXPECT_EQ(report->ManageEditedFeature(ZORSpecObjectOf(stranger)), E_FAIL);
  {
    FailNextCall gate;
    EXPECT_EQ(report->ManageEditedFeature(ZORSpecObjectOf(d.a)), E_FAIL);
  }
  const auto& managed = ZORMfSynchroFailureReportMngExt::Of(d.doc.GetPart())->GetManagedFeatures();
  ASSERT_EQ(managed.size(), 2u);
  EXPECT_EQ(managed[0], ZORSpecObjectOf(d.line));
  EXPECT_EQ(managed[1], ZORSpecObjectOf(d.a));
}

TEST(EditionRefreshes, EachGeometricFeatureCountsItsOwnAndUndoKeepsThem) {
  EditedDocument d;
  ZORIWENOptionalAttrMapManager_var lineMap(d.line.get());
  ASSERT_TRUE(lineMap);
  EXPECT_FALSE(ZORIWENOptionalAttrMapManager_var(d.set.get()));
  EXPECT_FALSE(ZORIWENOptionalAttrMapManager_var(d.doc.GetPart()));
  ZORIMechanicalProperties_var lineProperties(d.line.get());

  const int mark = d.doc.SetMark();
  const std::string before = d.doc.Dump();
  ASSERT_EQ(lineMap->Refresh(), S_OK);
  ASSERT_EQ(lineMap->Refresh(), S_OK);
  ASSERT_EQ(lineProperties->Refresh(), S_OK);
  {
    FailNextCall gate;
    EXPECT_EQ(lineMap->Refresh(), E_FAIL);
  }
  {
    FailNextCall gate;
    EXPECT_EQ(lineProperties->Refresh(), E_FAIL);
  }
  EXPECT_EQ(d.doc.Dump(), before);  // the model is left alone
  ASSERT_EQ(d.doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(ZORWENOptionalAttrMapManagerExt::RefreshCountOf(d.line.get()), 2);
  EXPECT_EQ(ZORWENOptionalAttrMapManagerExt::RefreshCountOf(d.a.get()), 0);
  EXPECT_EQ(d.line->GetMechanicalRefreshCount(), 1);
  EXPECT_EQ(d.a->GetMechanicalRefreshCount(), 0);
}

TEST(InternalChildren, OnlyChildrenMarkedInternalInOrderAndTheMarkIsUndone) {
  EditedDocument d;
  ZORFeature_var first = d.doc.CreatePoint(0, 1, 0, d.line.get());
  ZORFeature_var plain = d.doc.CreatePoint(0, 2, 0, d.line.get());
  ZORFeature_var second = d.doc.CreatePoint(0, 3, 0, d.line.get());
  ZORFeature_var grandChild = d.doc.CreatePoint(0, 4, 0, first.get());
  const int mark = d.doc.SetMark();
  for (auto* f : {first.get(), second.get(), grandChild.get()}) f->SetInternal(true);
  EXPECT_NE(ZORDocument::DumpLine(*first).find(" internal"), std::string::npos);

  ZORListValZORISpecObject_var children;
  children.Append(ZORSpecObjectOf(d.a));  // appended to, not replaced
  const ZORBaseUnknown_var line(d.line.get());
  ASSERT_EQ(ZORGmoMecModServices::GetInternalMechanicalChildren(line, children), S_OK);
  ASSERT_EQ(children.Size(), 3);
  EXPECT_EQ(children[2], ZORSpecObjectOf(first));
  EXPECT_EQ(children[3], ZORSpecObjectOf(second));
  ZORListValZORISpecObject_var none;
  EXPECT_EQ(ZORGmoMecModServices::GetInternalMechanicalChildren(nullptr, none), E_FAIL);

  ASSERT_EQ(d.doc.UndoToMark(mark), S_OK);
  ASSERT_EQ(ZORGmoMecModServices::GetInternalMechanicalChildren(line, none), S_OK);
  EXPECT_EQ(none.Size(), 0);
}

TEST(WENFeatureType, GeometricFeaturesKeepTheirTypeInTheModel) {
  EditedDocument d;
  ZORIWENFeatureType_var type(d.line.get());
  ASSERT_TRUE(type);
  EXPECT_FALSE(ZORIWENFeatureType_var(d.set.get()));
  const int mark = d.doc.SetMark();
  ASSERT_EQ(type->SetFeatureType(ZORIWENFeatureType::kMadeForInput), S_OK);
  EXPECT_EQ(type->SetFeatureType(5), E_INVALIDARG);
  EXPECT_EQ(type->GetFeatureType(), ZORIWENFeatureType::kMadeForInput);
  EXPECT_EQ(ZORIWENFeatureType_var(d.a.get())->GetFeatureType(), ZORIWENFeatureType::kOrdinary);
  EXPECT_NE(ZORDocument::DumpLine(*d.line).find(" wen-type=1"), std::string::npos);

  ASSERT_EQ(d.doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(type->GetFeatureType(), ZORIWENFeatureType::kOrdinary);
}

}  // namespace
