#include <gtest/gtest.h>

#include <cmath>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DLineGP.h"
#include "ZOR3DMarkerGP.h"
#include "ZOR4x4Matrix.h"
#include "ZORFaultGate.h"
#include "ZORGeoFactory.h"
#include "ZORHostSession.h"
#include "ZORI3DGeoVisu.h"
#include "ZORSt3DISO.h"

namespace {

void ExpectNear(const ZORMathPoint& a, const ZORMathPoint& b) {
  EXPECT_NEAR(a.GetX(), b.GetX(), 1e-4);
  EXPECT_NEAR(a.GetY(), b.GetY(), 1e-4);
  EXPECT_NEAR(a.GetZ(), b.GetZ(), 1e-4);
}

// A quarter turn about z, twice as large, moved to (10, 20, 30).
ZOR4x4Matrix TurnScaleShift() {
  return ZOR4x4Matrix({0, 2, 0}, {-2, 0, 0}, {0, 0, 2}, {10, 20, 30});
}

TEST(Matrix4x4, AxesAndOriginAreTheImagesOfTheUnitVectorsAndTheOrigin) {
  const ZOR4x4Matrix m = TurnScaleShift();
  EXPECT_EQ(m.Transform(ZORMathPoint(1, 0, 0)), ZORMathPoint(10, 22, 30));
  EXPECT_EQ(m.Transform(ZORMathPoint(0, 1, 1)), ZORMathPoint(8, 20, 32));
  EXPECT_EQ(m.TransformDirection(ZORMathVector(1, 0, 0)), ZORMathVector(0, 2, 0));  // no shift
  EXPECT_EQ(m.Transform(ZORMathPointf(0, 0, 0)), ZORMathPointf(10, 20, 30));
  EXPECT_EQ(m.Get(0, 1), -2.0f);
  EXPECT_EQ(m.Get(0, 3), 10.0f);
  EXPECT_EQ(m.Get(3, 3), 1.0f);
  EXPECT_EQ(m.Get(3, 0), 0.0f);
  EXPECT_EQ(m.GetAxis(2), ZORMathVectorf(-2, 0, 0));
  EXPECT_EQ(m.GetOrigin(), ZORMathVectorf(10, 20, 30));
  EXPECT_TRUE(ZOR4x4Matrix().IsIdentity());
  EXPECT_FALSE(m.IsIdentity());
  EXPECT_EQ(m.Describe(), "[i=0,2,0 j=-2,0,0 k=0,0,2 o=10,20,30]");
}

TEST(Matrix4x4, TheInverseGivesRoundTripsAndASingularMatrixHasNone) {
  const ZOR4x4Matrix m = TurnScaleShift();
  ZOR4x4Matrix inverse;
  ASSERT_TRUE(m.Inverse(inverse));
  for (const ZORMathPoint& p : {ZORMathPoint(1, 2, 3), ZORMathPoint(-7.5, 0.25, 100)}) {
    ExpectNear(inverse.Transform(m.Transform(p)), p);
    ExpectNear(m.Transform(inverse.Transform(p)), p);
  }
  ExpectNear(inverse.Transform(ZORMathPoint(10, 20, 30)), ZORMathPoint(0, 0, 0));

  const ZOR4x4Matrix flat({1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, 0});
  ZOR4x4Matrix untouched = m;
  EXPECT_FALSE(flat.Inverse(untouched));
  EXPECT_EQ(untouched, m);
}

TEST(Representations, ABagHoldsEachChildOnceAndRefusesCycles) {
  auto outer = ZORMake<ZOR3DBagRep>();
  auto inner = ZORMake<ZOR3DBagRep>();
  auto leaf = ZORMake<ZOR3DCustomRep>();
  ASSERT_EQ(outer->AddChild(inner), S_OK);
  ASSERT_EQ(inner->AddChild(leaf), S_OK);
  EXPECT_EQ(leaf->GetFatherRep(), inner.get());
  EXPECT_EQ(inner->AddChild(leaf), S_FALSE);  // once per bag
  EXPECT_EQ(inner->GetChildCount(), 1);
  EXPECT_EQ(inner->AddChild(outer), E_FAIL);  // an ancestor: a cycle
  EXPECT_EQ(inner->AddChild(inner), E_FAIL);
  EXPECT_EQ(outer->AddChild(nullptr), E_INVALIDARG);
  EXPECT_EQ(outer->RemoveChild(leaf), S_FALSE);  // not its own child

  // One drawing in two bags: each holds it, and each lets go of it alone.
  EXPECT_EQ(outer->AddChild(leaf), S_OK);
  EXPECT_EQ(leaf->GetFatherReps().size(), 2u);
  EXPECT_EQ(leaf->GetRefCount(), 3u);
  auto other = ZORMake<ZOR3DBagRep>();
  ASSERT_EQ(leaf->GetFatherRep(), inner.get());
  EXPECT_EQ(other->AddChild(outer), S_OK);
  EXPECT_EQ(ZORMake<ZOR3DBagRep>()->AddChild(leaf), S_OK);  // a third, gone at once
  EXPECT_EQ(leaf->GetFatherReps().size(), 2u);
  EXPECT_EQ(inner->RemoveChild(leaf), S_OK);
  EXPECT_EQ(leaf->GetFatherRep(), outer.get());
  EXPECT_EQ(outer->GetChildCount(), 2);
  // A cycle through any of the fathers is refused.
  auto lower = ZORMake<ZOR3DBagRep>();
  ASSERT_EQ(inner->AddChild(lower), S_OK);
  EXPECT_EQ(lower->AddChild(other), E_FAIL);

  // A bag that goes lets its children go; one held elsewhere survives, fatherless.
  other = nullptr;
  outer = nullptr;
  EXPECT_EQ(leaf->GetFatherRep(), nullptr);
  EXPECT_EQ(leaf->GetRefCount(), 1u);
  EXPECT_EQ(inner->GetFatherRep(), nullptr);
}

TEST(Representations, DescriptionsShowMatrixPrimitivesAndAttributes) {
  auto bag = ZORMake<ZOR3DBagRep>();
  auto custom = ZORMake<ZOR3DCustomRep>();
  custom->AddGP(std::make_unique<ZOR3DMarkerGP>(ZORMathPointf(1, 2, 3), 5));
  custom->AddGP(std::make_unique<ZOR3DLineGP>(ZORMathPointf(0, 0, 0), ZORMathPointf(1, 0, 0)),
                ZORGraphicAttributeSet(247));
  custom->AddGP(std::make_unique<ZOR3DAnnotationTextGP>(ZORMathPointf(0, 1, 0), "1mm,2mm", 8));
  EXPECT_EQ(custom->AddGP(nullptr), nullptr);
  custom->SetNoPick(true);
  ASSERT_EQ(bag->AddChild(custom), S_OK);
  bag->SetColor(251);
  bag->SetMatrix(ZOR4x4Matrix({1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 5}));
  EXPECT_EQ(bag->Describe(),
            "bag matrix=[i=1,0,0 j=0,1,0 k=0,0,1 o=0,0,5](custom(marker(1,2,3 symbol=5); "
            "line(0,0,0)-(1,0,0) color=247; text(0,1,0 \"1mm,2mm\")) nopick) color=251");
  ASSERT_EQ(custom->GetGPCount(), 3);
  EXPECT_EQ(custom->GetGPAttributes(2)->GetColor(), 247);
  EXPECT_EQ(custom->GetGP(4), nullptr);
  custom->Empty();
  EXPECT_EQ(custom->GetGPCount(), 0);
}

TEST(Representations, ABodyGivesOneRepresentationThatOutlivesItWithoutItsModel) {
  ZORBody_var body = ZORBody::MakePoint({1, 2, 3});
  ZORI3DGeoVisu_var visu(body.get());
  ASSERT_TRUE(visu);
  EXPECT_EQ(visu->GetRep(), nullptr);  // nothing built yet
  ZOR3DRep_var rep = visu->GiveRep();
  ASSERT_TRUE(rep);
  EXPECT_EQ(visu->GiveRep(), rep.get());
  EXPECT_EQ(visu->BuildRep().get(), rep.get());
  EXPECT_EQ(rep->GetModel(), static_cast<ZORBaseUnknown*>(body.get()));
  EXPECT_EQ(rep->Describe(), "point(1,2,3)");
  EXPECT_TRUE(rep->IsAKindOf("ZOR3DGeomRep"));

  visu->UnreferenceRep();
  EXPECT_EQ(rep->GetModel(), nullptr);
  ZOR3DRep_var second = visu->GiveRep();
  EXPECT_NE(second.get(), rep.get());

  visu = nullptr;
  body = nullptr;  // the body goes; its representation stays drawable
  EXPECT_EQ(second->GetModel(), nullptr);
  EXPECT_EQ(second->Describe(), "point(1,2,3)");

  ZORBody_var empty = ZORMake<ZORBody>();
  EXPECT_EQ(ZORI3DGeoVisu_var(empty.get())->GiveRep(), nullptr);
}

TEST(Representations, AFeatureIsDrawnByItsCurrentResultBody) {
  ZORHostSession session;
  ZORDocument& doc = session.Document();
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var point = doc.CreatePoint(1, 2, 3, set);
  ZORI3DGeoVisu_var visu(point.get());
  ASSERT_TRUE(visu);
  EXPECT_EQ(visu->GiveRep(), nullptr);  // not computed: nothing to draw

  ASSERT_EQ(ZORISpecObject_var(point.get())->Update(), S_OK);
  ZOR3DRep* first = visu->GiveRep();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, ZORI3DGeoVisu_var(point->GetResultBody().get())->GiveRep());
  EXPECT_EQ(first->Describe(), "point(1,2,3)");

