#include <gtest/gtest.h>

#include "ZORDocument.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesWENTool.h"
#include "ZORIPrtProceduralView.h"
#include "ZORIWENProceduralView.h"
#include "ZORSpecObjectOf.h"

namespace {

class InsertionServices : public ::testing::Test {
 protected:
  InsertionServices() { ZORFrmEditor::SetCurrentEditor(editor.get()); }
  ~InsertionServices() override { ZORFrmEditor::SetCurrentEditor(nullptr); }

  // The names of the children of `father`, in order.
  static std::string Children(const ZORFeature_var& father) {
    std::string names;
    for (const auto& child : father->GetChildren()) names += child->GetDisplayNameText() + " ";
    return names;
  }
  ZORISpecObject_var Current() { return ZORGmoUtilitiesWENTool::GetCurrentFeature(doc.GetPart()); }

  ZORDocument doc;
  ZORVar<ZORFrmEditor> editor = ZORMake<ZORFrmEditor>(&doc);
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var a = doc.CreatePoint(0, 0, 0, set);
  ZORFeature_var b = doc.CreatePoint(1, 0, 0, set);
  ZORFeature_var fresh = doc.CreatePoint(2, 0, 0);
};

TEST_F(InsertionServices, ProceduralViewsSuitTheirKinds) {
  ZORFeature_var sketch = doc.CreateFeature("Sketch");
  ZORFeature_var multiSel = doc.CreateFeature("WENMultiSel");
  EXPECT_TRUE(ZORIPrtProceduralView_var(ZORSpecObjectOf(fresh)));
  EXPECT_TRUE(ZORIWENProceduralView_var(ZORSpecObjectOf(fresh)));
  EXPECT_TRUE(ZORIWENProceduralView_var(ZORSpecObjectOf(multiSel)));
  // A sketch is placed in the tree but is no wireframe feature; tools and the part are neither.
  EXPECT_TRUE(ZORIPrtProceduralView_var(ZORSpecObjectOf(sketch)));
  EXPECT_FALSE(ZORIWENProceduralView_var(ZORSpecObjectOf(sketch)));
  EXPECT_FALSE(ZORIPrtProceduralView_var(ZORSpecObjectOf(set)));
  EXPECT_FALSE(ZORIWENProceduralView_var(ZORBaseUnknown_var(doc.GetPart())));
}

TEST_F(InsertionServices, ThePartViewInsertsAfterTheCurrentBranchAndMakesTheFeatureCurrent) {
  // The current feature is a point made for a line: the new feature goes after the line.
  ZORFeature_var line = doc.CreateFeature("WENLine", set.get());
  ZORFeature_var contextual = doc.CreatePoint(5, 5, 5, line.get());
  set->AddChild(ZORSpecObjectOf(line), 2);  // Point.1 Line.1 Point.2
  editor->SetCurrentFeature(contextual.get());
  ZORIPrtProceduralView_var view(ZORSpecObjectOf(fresh));
  ASSERT_EQ(view->InsertInProceduralView(), S_OK);
  EXPECT_EQ(Children(set), "Point.1 Line.1 Point.3 Point.2 ");
  EXPECT_EQ(Current().get(), ZORSpecObjectOf(fresh).get());

  // A current tool takes the feature last; without a current feature there is no place.
  ZORFeature_var other = doc.CreatePoint(3, 3, 3);
  editor->SetCurrentFeature(set.get());
  EXPECT_EQ(ZORIPrtProceduralView_var(ZORSpecObjectOf(other))->InsertInProceduralView(), S_OK);
  EXPECT_EQ(set->GetChildren().back().get(), other.get());
  ZORFeature_var lost = doc.CreatePoint(4, 4, 4);
  editor->SetCurrentFeature(nullptr);
  EXPECT_EQ(ZORIPrtProceduralView_var(ZORSpecObjectOf(lost))->InsertInProceduralView(), E_FAIL);
  EXPECT_EQ(lost->GetFatherFeature(), nullptr);
}

TEST_F(InsertionServices, TheWireframeViewPlacesAroundTheReferenceItsTargetHolds) {
  ZORIDescendants_var target(ZORSpecObjectOf(set));
  auto insert = [&](const ZORFeature_var& f, int position, const ZORFeature_var& reference) {
    return ZORIWENProceduralView_var(ZORSpecObjectOf(f))
        ->InsertInProceduralView(target, position, ZORSpecObjectOf(reference));
  };
  ASSERT_EQ(insert(fresh, ZORIWENProceduralView::kBefore, b), S_OK);
  EXPECT_EQ(Children(set), "Point.1 Point.3 Point.2 ");
  ZORFeature_var after = doc.CreatePoint(9, 9, 9);
  ASSERT_EQ(insert(after, ZORIWENProceduralView::kAfter, a), S_OK);
  EXPECT_EQ(Children(set), "Point.1 Point.4 Point.3 Point.2 ");
  EXPECT_EQ(Current().get(), ZORSpecObjectOf(after).get());
  // A reference the target does not hold counts as none: last, or first.
  ZORFeature_var elsewhere = doc.CreatePoint(7, 7, 7);
  ZORFeature_var last = doc.CreatePoint(8, 8, 8);
  ZORFeature_var first = doc.CreatePoint(6, 6, 6);
  ASSERT_EQ(insert(last, ZORIWENProceduralView::kAfter, elsewhere), S_OK);
  ASSERT_EQ(insert(first, ZORIWENProceduralView::kBefore, ZORFeature_var()), S_OK);
  EXPECT_EQ(Children(set), "Point.7 Point.1 Point.4 Point.3 Point.2 Point.6 ");
  EXPECT_EQ(ZORIWENProceduralView_var(ZORSpecObjectOf(elsewhere))
                ->InsertInProceduralView(ZORIDescendants_var(), 1, nullptr),
            E_FAIL);
}

TEST_F(InsertionServices, TheCurrentToolPassesOverWhatIsNoPlaceForNewFeatures) {
  editor->SetCurrentFeature(b.get());
  auto tool = [&](int setOnly, int create) {
    return ZORGmoUtilitiesWENTool::GetCurrentWENTool(doc.GetContainer(), setOnly, create, 1);
  };
  EXPECT_EQ(tool(1, 0).get(), ZORSpecObjectOf(set).get());

  // In a body, only a geometrical set will do: a new one is made and becomes current.
  ZORFeature_var body = doc.CreateTool("Body");
  ZORFeature_var solidPoint = doc.CreatePoint(0, 0, 1, body.get());
  editor->SetCurrentFeature(solidPoint.get());
  EXPECT_EQ(tool(0, 0).get(), ZORSpecObjectOf(body).get());
  EXPECT_FALSE(tool(1, 0));
  ZORISpecObject_var created = tool(1, 1);
  ASSERT_TRUE(created);
  EXPECT_EQ(created->GetType(), ZORString("GeometricalSet"));
  EXPECT_EQ(created->GetFather().get(), ZORBaseUnknown_var(doc.GetPart()).get());
  EXPECT_EQ(Current().get(), created.get());

  // A private set is passed over for the tool above it.
  ZORFeature_var inner = doc.CreateFeature("GeometricalSet", set.get());
  ZORFeature_var innerPoint = doc.CreatePoint(0, 1, 0, inner.get());
  ZORIWENTool_var(ZORSpecObjectOf(inner))->SetPrivate(1);
  editor->SetCurrentFeature(innerPoint.get());
  EXPECT_EQ(tool(1, 0).get(), ZORSpecObjectOf(set).get());
}

TEST_F(InsertionServices, WithoutAnEditorTheCurrentFeatureIsThePartsInWorkObject) {
  ZORFrmEditor::SetCurrentEditor(nullptr);
  ASSERT_EQ(ZORGmoUtilitiesWENTool::SetCurrentFeature(ZORSpecObjectOf(a)), S_OK);
  EXPECT_EQ(ZORIPrtManagement_var(ZORBaseUnknown_var(doc.GetPart()))->GetInWorkObject().get(),
            ZORSpecObjectOf(a).get());
  EXPECT_EQ(ZORIPrtProceduralView_var(ZORSpecObjectOf(fresh))->InsertInProceduralView(), S_OK);
  EXPECT_EQ(Children(set), "Point.1 Point.3 Point.2 ");
}

}  // namespace
