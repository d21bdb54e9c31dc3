// The multi-selection component as the host's multi-selection machinery reaches it: through the
// class object that the loaded plug-in's ZORDllGetClassObject gives, and only its interface.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "IClassFactory.h"
#include "ZORComponentLoader.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORHostSession.h"
#include "ZORIWENMultiSelManager.h"
#include "ZORSpecObjectOf.h"
#include "ZORVisPropertiesValues.h"

namespace {

std::vector<std::string> Names(const ZORBaseUnknown_var& father) {
  std::vector<std::string> names;
  const ZORFeature* f = ZORFeature::From(father.get());
  for (const auto& child : f->GetChildren()) names.push_back(child->GetDisplayNameText());
  return names;
}

std::string StartOf(const ZORISpecObject_var& line) {
  const ZORFeature* start = ZORFeature::From(line.get())->GetInput("Start");
  return start ? start->GetDisplayNameText() : "-";
}

// The plug-in as the host opens it, and the component created through its class factory.
class PluginLibrary {
 public:
  PluginLibrary() : handle_(dlopen(ZOR_PLUGIN_PATH, RTLD_NOW | RTLD_GLOBAL)) {
    if (handle_) {
      getClassObject_ =
          reinterpret_cast<ZORGetClassObjectFunction>(dlsym(handle_, "ZORDllGetClassObject"));
    }
  }
  ~PluginLibrary() {
    if (handle_) dlclose(handle_);
  }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  ZORGetClassObjectFunction GetClassObject() const { return getClassObject_; }

  ZORVar<IClassFactory> ClassFactory() const {
    void* out = nullptr;
    if (!getClassObject_ ||
        FAILED(getClassObject_(CLSID_ZORWENMultiSelManagerComponent, IID_IClassFactory, &out))) {
      return nullptr;
    }
    return ZORVar<IClassFactory>::Adopt(static_cast<IClassFactory*>(out));
  }

  ZORIWENMultiSelManager_var Manager() const {
    ZORVar<IClassFactory> factory = ClassFactory();
    void* out = nullptr;
    if (!factory || FAILED(factory->CreateInstance(nullptr, IID_ZORIWENMultiSelManager, &out))) {
      return nullptr;
    }
    return ZORIWENMultiSelManager_var::Adopt(static_cast<ZORIWENMultiSelManager*>(out));
  }

 private:
  void* handle_;
  ZORGetClassObjectFunction getClassObject_ = nullptr;
};

TEST(MultiSelComponent, TheLoadedPluginServesItsComponentOnly) {
  PluginLibrary plugin;
  ASSERT_NE(plugin.GetClassObject(), nullptr) << dlerror();

  void* out = &out;
  EXPECT_EQ(plugin.GetClassObject()(ZORMakeGUID("SomeOtherComponent"), IID_IClassFactory, &out),
            static_cast<HRESULT>(0x80004001u));
  EXPECT_EQ(out, nullptr);

  ZORVar<IClassFactory> factory = plugin.ClassFactory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(factory->LockServer(1), S_OK);
  // Aggregation is refused before anything is made.
  ZORVar<ZORBaseUnknown> outer = ZORMake<ZORBaseUnknown>();
  out = &out;
  EXPECT_EQ(factory->CreateInstance(outer.get(), IID_ZORIWENMultiSelManager, &out),
            static_cast<HRESULT>(0x80040110u));
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_ZORIWENFactory, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);

  ZORIWENMultiSelManager_var manager = plugin.Manager();
  ASSERT_TRUE(manager);
  EXPECT_EQ(manager->GetRefCount(), 1u);  // the factory let go of its creation reference
}

TEST(MultiSelComponent, TheHostReachesItByClassAndByName) {
  ASSERT_EQ(ZORComponentLoader::Load(ZOR_PLUGIN_PATH), S_OK);
  void* out = nullptr;
  ASSERT_EQ(ZORComponentLoader::CreateInstance(CLSID_ZORWENMultiSelManagerComponent, nullptr,
                                               IID_ZORIWENMultiSelManager, &out),
            S_OK);
  ZORIWENMultiSelManager_var::Adopt(static_cast<ZORIWENMultiSelManager*>(out));
  ASSERT_EQ(ZORInstantiateComponent("ZORWENMultiSelManager", IID_ZORIWENMultiSelManager, &out),
            S_OK);
  ZORIWENMultiSelManager_var::Adopt(static_cast<ZORIWENMultiSelManager*>(out));
  ZORComponentLoader::UnloadAll();
}

