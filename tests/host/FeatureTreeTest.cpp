#include <gtest/gtest.h>

#include "ZORBaseExtension.h"
#include "ZORDocument.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORInterfaceDictionary.h"

namespace {

class FeatureTree : public ::testing::Test {
 protected:
  ZORDocument doc{"Tree"};
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var body = doc.CreateTool("Body");

  static ZORISpecObject_var SpecObject(ZORFeature* f) { return ZORISpecObject_var(f); }
  static ZORIDescendants_var Children(ZORFeature* f) { return ZORIDescendants_var(f); }
  static std::vector<std::string> Names(ZORFeature* father) {
    std::vector<std::string> names;
    for (const auto& child : father->GetChildren()) names.push_back(child->GetDisplayNameText());
    return names;
  }
};

TEST_F(FeatureTree, DisplayNamesAreUniquePerPartAndCountByKind) {
  auto p1 = doc.CreatePoint(0, 0, 0, set);
  auto p2 = doc.CreatePoint(1, 0, 0, set);
  auto line = doc.CreateFeature("WENLine", set);
  EXPECT_EQ(p1->GetDisplayNameText(), "Point.1");
  EXPECT_EQ(p2->GetDisplayNameText(), "Point.2");
  EXPECT_EQ(line->GetDisplayNameText(), "Line.1");
  EXPECT_EQ(set->GetDisplayNameText(), "Geometrical Set.1");
  EXPECT_EQ(ZORGmoUtilitiesServices::GetSpecDisplayName(ZORBaseUnknown_var(p2)), "Point.2");
  EXPECT_EQ(doc.FindByName("Point.2"), p2.get());

  // Another document counts on its own.
  ZORDocument other;
  EXPECT_EQ(other.CreatePoint(0, 0, 0)->GetDisplayNameText(), "Point.1");
  EXPECT_FALSE(doc.CreateFeature("NoSuchType"));
}

TEST_F(FeatureTree, ChildrenByPositionInsertRemoveReplace) {
  auto a = doc.CreatePoint(0, 0, 0, set);
  auto b = doc.CreatePoint(1, 0, 0, set);
  auto c = doc.CreatePoint(2, 0, 0);
  ZORIDescendants_var d = Children(set);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->AddChild(SpecObject(c), 1), S_OK);
  EXPECT_EQ(Names(set), (std::vector<std::string>{"Point.3", "Point.1", "Point.2"}));
  EXPECT_EQ(d->GetNumberOfChildren(), 3);
  EXPECT_TRUE(d->GetChildAtPosition(2) == SpecObject(a));
  EXPECT_FALSE(d->GetChildAtPosition(4));
  EXPECT_EQ(d->GetPosition(SpecObject(b)), 3);
  EXPECT_EQ(d->GetPosition(SpecObject(body)), 0);
  EXPECT_EQ(d->AddChild(SpecObject(doc.CreatePoint(0, 0, 1)), 6), E_INVALIDARG);

  // Later children move down after a removal at position 1.
  EXPECT_EQ(d->RemoveChildAtPosition(1), S_OK);
  EXPECT_EQ(d->GetPosition(SpecObject(a)), 1);
  EXPECT_FALSE(SpecObject(c)->GetFather());
  EXPECT_TRUE(c->IsInDocument());  // out of the tree, still in the document

  EXPECT_EQ(d->ReplaceChild(SpecObject(a), SpecObject(c)), S_OK);
  EXPECT_EQ(Names(set), (std::vector<std::string>{"Point.3", "Point.2"}));
  EXPECT_FALSE(SpecObject(a)->GetFather());
  EXPECT_EQ(d->RemoveChild(SpecObject(a)), E_FAIL);  // not a child any more

  ZORListValZORISpecObject_var list;
  d->GetDirectChildren(list);
  ASSERT_EQ(list.Size(), 2);
  EXPECT_TRUE(list[1] == SpecObject(c));
}

