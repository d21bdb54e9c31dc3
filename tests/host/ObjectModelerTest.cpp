#include <gtest/gtest.h>

#include "IClassFactory.h"
#include "ZORBaseExtension.h"
#include "ZORComponentLoader.h"
#include "ZORInterfaceDictionary.h"
#include "ZORVar.h"

namespace {

class ZORITestShape : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORITestShape)
  virtual int Corners() = 0;
};

class ZORITestColour : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORITestColour)
  virtual int Colour() = 0;
};

class ZORITestMissing : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORITestMissing)
};

int liveSquares = 0;

class TestSquare : public ZORITestShape {
  ZOR_DECLARE_CLASS(TestSquare, ZORBaseUnknown, ZORMetaObject::Implementation, "Test")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORITestShape)
  TestSquare() { ++liveSquares; }
  ~TestSquare() override { --liveSquares; }
  int Corners() override { return 4; }
};

class TestTile : public TestSquare {
  ZOR_DECLARE_CLASS(TestTile, TestSquare, ZORMetaObject::Implementation, "Test")
};

int extensionsCreated = 0;

class TestColourExt : public ZORBaseExtension, public ZORITestColour {
  ZOR_DECLARE_CLASS(TestColourExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Test")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORITestColour)
  TestColourExt() { ++extensionsCreated; }
  int Colour() override { return ++calls; }
  int calls = 0;
};

// An entry that promises an interface its extension does not give.
class TestLiarExt : public ZORBaseExtension {
  ZOR_DECLARE_CLASS(TestLiarExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Test")
};

class ObjectModeler : public ::testing::Test {
 protected:
  void SetUp() override {
    extensionsCreated = 0;
    ZORFillDictionary({"TestColourExt", "ZORITestColour", ZORITestColour::ClassIID(), "TestSquare",
                       &ZORExtensionCreator<TestColourExt>});
    ZORFillDictionary({"TestLiarExt", "ZORITestMissing", ZORITestMissing::ClassIID(), "Painted",
                       &ZORExtensionCreator<TestLiarExt>});
  }
  void TearDown() override {
    ZORRemoveFromDictionary("TestColourExt");
    ZORRemoveFromDictionary("TestLiarExt");
    EXPECT_EQ(liveSquares, 0) << "a component leaked";
  }
};

TEST_F(ObjectModeler, HandleOnMissingInterfaceIsNullAndLeavesCountsAlone) {
  auto square = ZORMake<TestSquare>();
  ZORVar<ZORITestMissing> missing(square);
  EXPECT_FALSE(missing);
  EXPECT_EQ(square->GetRefCount(), 1u);

  ZORVar<ZORITestShape> shape(square);
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->Corners(), 4);
  EXPECT_EQ(square->GetRefCount(), 2u);