// A geometrical set with points, an end point and a line matrix; the component at hand.
class MultiSelComponentRun : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    for (int i = 0; i < 3; ++i) points.push_back(doc().CreatePoint(i, 0, 0, set.get()));
    end = doc().CreatePoint(0, 0, 5, set.get());
    matrix = doc().CreateFeature("WENLine", set.get());
    ASSERT_EQ(ZORFeature::From(matrix.get())->SetInput("End", ZORSpecObjectOf(end)), S_OK);
    factory = ZORGuiBasicUtilitiesServices::GetCurrentWENFactory();
    manager = plugin.Manager();
    ASSERT_TRUE(factory);
    ASSERT_TRUE(manager);
  }

  ZORDocument& doc() { return session.Document(); }
  ZORISpecObject_var P(int i) { return ZORSpecObjectOf(points[static_cast<std::size_t>(i)]); }
  ZORFeature* Feature(const ZORBaseUnknown_var& object) { return ZORFeature::From(object.get()); }

  // A new multi-selection feature at the end of the set.
  ZORIWENMultiSel_var NewMultiSel() {
    ZORIWENMultiSel_var ms;
    EXPECT_EQ(manager->InitializeMS(factory, nullptr, ms), S_OK);
    EXPECT_TRUE(ms);
    EXPECT_FALSE(ZORISpecObject_var(ms)->GetFather());
    EXPECT_EQ(ZORIDescendants_var(set)->AddChild(ZORISpecObject_var(ms)), S_OK);
    return ms;
  }

  std::vector<std::string> ResultStarts(const ZORIWENMultiSel_var& ms) {
    ZORListValZORISpecObject_var results;
    ms->GetRealFeatures(results);
    std::vector<std::string> starts;
    for (const auto& r : results) starts.push_back(StartOf(r));
    return starts;
  }

  ZORHostSession session;
  PluginLibrary plugin;
  ZORFeature_var set, end, matrix;
  std::vector<ZORFeature_var> points;
  ZORIWENFactory_var factory;
  ZORIWENMultiSelManager_var manager;
};

TEST_F(MultiSelComponentRun, InstantiationMakesOneRealFeaturePerInputAndValidationKeepsThem) {
  ZORIWENMultiSel_var ms = NewMultiSel();
  for (int i = 0; i < 3; ++i) ASSERT_EQ(ms->Declare(P(i), 1), S_OK);
  ASSERT_EQ(manager->InstanciateObjectMS(ms, ZORSpecObjectOf(matrix)), S_OK);
  EXPECT_EQ(ResultStarts(ms), (std::vector<std::string>{"Point.1", "Point.2", "Point.3"}));
  ZORListValZORISpecObject_var results;
  ms->GetRealFeatures(results);
  for (const auto& r : results) EXPECT_EQ(Feature(r)->GetInput("End"), end.get());

  // Several results: the multi-selection stays, as a private tool and the in-work object.
  EXPECT_EQ(manager->ValidateMS(ms), E_FAIL);
  EXPECT_TRUE(Feature(ms)->IsInDocument());
  EXPECT_EQ(ZORIDescendants_var(ms)->GetNumberOfChildren(), 3);
  EXPECT_TRUE(ZORIWENTool_var(ms)->IsPrivate());
  EXPECT_EQ(ZORIPrtManagement_var(ZORSpecObjectOf(doc().GetPart()))->GetInWorkObject(),
            ZORISpecObject_var(ms));

  // Edited again: the same feature comes back public; a withdrawn input's result leaves the
  // model and a new input gets its own.
  ZORIWENMultiSel_var edited;
  ASSERT_EQ(manager->InitializeMS(factory, ZORISpecObject_var(ms), edited), S_OK);
  EXPECT_EQ(edited, ms);
  EXPECT_FALSE(ZORIWENTool_var(ms)->IsPrivate());
  ASSERT_EQ(ms->RemoveInput(P(1), 1), S_OK);
  ASSERT_EQ(ms->Declare(ZORSpecObjectOf(end), 1), S_OK);
  ASSERT_EQ(manager->InstanciateObjectMS(ms, ZORSpecObjectOf(matrix)), S_OK);
  EXPECT_FALSE(Feature(results[2])->IsInDocument());
  EXPECT_EQ(manager->ValidateMS(ms), E_FAIL);
  EXPECT_EQ(ResultStarts(ms), (std::vector<std::string>{"Point.1", "Point.3", "Point.4"}));
}

