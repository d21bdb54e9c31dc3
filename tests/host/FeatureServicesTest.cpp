#include <gtest/gtest.h>

#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesCCP.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORHostSession.h"
#include "ZORIInputDescription.h"
#include "ZORProtectedSection.h"

namespace {

ZORISpecObject_var AsSpecObject(ZORFeature* f) {
  return ZORISpecObject_var(static_cast<ZORBaseUnknown*>(f));
}

std::vector<std::string> Names(const ZORListValZORISpecObject_var& list) {
  std::vector<std::string> names;
  for (const auto& f : list) names.push_back(f ? f->GetDisplayName().str() : "-");
  return names;
}

class FeatureServices : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    a = doc().CreatePoint(0, 0, 0, set);
    b = doc().CreatePoint(2, 0, 0, set);
    line = doc().CreateFeature("WENLine", set);
    line->SetInput("Start", ZORBaseUnknown_var(a));
    line->SetInput("End", ZORBaseUnknown_var(b));
    ASSERT_EQ(doc().UpdateAll(), 0);
  }
  void TearDown() override { ZORFeatureTypeRegistry::Get().ClearAllFailures(); }

  ZORDocument& doc() { return session.Document(); }

  ZORHostSession session;
  ZORFeature_var set, a, b, line;
};

TEST_F(FeatureServices, DuplicateSpecCopiesWithTheCurrentInputsIntoAContainer) {
  ZORBaseUnknown_var container = ZORGuiBasicUtilitiesServices::GetCurrentContainer();
  ASSERT_TRUE(container);
  ZORISpecObject_var copy = ZORGmoUtilitiesCCP::DuplicateSpec(ZORBaseUnknown_var(line), container);
  ASSERT_TRUE(copy);
  EXPECT_FALSE(copy->GetFather());
  ZORFeature* f = ZORFeature::From(copy.get());
  EXPECT_EQ(ZORDocument::DumpLine(*f),
            "Line.2 [WENLine] Start=Point.1 End=Point.2 => segment(0,0,0)-(2,0,0)");
  EXPECT_EQ(b->GetUsers(), (std::vector<ZORFeature*>{line.get(), f}));

  // Into another document: no inputs there, so nothing up to date either.
  ZORDocument other;
  ZORISpecObject_var away = ZORGmoUtilitiesCCP::DuplicateSpec(
      ZORBaseUnknown_var(a), ZORBaseUnknown_var(other.GetContainer()));
  ASSERT_TRUE(away);
  EXPECT_EQ(ZORFeature::From(away.get())->GetDocument(), &other);
  EXPECT_EQ(ZORGmoUtilitiesServices::Update(ZORBaseUnknown_var(away)), S_OK);
  EXPECT_FALSE(
      ZORGmoUtilitiesCCP::DuplicateSpec(ZORBaseUnknown_var(line), ZORBaseUnknown_var(set)));
  EXPECT_FALSE(ZORGmoUtilitiesCCP::DuplicateSpec(ZORBaseUnknown_var(doc().GetPart()), container));
}