  void* out = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(square->QueryInterface(ZORITestMissing::ClassIID(), &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
}

TEST_F(ObjectModeler, HandlesBalanceReferencesThroughCopiesMovesAndResets) {
  auto* raw = new TestSquare();
  {
    auto owner = ZORVar<TestSquare>::Adopt(raw);
    ZORVar<ZORITestShape> a(owner);
    ZORVar<ZORITestShape> b = a;
    ZORVar<ZORITestShape> c = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_EQ(raw->GetRefCount(), 3u);
    a = nullptr;
    c = c;  // self-assignment keeps the reference
    EXPECT_EQ(raw->GetRefCount(), 2u);
    ZORBaseUnknown_var any(c);
    EXPECT_EQ(raw->GetRefCount(), 3u);
    EXPECT_TRUE(any == c);
  }
  EXPECT_EQ(liveSquares, 0);
}

TEST_F(ObjectModeler, ExtensionIsCreatedOncePerComponentAndAnswersForIt) {
  auto first = ZORMake<TestSquare>();
  auto second = ZORMake<TestSquare>();

  ZORVar<ZORITestColour> colour1(first);
  ZORVar<ZORITestColour> again(first);
  ZORVar<ZORITestColour> colour2(second);
  ASSERT_TRUE(colour1 && again && colour2);
  EXPECT_EQ(extensionsCreated, 2);
  EXPECT_EQ(colour1.get(), again.get());  // the same stateful instance
  colour1->Colour();
  EXPECT_EQ(again->Colour(), 2);
  EXPECT_EQ(colour2->Colour(), 1);

  // The extension answers for its component: identity, references, other interfaces.
  EXPECT_TRUE(colour1 == first);
  EXPECT_FALSE(colour1 == colour2);
  ZORVar<ZORITestShape> back(colour1);
  ASSERT_TRUE(back);
  EXPECT_EQ(back.get(), static_cast<ZORITestShape*>(first.get()));
  EXPECT_EQ(first->GetRefCount(), 4u);  // first, colour1, again, back
}

TEST_F(ObjectModeler, ExtensionsFollowTheInheritanceChainAndTheLateType) {
  auto tile = ZORMake<TestTile>();
  EXPECT_TRUE(ZORVar<ZORITestColour>(tile));  // registered for the base class

  auto painted = ZORMake<TestSquare>();
  painted->SetLateType("Painted");
  EXPECT_EQ(painted->GetLateType(), "Painted");
  // The entry's extension lacks the interface it was registered for: null, not a loop.
  EXPECT_FALSE(ZORVar<ZORITestMissing>(painted));

  // A late type set after an extension was made, then cleared: the class name again, and the
  // same extension throughout.
  auto square = ZORMake<TestSquare>();
  EXPECT_EQ(square->GetLateType(), "TestSquare");
  ASSERT_TRUE(ZORVar<ZORITestColour>(square));
  square->SetLateType("Painted");
  EXPECT_EQ(square->GetLateType(), "Painted");
  EXPECT_TRUE(ZORVar<ZORITestColour>(square));
  square->SetLateType("");
  EXPECT_EQ(square->GetLateType(), "TestSquare");
  EXPECT_TRUE(ZORVar<ZORITestColour>(square));
  EXPECT_EQ(extensionsCreated, 2);  // the tile's and the square's
}

TEST_F(ObjectModeler, RemovedDictionaryEntriesNoLongerExtend) {
  ZORRemoveFromDictionary("TestColourExt");
  auto square = ZORMake<TestSquare>();
  EXPECT_FALSE(ZORVar<ZORITestColour>(square));
  EXPECT_EQ(extensionsCreated, 0);

  // Registered again later: the component refused once is extended now, for its own late type
  // and for no other.
  ZORFillDictionary({"TestColourExt", "ZORITestColour", ZORITestColour::ClassIID(), "Painted",
                     &ZORExtensionCreator<TestColourExt>});
  EXPECT_FALSE(ZORVar<ZORITestColour>(square));
  square->SetLateType("Painted");
  EXPECT_TRUE(ZORVar<ZORITestColour>(square));
  EXPECT_EQ(extensionsCreated, 1);
}

TEST_F(ObjectModeler, MetaObjectsDescribeTheClassAndItsBases) {
  auto tile = ZORMake<TestTile>();
  const ZORMetaObject* meta = tile->GetMetaObject();
  EXPECT_STREQ(meta->ClassName(), "TestTile");
  EXPECT_STREQ(tile->IsA(), "TestTile");
  EXPECT_EQ(meta->GetBase(), TestSquare::MetaObject());
  EXPECT_STREQ(meta->GetTypeName(), "ZORNull");
  EXPECT_STREQ(meta->GetFramework(), "Test");
  EXPECT_EQ(meta->GetInstanceSize(), sizeof(TestTile));
  EXPECT_TRUE(tile->IsAKindOf("TestTile"));
  EXPECT_TRUE(tile->IsAKindOf("TestSquare"));
  EXPECT_TRUE(tile->IsAKindOf("ZORBaseUnknown"));
  EXPECT_FALSE(tile->IsAKindOf("TestColourExt"));
  EXPECT_FALSE(tile->IsAKindOf(nullptr));
  EXPECT_FALSE(TestSquare::ClassId() == TestTile::ClassId());
  EXPECT_EQ(ZORMetaObject::Find("TestTile"), meta);

  ZORBaseUnknown* created = TestTile::CreateItself();
  ASSERT_NE(created, nullptr);
  EXPECT_STREQ(created->IsA(), "TestTile");
  created->Release();
  EXPECT_EQ(ZORITestShape::MetaObject()->GetKind(), ZORMetaObject::Interface);
}

TEST_F(ObjectModeler, IdentifiersCompareWordByWord) {
  ZORGUID a = ZORMakeGUID("ZORITestShape");
  ZORGUID b = a;
  EXPECT_TRUE(a == b);
  for (int w = 0; w < 4; ++w) {
    ZORGUID c = a;
    c.words[w] ^= 1u;
    EXPECT_FALSE(a == c) << "word " << w;
  }
  EXPECT_FALSE(ZORITestShape::ClassIID() == ZORITestColour::ClassIID());
}

TEST_F(ObjectModeler, ComponentsAreInstantiatedByClassName) {
  TestSquare::MetaObject();  // a class is known once used
  void* out = nullptr;
  ASSERT_EQ(ZORInstantiateComponent("TestSquare", ZORITestShape::ClassIID(), &out), S_OK);
  auto shape = ZORVar<ZORITestShape>::Adopt(static_cast<ZORITestShape*>(out));
  EXPECT_EQ(shape->Corners(), 4);
  EXPECT_EQ(ZORInstantiateComponent("NoSuchClass", ZORITestShape::ClassIID(), &out), E_FAIL);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(ZORInstantiateComponent("TestSquare", ZORITestMissing::ClassIID(), &out),
            E_NOINTERFACE);
}

TEST(ComponentLoader, LoadsThePluginAndAsksItForClassObjects) {
  std::string error;
  EXPECT_EQ(ZORComponentLoader::Load("/nonexistent/libNothing.so", &error), E_FAIL);
  EXPECT_FALSE(error.empty());

  ASSERT_EQ(ZORComponentLoader::Load(ZOR_PLUGIN_PATH, &error), S_OK) << error;
  void* out = nullptr;
  EXPECT_EQ(ZORComponentLoader::GetClassObject(ZORMakeGUID("NoSuchClass"), IID_IClassFactory, &out),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  ZORComponentLoader::UnloadAll();
  EXPECT_EQ(ZORComponentLoader::LoadedCount(), 0);
}

}  // namespace