TEST_F(FeatureTree, AddingAChildThatHasAFatherMovesIt) {
  auto a = doc.CreatePoint(0, 0, 0, set);
  auto b = doc.CreatePoint(1, 0, 0, set);
  ASSERT_EQ(Children(body)->AddChild(SpecObject(a)), S_OK);
  EXPECT_EQ(Names(set), (std::vector<std::string>{"Point.2"}));
  EXPECT_TRUE(SpecObject(a)->GetFather() == SpecObject(body));

  // Within the same father, the position is the final one.
  auto c = doc.CreatePoint(2, 0, 0, set);
  ASSERT_EQ(Children(set)->AddChild(SpecObject(c), 1), S_OK);
  EXPECT_EQ(Names(set), (std::vector<std::string>{"Point.3", "Point.2"}));
  ASSERT_EQ(Children(set)->AddChild(SpecObject(c), 2), S_OK);
  EXPECT_EQ(Names(set), (std::vector<std::string>{"Point.2", "Point.3"}));
  EXPECT_EQ(Children(set)->AddChild(SpecObject(c), 3), E_INVALIDARG);
}

TEST_F(FeatureTree, RefusesCyclesForeignFeaturesAndThePart) {
  auto inner = doc.CreateFeature("GeometricalSet", set);
  auto deeper = doc.CreateFeature("GeometricalSet", inner);
  EXPECT_EQ(Children(deeper)->AddChild(SpecObject(set)), E_FAIL);
  EXPECT_EQ(Children(set)->AddChild(SpecObject(set)), E_FAIL);
  EXPECT_EQ(Children(set)->AddChild(SpecObject(doc.GetPart())), E_FAIL);
  ZORDocument other;
  EXPECT_EQ(Children(set)->AddChild(SpecObject(other.CreatePoint(0, 0, 0))), E_FAIL);

  EXPECT_TRUE(Children(set)->IsDescendant(ZORBaseUnknown_var(deeper)));
  EXPECT_FALSE(Children(inner)->IsDescendant(ZORBaseUnknown_var(set)));
  EXPECT_FALSE(Children(set)->IsDescendant(ZORBaseUnknown_var(set)));
}

TEST_F(FeatureTree, FeaturesOfAKindOfferOnlyTheirInterfaces) {
  auto point = doc.CreatePoint(0, 0, 0, set);
  auto shape = doc.CreateTool("ShapeBody");
  EXPECT_TRUE(ZORISpecObject_var(point));
  EXPECT_TRUE(ZORIMfPoint_var(point));
  EXPECT_TRUE(ZORIPointGraphicProperties_var(point));
  EXPECT_TRUE(ZORIDescendants_var(point));  // it may aggregate contextual features
  EXPECT_FALSE(ZORIMfLine_var(point));
  EXPECT_FALSE(ZORILineicGraphicProperties_var(point));
  EXPECT_FALSE(ZORIBasicTool_var(point));
  EXPECT_TRUE(ZORIBasicTool_var(set));
  EXPECT_EQ(ZORIBasicTool_var(set)->IsGeometricalSet(), 1);
  EXPECT_EQ(ZORIBasicTool_var(body)->IsGeometricalSet(), 0);
  EXPECT_FALSE(ZORIBasicTool_var(shape));
  EXPECT_TRUE(ZORIDescendants_var(shape));
  EXPECT_FALSE(ZORIUpdateError_var(set));

  // A handle taken through another interface of the same feature is the same object.
  ZORIVisProperties_var vis{ZORISpecObject_var(point)};
  EXPECT_TRUE(vis == point);

  // Part and container lead to each other.
  ZORIPrtContainer_var container(ZORISpecObject_var(point)->GetFeatContainer());
  ASSERT_TRUE(container);
  EXPECT_TRUE(container->GetPart() == ZORBaseUnknown_var(doc.GetPart()));
  EXPECT_FALSE(ZORISpecObject_var(doc.GetContainer()));
  EXPECT_TRUE(ZORIPrtPart_var(doc.GetPart())->GetPartContainer() == container);
  EXPECT_TRUE(SpecObject(point)->GetImplementation() == point);
}

class TestDirectionMark : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(TestDirectionMark)
  virtual std::string Owner() = 0;
};