TEST_F(MultiSelComponentRun, AContextualChildIsShownWhileEditedAndHiddenOnceValidated) {
  ZORIWENMultiSel_var ms = NewMultiSel();
  ASSERT_EQ(ms->Declare(P(0), 1), S_OK);
  ASSERT_EQ(ms->Declare(P(1), 1), S_OK);
  ASSERT_EQ(manager->InstanciateObjectMS(ms, ZORSpecObjectOf(matrix)), S_OK);
  ZORFeature_var helper =
      doc().CreatePoint(7, 7, 7, Feature(ZORIDescendants_var(ms)->GetChildAtPosition(1)));
  ASSERT_EQ(ZORIMmiContextualManager_var(ZORSpecObjectOf(helper))->SetContextual(1), S_OK);
  ZORIGraphicProperties_var visible(ZORSpecObjectOf(helper));
  ZORVisPropertiesValues hidden;
  hidden.SetShow(ZORNoShowAttr);
  ASSERT_EQ(ZORIVisProperties_var(ZORSpecObjectOf(helper))->SetPropertiesAtt(hidden, ZORVPShow),
            S_OK);

  ZORIWENMultiSel_var edited;
  ASSERT_EQ(manager->InitializeMS(factory, ZORISpecObject_var(ms), edited), S_OK);
  EXPECT_TRUE(visible->IsShown());
  EXPECT_EQ(manager->ValidateMS(ms), E_FAIL);
  EXPECT_FALSE(visible->IsShown());
}

// A line made singly is edited in multi-selection mode and validated with its one result.
TEST_F(MultiSelComponentRun, APlainFeatureGoesUnderAMultiSelectionAndComesBackToItsPlace) {
  ZORFeature_var line = doc().CreateFeature("WENLine", set.get());
  ASSERT_EQ(line->SetInput("Start", P(0)), S_OK);
  ASSERT_EQ(line->SetInput("End", ZORSpecObjectOf(end)), S_OK);
  ASSERT_EQ(ZORIDescendants_var(set)->AddChild(ZORSpecObjectOf(line), 2), S_OK);
  const auto before = Names(set);

  ZORIWENMultiSel_var ms;
  ASSERT_EQ(manager->InitializeMS(factory, ZORSpecObjectOf(line), ms), S_OK);
  ASSERT_TRUE(ms);
  EXPECT_EQ(ZORIDescendants_var(set)->GetPosition(ZORISpecObject_var(ms)), 2);
  EXPECT_EQ(line->GetFatherFeature(), Feature(ms));
  EXPECT_EQ(ZORIMechanicalFeature_var(ZORSpecObjectOf(line))->GetMechanicalOwner(),
            ZORISpecObject_var(ms));
  EXPECT_EQ(ms->GetNumberOfRealFeatures(), 1);

  EXPECT_EQ(manager->ValidateMS(ms), E_FAIL);
  EXPECT_FALSE(Feature(ms)->IsInDocument());
  EXPECT_EQ(Names(set), before);
  EXPECT_EQ(ZORIMechanicalFeature_var(ZORSpecObjectOf(line))->GetMechanicalOwner(),
            ZORSpecObjectOf(set));
  EXPECT_EQ(ZORIPrtManagement_var(ZORSpecObjectOf(doc().GetPart()))->GetInWorkObject(),
            ZORSpecObjectOf(line));

  // A feature outside the tree has no place to give; no factory, nothing to create with.
  ZORFeature_var loose = doc().CreateFeature("WENLine");
  ZORIWENMultiSel_var none;
  EXPECT_EQ(manager->InitializeMS(factory, ZORSpecObjectOf(loose), none), E_FAIL);
  EXPECT_EQ(manager->InitializeMS(nullptr, nullptr, none), E_FAIL);
  EXPECT_FALSE(none);
}