  point->SetValue("X", 7);
  ASSERT_EQ(ZORISpecObject_var(point.get())->Update(), S_OK);
  ASSERT_NE(visu->GiveRep(), nullptr);
  EXPECT_EQ(visu->GiveRep()->Describe(), "point(7,2,3)");
}

TEST(InteractiveSet, ElementsKeepTheirOrderAndStayAliveWhileShown) {
  auto iso = ZORMake<ZORISO>();
  std::vector<ZORSt3DISO_var> elements;
  for (int i = 0; i < 6; ++i) {
    ZORBody_var body = ZORBody::MakePoint({double(i), 0, 0});
    elements.push_back(ZORMake<ZORSt3DISO>(ZORI3DGeoVisu_var(body.get())->GiveRep()));
    ASSERT_EQ(iso->AddElement(elements.back()), S_OK);
  }
  EXPECT_EQ(iso->AddElement(elements[2]), S_FALSE);
  EXPECT_EQ(iso->RemoveElement(elements[1]), S_OK);
  EXPECT_EQ(iso->RemoveElement(elements[4]), S_OK);
  EXPECT_EQ(iso->RemoveElement(elements[4]), S_FALSE);
  EXPECT_FALSE(iso->IsMember(elements[1]));
  EXPECT_TRUE(iso->IsMember(elements[5]));
  ASSERT_EQ(iso->AddElement(elements[1]), S_OK);  // back, at the end
  EXPECT_EQ(iso->Describe(),
            (std::vector<std::string>{"ZORSt3DISO point(0,0,0)", "ZORSt3DISO point(2,0,0)",
                                      "ZORSt3DISO point(3,0,0)", "ZORSt3DISO point(5,0,0)",
                                      "ZORSt3DISO point(1,0,0)"}));

  ZORSt3DISO* shown = elements[3].get();
  elements.clear();  // the set keeps what it shows
  EXPECT_EQ(shown->GetRefCount(), 1u);
  EXPECT_EQ(iso->UpdateElement(shown), S_OK);
  EXPECT_EQ(iso->GetUpdateCount(), 1);
  EXPECT_EQ(iso->RemoveElement(shown), S_OK);  // and lets it go
  EXPECT_EQ(iso->GetSize(), 4);
  iso->Empty();
  EXPECT_EQ(iso->GetSize(), 0);
  EXPECT_TRUE(iso->GetElements().empty());
}