TEST_F(FeatureServices, AttributesLinksAndPointingObjects) {
  ZORISpecAttrAccess_var attributes(line);
  ASSERT_TRUE(attributes);
  EXPECT_FALSE(attributes->GetAttrKey("MultiSelMatrixFeature"));
  ASSERT_EQ(attributes->AddAttribute("MultiSelMatrixFeature", 8, 0), S_OK);
  EXPECT_EQ(attributes->AddAttribute("MultiSelMatrixFeature", 1, 1), S_FALSE);
  ZORSpecAttrKey_var key = attributes->GetAttrKey("MultiSelMatrixFeature");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->GetKind(), 8);
  EXPECT_EQ(key->GetQuality(), 0);

  // A fresh pick has nothing pointing to it; owned by a real feature, it has.
  ZORFeature_var brep = doc().CreateBRep(b);
  ZORISpecAttrAccess_var brepAttributes(brep);
  ZORListValZORISpecObject_var pointing;
  ASSERT_EQ(brepAttributes->ListPointingObjects(pointing), S_OK);
  EXPECT_TRUE(pointing.IsEmpty());
  ASSERT_EQ(brepAttributes->LinkTo("Component", AsSpecObject(line), "Component"), S_OK);
  ASSERT_EQ(brepAttributes->LinkTo("Component", AsSpecObject(line), "Component"), S_OK);
  ASSERT_EQ(brepAttributes->ListPointingObjects(pointing), S_OK);
  EXPECT_EQ(Names(pointing), (std::vector<std::string>{"Line.1"}));
  EXPECT_EQ(ZORGmoUtilitiesServices::RemoveBRep(ZORBaseUnknown_var(brep)), S_FALSE);
  EXPECT_EQ(ZORDocument::DumpLine(*line),
            "Line.1 [WENLine] Start=Point.1 End=Point.2 attr=MultiSelMatrixFeature "
            "Component:BRep.1 => segment(0,0,0)-(2,0,0)");
  pointing.RemoveAll();
  ASSERT_EQ(ZORISpecAttrAccess_var(a)->ListPointingObjects(pointing), S_OK);
  EXPECT_EQ(Names(pointing), (std::vector<std::string>{"Line.1"}));  // not its father

  // Undo takes links and attributes back; the pointing objects follow.
  const int mark = doc().SetMark();
  ZORFeature_var pick = doc().CreateBRep(a);
  ASSERT_EQ(ZORISpecAttrAccess_var(pick)->LinkTo("Component", AsSpecObject(b), "Component"), S_OK);
  ASSERT_EQ(ZORGmoUtilitiesServices::Remove(ZORBaseUnknown_var(line)), S_OK);
  ASSERT_EQ(doc().UndoToMark(mark), S_OK);
  pointing.RemoveAll();
  ASSERT_EQ(brepAttributes->ListPointingObjects(pointing), S_OK);
  EXPECT_EQ(Names(pointing), (std::vector<std::string>{"Line.1"}));
  ZORFeature_var lonely = doc().CreateBRep(a);
  EXPECT_EQ(ZORGmoUtilitiesServices::RemoveBRep(ZORBaseUnknown_var(lonely)), S_OK);
  EXPECT_FALSE(lonely->IsInDocument());
  EXPECT_EQ(ZORGmoUtilitiesServices::RemoveBRep(ZORBaseUnknown_var(a)), E_FAIL);
}

TEST_F(FeatureServices, ScansListUsersWithTheFatherAndAncestorsFromTheFeature) {
  ZORListValZORISpecObject_var list;
  ASSERT_EQ(ZORISpecScan_var(a)->ListUsers(list), S_OK);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Geometrical Set.1", "Line.1"}));
  list.RemoveAll();
  ASSERT_EQ(ZORISpecScan_var(line)->ListAncestors(list), S_OK);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Line.1", "Geometrical Set.1", "Part.1"}));
}

TEST_F(FeatureServices, TransformationsComputeAndAreSubTypesOfOneKind) {
  auto translate = doc().CreateFeature("WENTranslate", set);
  translate->SetInput("Element", ZORBaseUnknown_var(b));
  translate->SetInput("Direction", ZORBaseUnknown_var(line));
  translate->SetValue("Distance", 3);
  auto rotate = doc().CreateFeature("WENRotate", set);
  rotate->SetInput("Element", ZORBaseUnknown_var(doc().CreatePoint(1, 1, 0, set)));
  rotate->SetInput("Axis", ZORBaseUnknown_var(line));
  rotate->SetValue("Angle", 90);
  auto project = doc().CreateFeature("WENProject", set);
  auto c = doc().CreatePoint(0, 2, 0, set);
  auto plane = doc().CreateFeature("WENPlane", set);
  plane->SetInput("Point1", ZORBaseUnknown_var(a));
  plane->SetInput("Point2", ZORBaseUnknown_var(b));
  plane->SetInput("Point3", ZORBaseUnknown_var(c));
  project->SetInput("Element", ZORBaseUnknown_var(doc().CreatePoint(1, 1, 4, set)));
  project->SetInput("Support", ZORBaseUnknown_var(plane));
  auto affinity = doc().CreateFeature("WENAffinity", set);
  affinity->SetInput("Element", ZORBaseUnknown_var(line));
  affinity->SetInput("Origin", ZORBaseUnknown_var(a));
  affinity->SetValue("RatioX", 2);
  ASSERT_EQ(doc().UpdateAll(), 0);
  EXPECT_EQ(translate->GetResultBody()->Describe(), "point(5,0,0)");
  EXPECT_LT(rotate->GetResultBody()->GetVertices()[0].DistanceTo({1, 0, 1}), 1e-12);
  EXPECT_EQ(project->GetResultBody()->Describe(), "point(1,1,0)");
  EXPECT_EQ(affinity->GetResultBody()->Describe(), "segment(0,0,0)-(4,0,0)");

  EXPECT_TRUE(ZORIWENTranslate_var(translate)->GetDirection() == AsSpecObject(line));
  EXPECT_TRUE(ZORIWENRotate_var(rotate)->GetAxis() == AsSpecObject(line));
  EXPECT_TRUE(ZORIWENProject_var(project)->GetSupport() == AsSpecObject(plane));
  EXPECT_FALSE(ZORIWENProject_var(project)->GetDirection());
  EXPECT_TRUE(ZORIWENAffinity_var(affinity)->GetOrigin() == AsSpecObject(a));
  EXPECT_FALSE(ZORIWENRotate_var(translate));
  for (const auto& f : {translate, rotate, project, affinity}) {
    EXPECT_TRUE(AsSpecObject(f)->IsSubTypeOf("WENTransformation"));
  }
  EXPECT_FALSE(AsSpecObject(line)->IsSubTypeOf("WENTransformation"));

  // A direction parallel to the support cannot project.
  project->SetInput("Direction", ZORBaseUnknown_var(line));
  EXPECT_EQ(doc().UpdateAll(), 1);
  EXPECT_TRUE(project->IsInError());
}