TEST_F(MultiSelComponentRun, DuplicationPairsTheListsOrRefusesThemAndEmptiesThemAlways) {
  ZORIWENMultiSel_var ms = NewMultiSel();
  // A plain child stays behind the real features.
  ZORFeature_var note = doc().CreatePoint(9, 9, 9, Feature(ms));
  ZORFeature_var owned = doc().CreatePoint(0, 4, 0, matrix.get());
  ZORFeature_var brep = doc().CreateBRep(end.get());

  ZORListValZORISpecObject_var inputs1{P(0), P(1), P(2)},
      inputs2{ZORSpecObjectOf(end), ZORSpecObjectOf(brep)};
  EXPECT_EQ(manager->DuplicateObjectsMS(ms, ZORSpecObjectOf(matrix), inputs1, inputs2), E_FAIL);
  EXPECT_TRUE(inputs1.IsEmpty());
  EXPECT_TRUE(inputs2.IsEmpty());
  EXPECT_EQ(ZORIDescendants_var(ms)->GetNumberOfChildren(), 1);

  ZORIWENMultiSel_var noMultiSel;
  inputs1 = {P(0)};
  EXPECT_EQ(manager->DuplicateObjectsMS(noMultiSel, ZORSpecObjectOf(matrix), inputs1, inputs2),
            E_FAIL);
  EXPECT_TRUE(inputs1.IsEmpty());

  inputs1 = {P(0), ZORSpecObjectOf(owned)};
  inputs2 = {ZORSpecObjectOf(end), ZORSpecObjectOf(brep)};
  ASSERT_EQ(manager->DuplicateObjectsMS(ms, ZORSpecObjectOf(matrix), inputs1, inputs2), S_OK);
  EXPECT_TRUE(inputs1.IsEmpty());
  EXPECT_TRUE(inputs2.IsEmpty());
  ASSERT_EQ(ZORIDescendants_var(ms)->GetNumberOfChildren(), 3);
  EXPECT_EQ(Feature(ZORIDescendants_var(ms)->GetChildAtPosition(3)), note.get());
  ZORFeature* first = Feature(ZORIDescendants_var(ms)->GetChildAtPosition(1));
  ZORFeature* second = Feature(ZORIDescendants_var(ms)->GetChildAtPosition(2));
  EXPECT_EQ(first->GetInput("Start"), points[0].get());
  EXPECT_EQ(second->GetInput("End"), brep.get());
  // The copy owns the BRep and the matrix's own point it was built on, nothing else.
  EXPECT_TRUE(first->GetLinkedFeatures("Component").empty());
  EXPECT_EQ(second->GetLinkedFeatures("Component"),
            (std::vector<ZORFeature*>{owned.get(), brep.get()}));
}

TEST_F(MultiSelComponentRun, TheCoherencyCheckIsTheMultiOutputCheck) {
  ZORIWENMultiSel_var ms = NewMultiSel();
  ASSERT_EQ(ms->Declare(P(0), 1), S_OK);
  ASSERT_EQ(ms->Declare(P(0), 1), S_OK);
  ASSERT_EQ(manager->InstanciateObjectMS(ms, ZORSpecObjectOf(matrix)), S_OK);
  ZORIEdit_var editor;
  ZORISpecObject_var feature(ms);
  ZORISpecObject_var plain = P(1);
  EXPECT_EQ(manager->CheckMultiSelCoherency(nullptr, editor, plain), E_FAIL);
  ASSERT_EQ(manager->CheckMultiSelCoherency(nullptr, editor, feature), S_OK);
  // The second result repeated the first and gave way to it.
  EXPECT_EQ(ms->GetNumberOfRealFeatures(), 1);
}

}  // namespace