TEST(InteractiveSet, AFailedAdditionAddsNothingAndOtherObjectsShowTheirClass) {
  auto iso = ZORMake<ZORISO>();
  auto element = ZORMake<ZORSt3DISO>();
  ZORFaultGate::Arm(1);
  EXPECT_EQ(iso->AddElement(element), E_FAIL);
  ZORFaultGate::Disarm();
  EXPECT_FALSE(iso->IsMember(element));
  EXPECT_EQ(iso->AddElement(element), S_OK);
  auto bag = ZORMake<ZOR3DBagRep>();
  EXPECT_EQ(iso->AddElement(bag), S_OK);
  EXPECT_EQ(iso->Describe(), (std::vector<std::string>{"ZORSt3DISO (none)", "ZOR3DBagRep"}));

  // Replacing an element's representation lets go of the old one.
  auto first = ZORMake<ZOR3DCustomRep>();
  element->SetRep(first);
  element->SetRep(ZORMake<ZOR3DBagRep>());
  EXPECT_EQ(first->GetRefCount(), 1u);
  EXPECT_EQ(iso->Describe().front(), "ZORSt3DISO bag()");
}

TEST(GeoFactory, TheDocumentsContainerGivesOneFactoryWhoseBodiesCanBeRemoved) {
  ZORHostSession session;
  ZORDocument& doc = session.Document();
  ZORGeoFactory_var factory = ZORGeoFactory::GetFactoryOf(doc.GetContainer());
  ASSERT_TRUE(factory);
  EXPECT_EQ(ZORGeoFactory::GetFactoryOf(doc.GetContainer()), factory);
  EXPECT_FALSE(ZORGeoFactory::GetFactoryOf(doc.GetPart()));
  EXPECT_FALSE(ZORGeoFactory::GetFactoryOf(nullptr));

  ZORBody_var a = factory->CreatePoint({1, 0, 0});
  ZORBody_var b = factory->CreateSegment({0, 0, 0}, {1, 1, 1});
  ZORBody_var c = factory->CreatePlane(ZORMathPlane());
  ZORBody_var stranger = ZORBody::MakePoint({0, 0, 0});
  EXPECT_TRUE(factory->IsInFactory(b));
  EXPECT_FALSE(factory->IsInFactory(stranger));
  EXPECT_EQ(factory->Remove(stranger), S_FALSE);
  EXPECT_EQ(factory->GetBodyCount(), 3);

  EXPECT_EQ(factory->Remove(b), S_OK);
  EXPECT_FALSE(factory->IsInFactory(b));
  EXPECT_EQ(factory->Remove(b), S_FALSE);
  EXPECT_EQ(b->GetRefCount(), 1u);  // the factory let go; the caller's handle keeps it
  EXPECT_EQ(factory->GetBodies(), (std::vector<ZORBody*>{a.get(), c.get()}));

  EXPECT_EQ(factory->AddBody(stranger), S_OK);
  EXPECT_EQ(factory->AddBody(stranger), S_FALSE);
  EXPECT_EQ(factory->GetBodies().back(), stranger.get());
}