class TestDirectionExt : public ZORBaseExtension, public TestDirectionMark {
  ZOR_DECLARE_CLASS(TestDirectionExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Test")
  ZOR_IMPLEMENTS(ZORBaseExtension, TestDirectionMark)
  std::string Owner() override {
    return ZORISpecObject_var(GetExtendedObject())->GetDisplayName().str();
  }
};

// Two types registered as each other's base: the sub-type test answers instead of walking the
// loop for ever.
TEST_F(FeatureTree, ATypeChainThatLoopsStillAnswers) {
  ZORFeatureTypeRegistry& types = ZORFeatureTypeRegistry::Get();
  for (const auto& [name, base] :
       {std::pair{"TestLoopA", "TestLoopB"}, {"TestLoopB", "TestLoopA"}}) {
    ZORFeatureType::Description loop;
    loop.name = name;
    loop.displayBase = name;
    loop.baseType = base;
    ASSERT_TRUE(types.Register(std::move(loop)));
  }
  EXPECT_TRUE(types.IsSubTypeOf("TestLoopA", "TestLoopB"));
  EXPECT_FALSE(types.IsSubTypeOf("TestLoopA", "WENPoint"));
  EXPECT_TRUE(types.IsSubTypeOf(*types.Find("TestLoopA"), "TestLoopB"));
  EXPECT_FALSE(types.IsSubTypeOf(*types.Find("TestLoopA"), "WENPoint"));
}

// A type whose base is registered after it: named, the base already counts; registered, the
// base's own chain counts too, although the type was asked about before.
TEST_F(FeatureTree, ABaseTypeRegisteredLaterJoinsTheChain) {
  ZORFeatureTypeRegistry& types = ZORFeatureTypeRegistry::Get();
  const auto describe = [](const char* name, const char* base) {
    ZORFeatureType::Description type;
    type.name = name;
    type.displayBase = name;
    type.baseType = base;
    return type;
  };
  ASSERT_TRUE(types.Register(describe("TestLateChild", "TestLateBase")));
  const ZORFeatureType& child = *types.Find("TestLateChild");
  EXPECT_TRUE(types.IsSubTypeOf(child, "TestLateBase"));
  EXPECT_FALSE(types.IsSubTypeOf(child, "GeometricalElement3D"));
  ASSERT_TRUE(types.Register(describe("TestLateBase", "GeometricalElement3D")));
  EXPECT_TRUE(types.IsSubTypeOf(child, "GeometricalElement3D"));
  EXPECT_TRUE(types.IsSubTypeOf(child, "TestLateChild"));
  EXPECT_FALSE(types.IsSubTypeOf(child, "WENPoint"));
}

TEST_F(FeatureTree, LateTypeIsTheFeatureTypeSoExtensionsAttachByKind) {
  ZORFillDictionary({"TestDirectionExt", "TestDirectionMark", TestDirectionMark::ClassIID(),
                     "WENLine", &ZORExtensionCreator<TestDirectionExt>});
  auto line = doc.CreateFeature("WENLine", set);
  auto point = doc.CreatePoint(0, 0, 0, set);
  EXPECT_EQ(line->GetLateType(), "WENLine");
  EXPECT_EQ(SpecObject(line)->GetType(), "WENLine");
  EXPECT_TRUE(SpecObject(line)->IsSubTypeOf("GeometricalElement3D"));
  EXPECT_FALSE(SpecObject(line)->IsSubTypeOf("WENPoint"));
  ZORVar<TestDirectionMark> mark(SpecObject(line));
  ASSERT_TRUE(mark);
  EXPECT_EQ(mark->Owner(), "Line.1");
  EXPECT_TRUE(mark == line);
  EXPECT_FALSE(ZORVar<TestDirectionMark>(point));
  ZORRemoveFromDictionary("TestDirectionExt");
}

TEST_F(FeatureTree, RemovalTakesTheSubtreeOutAndUsersGoOutOfDate) {
  auto inner = doc.CreateFeature("GeometricalSet", set);
  auto a = doc.CreatePoint(0, 0, 0, inner);
  auto b = doc.CreatePoint(1, 0, 0, set);
  auto line = doc.CreateFeature("WENLine", body);
  ASSERT_EQ(line->SetInput("Start", ZORBaseUnknown_var(a)), S_OK);
  ASSERT_EQ(line->SetInput("End", ZORBaseUnknown_var(b)), S_OK);
  ASSERT_EQ(doc.UpdateAll(), 0);
  EXPECT_EQ(a->GetUsers(), std::vector<ZORFeature*>{line.get()});

  ASSERT_EQ(ZORGmoUtilitiesServices::Remove(ZORBaseUnknown_var(inner)), S_OK);
  EXPECT_FALSE(inner->IsInDocument());
  EXPECT_FALSE(a->IsInDocument());
  EXPECT_EQ(doc.FindByName("Point.1"), nullptr);
  EXPECT_FALSE(line->IsUpToDate());
  EXPECT_EQ(SpecObject(line)->Update(), E_FAIL);
  EXPECT_NE(line->GetUpdateError()->GetDiagnostic().str().find("Start (Point.1) was deleted"),
            std::string::npos);
  EXPECT_EQ(LifeCycleObject_var(ZORBaseUnknown_var(a))->remove(0), E_FAIL);  // already out
  EXPECT_FALSE(LifeCycleObject_var(doc.GetPart()));
  EXPECT_FALSE(doc.GivePathElementFrom(ZORBaseUnknown_var(a)).IsSet());
}

TEST_F(FeatureTree, AFeatureOutlivingItsDocumentAndFatherStaysUsable) {
  ZORFeature_var point;
  {
    ZORDocument shortLived;
    auto tool = shortLived.CreateTool("GeometricalSet");
    point = shortLived.CreatePoint(1, 2, 3, tool);
  }
  EXPECT_EQ(point->GetDocument(), nullptr);
  EXPECT_FALSE(ZORISpecObject_var(point)->GetFather());
  EXPECT_FALSE(ZORISpecObject_var(point)->GetFeatContainer());
  EXPECT_EQ(ZORIModelEvents_var(point)->Dispatch(nullptr), E_INVALIDARG);
  EXPECT_EQ(ZORISpecObject_var(point)->Update(), E_FAIL);
}

TEST_F(FeatureTree, PositionsStayRightThroughRemovalsFromTheFrontAndInsertionsBetween) {
  std::vector<ZORFeature_var> points;
  for (int i = 0; i < 12; ++i) points.push_back(doc.CreatePoint(i, 0, 0, set));
  ZORIDescendants_var d = Children(set);
  // Emptied from the front one by one, as a command clears a list, with insertions in between.
  for (int i = 0; i < 4; ++i) ASSERT_EQ(d->RemoveChildAtPosition(1), S_OK);
  ASSERT_EQ(d->AddChild(SpecObject(points[0]), 2), S_OK);
  ASSERT_EQ(ZORGmoUtilitiesServices::Remove(ZORBaseUnknown_var(points[6])), S_OK);
  ASSERT_EQ(d->AddChild(SpecObject(points[1]), 1), S_OK);
  ASSERT_EQ(d->ReplaceChild(SpecObject(points[8]), SpecObject(points[2])), S_OK);
  EXPECT_EQ(Names(set),
            (std::vector<std::string>{"Point.2", "Point.5", "Point.1", "Point.6", "Point.8",
                                      "Point.3", "Point.10", "Point.11", "Point.12"}));
  EXPECT_EQ(d->GetNumberOfChildren(), 9);
  EXPECT_EQ(d->GetPosition(SpecObject(points[0])), 3);
  EXPECT_EQ(d->GetPosition(SpecObject(points[2])), 6);
  EXPECT_EQ(d->GetPosition(SpecObject(points[11])), 9);
  EXPECT_EQ(d->GetPosition(SpecObject(points[6])), 0);
  EXPECT_EQ(d->GetPosition(SpecObject(points[8])), 0);
  EXPECT_TRUE(d->GetChildAtPosition(5) == SpecObject(points[7]));
  EXPECT_TRUE(d->GetChildAtPosition(9) == SpecObject(points[11]));
  EXPECT_FALSE(d->GetChildAtPosition(10));
  EXPECT_EQ(d->RemoveChildAtPosition(10), E_INVALIDARG);
  // The removed feature left the document; the detached ones wait, unattached.
  EXPECT_EQ(doc.FindByName("Point.7"), nullptr);
  const std::string dump = doc.Dump();
  EXPECT_NE(dump.find("Unattached\n  Point.4 [WENPoint]"), std::string::npos) << dump;
  EXPECT_EQ(dump.find("Point.7 "), std::string::npos) << dump;
  EXPECT_NE(dump.find("    Point.12 [WENPoint] X=11 Y=0 Z=0 out-of-date\n  Body.1"),
            std::string::npos)
      << dump;
}

}  // namespace