TEST_F(FeatureServices, ParametersMechanicalStateAndContext) {
  ZORFeature_var parameter = doc().CreateParameter("Length", "Longueur", 12.5);
  ZORICkeParm_var parm(parameter);
  ASSERT_TRUE(parm);
  EXPECT_EQ(parm->GetMagnitude(), "Longueur");
  EXPECT_EQ(parm->GetStoredValue(), 12.5);
  ASSERT_EQ(parm->SetAccess(1), S_OK);
  EXPECT_EQ(parm->Rename(ZORUnicodeString("Length##1##")), E_FAIL);  // locked
  EXPECT_EQ(parm->Valuate(3), E_FAIL);
  ASSERT_EQ(parm->SetAccess(4), S_OK);
  ASSERT_EQ(parm->Rename(ZORUnicodeString("Length##1##")), S_OK);
  EXPECT_EQ(parm->GetParmName(), "Length##1##");

  // An inactive feature has no result and its users fail; activated again, all is well.
  ZORIMechanicalProperties_var properties(a);
  ASSERT_EQ(properties->Deactivate(), S_OK);
  EXPECT_EQ(doc().UpdateAll(), 1);
  EXPECT_TRUE(line->IsInError());
  EXPECT_FALSE(a->GetResultBody());
  EXPECT_EQ(ZORDocument::DumpLine(*a), "Point.1 [WENPoint] X=0 Y=0 Z=0 inactive");
  ASSERT_EQ(properties->Activate(), S_OK);
  EXPECT_EQ(doc().UpdateAll(), 0);

  ZORIMechanicalFeature_var mechanical(line);
  ASSERT_EQ(mechanical->SetMechanicalOwner(ZORIMechanicalFeature_var(set)), S_OK);
  EXPECT_TRUE(mechanical->GetMechanicalOwner() == AsSpecObject(set));
  EXPECT_EQ(mechanical->SetMechanicalOwner(mechanical), E_FAIL);

  ZORIMmiContextualManager_var context(b);
  EXPECT_FALSE(context->GetContext());
  ASSERT_EQ(context->SetContextual(1), S_OK);
  EXPECT_TRUE(context->GetContext() == AsSpecObject(set));
  ZORListValZORISpecObject_var children;
  ASSERT_EQ(ZORINavigateObject_var(set)->GetChildren(children), S_OK);
  EXPECT_EQ(children.Size(), 3);

  ZORIPrtManagement_var management(doc().GetPart());
  ASSERT_EQ(management->SetInWorkObject(AsSpecObject(line)), S_OK);
  EXPECT_TRUE(management->GetInWorkObject() == AsSpecObject(line));
}