TEST(GeoFactory, FailuresLeaveTheFactoryAsItWas) {
  ZORHostSession session;
  ZORGeoFactory_var factory = ZORGeoFactory::GetFactoryOf(session.Document().GetContainer());
  ASSERT_TRUE(factory);
  ZORBody_var kept = factory->CreatePoint({0, 0, 0});
  ZORFaultGate::Arm(1);
  EXPECT_EQ(factory->Remove(kept), E_FAIL);
  EXPECT_TRUE(factory->IsInFactory(kept));
  ZORFaultGate::Arm(1);
  EXPECT_FALSE(factory->CreatePoint({1, 1, 1}));
  ZORFaultGate::Arm(1);
  EXPECT_FALSE(ZORGeoFactory::GetFactoryOf(session.Document().GetContainer()));
  ZORFaultGate::Disarm();
  EXPECT_EQ(factory->GetBodyCount(), 1);

  factory->SetModelSize(-5);
  EXPECT_EQ(factory->GetModelSize(), 1000000.0);
  factory->SetModelSize(250);
  EXPECT_EQ(factory->GetModelSize(), 250.0);
}

TEST(InPlaceSite, TheEditorHoldsTheSiteWhoseTransformationMapsItsCoordinates) {
  ZORHostSession session;
  ZORFrmEditor& editor = session.Editor();
  EXPECT_EQ(editor.GetInPlaceSite(), nullptr);
  auto site = ZORMake<ZORInPlace3DSite>(ZORMathTransformation::Translation({0, 0, 10}));
  editor.SetInPlaceSite(site);
  ZORInPlace3DSite* held = site.get();
  site = nullptr;
  ASSERT_EQ(editor.GetInPlaceSite(), held);
  EXPECT_EQ(held->GetTransformation().Apply(ZORMathPoint(1, 1, 1)), ZORMathPoint(1, 1, 11));
  editor.SetInPlaceSite(nullptr);
  EXPECT_EQ(editor.GetInPlaceSite(), nullptr);
}

}  // namespace