TEST_F(FeatureServices, BRepFeaturesRelateLikeRepicksAndBodiesAnswerTheirKind) {
  ZORFeature_var first = doc().CreateBRep(line);
  ZORFeature_var again = doc().CreateBRep(line);
  ZORFeature_var other = doc().CreateBRep(a);
  ZORIMfBRep_var brep(first);
  EXPECT_TRUE(brep->IsRelatedTo(ZORBaseUnknown_var(again)));
  EXPECT_FALSE(brep->IsRelatedTo(ZORBaseUnknown_var(other)));
  EXPECT_FALSE(brep->IsRelatedTo(ZORBaseUnknown_var(line)));
  EXPECT_TRUE(brep->GetSupport() == AsSpecObject(line));
  EXPECT_TRUE(ZORIGeometricalElement_var(first)->GetDesignatedFeature() == AsSpecObject(line));
  EXPECT_EQ(brep->GetBRepDimension(), 1);

  EXPECT_EQ(ZORGmoUtilitiesBody::GetGeometryType(ZORBaseUnknown_var(line)), 3);
  EXPECT_EQ(ZORGmoUtilitiesBody::GetGeometryType(ZORBaseUnknown_var(a)), 1);
  EXPECT_TRUE(ZORIMfMonoDimResult_var(line));
  EXPECT_FALSE(ZORIMfBiDimResult_var(line));
  EXPECT_EQ(ZORGmoUtilitiesBody::IsInfinite(ZORBaseUnknown_var(line)), 0);

  // A feature in error gives no body: raised inside a protected section, null outside.
  ZORFeatureTypeRegistry::Get().Find("WENLine")->FailFor({b.get()}, "Broken");
  b->SetValue("X", 4);
  EXPECT_EQ(doc().UpdateAll(), 1);
  EXPECT_FALSE(ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(line)));
  ZORException* caught =
      ZORProtect([&] { ZORGmoUtilitiesBody::IsInfinite(ZORBaseUnknown_var(line)); });
  ASSERT_TRUE(caught);
  ZORError* error = ZORError::Cast(caught);
  ASSERT_TRUE(error);
  error->Release();
}

TEST_F(FeatureServices, ShapeBodiesGroupInputsAndTheWorkingDocument) {
  auto shape = doc().CreateTool("ShapeBody");
  auto inside = doc().CreatePoint(0, 0, 0, shape);
  EXPECT_EQ(ZORGmoUtilitiesServices::IsFeatureInShapeBody(ZORBaseUnknown_var(inside)), 1);
  EXPECT_EQ(ZORGmoUtilitiesServices::IsFeatureInShapeBody(ZORBaseUnknown_var(a)), 0);
  ASSERT_EQ(ZORGmoUtilitiesServices::ManageAsGroupInput(ZORBaseUnknown_var(inside)), S_OK);
  EXPECT_TRUE(inside->IsGroupInput());

  ZORIWENFactory_var factory = ZORGuiBasicUtilitiesServices::GetCurrentWENFactory();
  ASSERT_TRUE(factory);
  EXPECT_TRUE(factory->GetFactoryContainer() == ZORBaseUnknown_var(doc().GetContainer()));
  ZORDocument other("Other");
  ASSERT_EQ(ZORGuiBasicUtilitiesServices::SetWorkingPath(
                other.GivePathElementFrom(ZORBaseUnknown_var(other.GetPart()))),
            S_OK);
  EXPECT_TRUE(ZORGuiBasicUtilitiesServices::GetCurrentContainer() ==
              ZORBaseUnknown_var(other.GetContainer()));
  EXPECT_EQ(ZORGuiBasicUtilitiesServices::SetWorkingPath(
                doc().GivePathElementFrom(ZORBaseUnknown_var(a))),
            E_FAIL);
  ASSERT_EQ(ZORGuiBasicUtilitiesServices::SetWorkingPath(ZORPathElement()), S_OK);
  EXPECT_TRUE(ZORGuiBasicUtilitiesServices::GetCurrentContainer() ==
              ZORBaseUnknown_var(doc().GetContainer()));
}

}  // namespace

namespace {

TEST_F(FeatureServices, InputDescriptionsTellCreationFromModification) {
  ZORIInputDescription_var lineDescription(AsSpecObject(line.get()));
  ASSERT_TRUE(lineDescription);
  int type = -1;
  ASSERT_EQ(lineDescription->GetFeatureType(type), S_OK);
  EXPECT_EQ(type, 0);
  ZORListValZORBaseUnknown_var inputs;
  ASSERT_EQ(lineDescription->GetListOfInputs(inputs), S_OK);
  ASSERT_EQ(inputs.Size(), 2);
  EXPECT_TRUE(ZORIsSameObject(inputs[1].get(), a.get()));
  EXPECT_TRUE(ZORIsSameObject(inputs[2].get(), b.get()));

  ZORFeature_var moved = doc().CreateFeature("WENTranslate", set);
  ZORIInputDescription_var movedDescription(AsSpecObject(moved.get()));
  ASSERT_EQ(movedDescription->GetFeatureType(type), S_OK);
  EXPECT_EQ(type, 1);
  ZORBaseUnknown_var main;
  EXPECT_EQ(movedDescription->GetMainInput(main), E_FAIL);  // nothing to move yet
  EXPECT_FALSE(main);
  moved->SetInput("Element", ZORBaseUnknown_var(a));
  ASSERT_EQ(movedDescription->GetMainInput(main), S_OK);
  EXPECT_TRUE(ZORIsSameObject(main.get(), a.get()));
}

}  // namespace
