#include "ZORGuiUtilitiesServices.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "LifeCycleObject.h"
#include "ZORGmoInputError.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiInputError.h"
#include "ZORICkeParm.h"
#include "ZORIDescendants.h"
#include "ZORIGeometricalElement.h"
#include "ZORIGraphicProperties.h"
#include "ZORIMfBRep.h"
#include "ZORIMfBiDimResult.h"
#include "ZORIMfMonoDimResult.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIModelEvents.h"
#include "ZORINavigateObject.h"
#include "ZORIPrtContainer.h"
#include "ZORIPrtManagement.h"
#include "ZORIPrtPart.h"
#include "ZORIRedrawEvent.h"
#include "ZORISpecAttrAccess.h"
#include "ZORIVisProperties.h"
#include "ZORIWENAffinity.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORIWENProject.h"
#include "ZORIWENRotate.h"
#include "ZORIWENTranslate.h"
#include "ZORIdentityOf.h"
#include "ZORMixBits.h"
#include "ZORModify.h"
#include "ZORModifyShowAttribut.h"
#include "ZORProtectedSection.h"
#include "ZORWENUIPanelError.h"
#include "ZORWENUIPanelWindow.h"
#include "strWENCompo.h"

namespace {

ZORUnicodeString Lines(const ZORUnicodeString& a, const ZORUnicodeString& b) {
  return a + "\n" + b + "\n";
}

// The element of a multi-output child whose inputs cannot be read.
HRESULT ReportUnreadable(const ZORISpecObject_var& element) {
  auto* error = new ZORGmoInputError("WENMODELINPUT_ERR_9700");
  error->SetNLSParameters({element ? element->GetDisplayName() : ZORUnicodeString()});
  ZORWENUIPanelError::ShowAndFlush(error);
  return E_FAIL;
}

// The inputs of a transformation that its results share (not the transformed element).
std::vector<ZORISpecObject_var> SharedTransformationInputs(const ZORISpecObject_var& child) {
  if (ZORIWENTranslate_var t{child}) return {t->GetDirection()};
  if (ZORIWENRotate_var r{child}) return {r->GetAxis()};
  if (ZORIWENProject_var p{child}) return {p->GetSupport(), p->GetDirection()};
  if (ZORIWENAffinity_var a{child}) return {a->GetOrigin()};
  return {};
}

using InputPair = std::pair<const void*, const void*>;

// Finds, for each child given in order, the first child with the same inputs of lists 1 and 2,
// in one flat array probed linearly: at tens of thousands of results, a node per child and the
// scattered reads to reach it cost more than the whole comparison. At a hundred thousand the
// array outgrows the caches, so each look-up waits until a few more children are given, while
// its slot is fetched.
class DuplicateFinder {
 public:
  explicit DuplicateFinder(std::size_t count) : slots_(std::bit_ceil(count * 4 / 3 + 2)) {}

  // Gives `child` (1-based, each after the one before) with its `inputs`; it repeats the first
  // child with the same inputs only when `mayRepeat`.
  void Add(const InputPair& inputs, int child, bool mayRepeat) {
    const std::size_t home = Home(inputs) & (slots_.size() - 1);
    __builtin_prefetch(&slots_[home]);
    if (waiting_ == kAhead) LookUp(queue_[next_]);
    queue_[next_] = {inputs, home, child, mayRepeat};
    next_ = (next_ + 1) % kAhead;
    waiting_ = std::min(waiting_ + 1, kAhead);
  }

  // The (first, repeating) pairs of the children given, in the order of the repeating ones.
  std::vector<std::pair<int, int>> TakePairs() {
    for (std::size_t i = kAhead - waiting_; i < kAhead; ++i) LookUp(queue_[(next_ + i) % kAhead]);
    waiting_ = 0;
    return std::move(pairs_);
  }

 private:
  static constexpr std::size_t kAhead = 8;
  struct Slot {
    InputPair inputs;
    int child = 0;  // 0: free
  };
  struct Waiting {
    InputPair inputs;
    std::size_t home = 0;
    int child = 0;
    bool mayRepeat = false;
  };

  void LookUp(const Waiting& waiting) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = waiting.home;; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.child == 0) {
        slot = {waiting.inputs, waiting.child};
        return;
      }
      if (slot.inputs != waiting.inputs) continue;
      if (waiting.mayRepeat) pairs_.emplace_back(slot.child, waiting.child);
      return;
    }
  }
  // Every bit of both addresses reaches the low bits the mask keeps (MurmurHash3's finaliser).
  static std::size_t Home(const InputPair& inputs) {
    auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(inputs.first));
    bits ^=
        std::rotl(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(inputs.second)), 29);
    return static_cast<std::size_t>(ZORMixBits(bits));
  }

  std::vector<Slot> slots_;  // a power of two, at most three quarters full
  std::array<Waiting, kAhead> queue_{};
  std::size_t next_ = 0;     // where the next child waits; the oldest waiting one when full
  std::size_t waiting_ = 0;  // how many wait
  std::vector<std::pair<int, int>> pairs_;
};

}  // namespace

// --- document access ---

ZORVar<ZORGeoFactory> ZORGuiUtilitiesServices::GetCurrentGeoFactory() {
  ZORBaseUnknown_var container = ZORGuiBasicUtilitiesServices::GetCurrentContainer();
  return container ? ZORGeoFactory::GetFactoryOf(container.get()) : ZORVar<ZORGeoFactory>();
}

ZORISpecObject_var ZORGuiUtilitiesServices::GetCurrentPart() {
  ZORIPrtContainer_var container(ZORGuiBasicUtilitiesServices::GetCurrentContainer());
  return container ? ZORISpecObject_var(container->GetPart()) : ZORISpecObject_var();
}

ZORIWENFactory_var ZORGuiUtilitiesServices::GetCurrentWENFactory() {
  return ZORGuiBasicUtilitiesServices::GetCurrentWENFactory();
}

ZORIGSOFactory_var ZORGuiUtilitiesServices::GetCurrentGSOFactory() {
  return ZORIGSOFactory_var(ZORGuiBasicUtilitiesServices::GetCurrentContainer());
}

HRESULT ZORGuiUtilitiesServices::Remove(const ZORISpecObject_var& feature) {
  return ZORGmoUtilitiesServices::Remove(feature);
}

// --- geometry ---

int ZORGuiUtilitiesServices::IsInfinite(const ZORISpecObject_var& feature) {
  int infinite = 0;
  ZORException* caught = ZORProtect([&] { infinite = ZORGmoUtilitiesBody::IsInfinite(feature); });
  // Geometry that cannot be examined counts as infinite.
  if (ZORHandleCaught(caught, ZORWENUIPanelError::ShowAndFlush)) return 1;
  return infinite ? 1 : 0;
}

int ZORGuiUtilitiesServices::IsSame(const ZORISpecObject_var& feature1,
                                    const ZORISpecObject_var& feature2) {
  if (feature1 == feature2) return 1;
  ZORIMfBRep_var brep1(feature1);
  ZORIMfBRep_var brep2(feature2);
  if (!brep1 || !brep2) return 0;
  return brep1->IsRelatedTo(feature2) || brep2->IsRelatedTo(feature1) ? 1 : 0;
}

int ZORGuiUtilitiesServices::IsSame(const ZORISpecObject_var& feature,
                                    const ZORListValZORISpecObject_var& list) {
  for (const ZORISpecObject_var& element : list) {
    if (IsSame(element, feature)) return 1;
  }
  return 0;
}

int ZORGuiUtilitiesServices::IsLinked(const ZORISpecObject_var& feature1,
                                      const ZORISpecObject_var& feature2) {
  ZORIGeometricalElement_var element(feature2);
  if (!ZORIMfBRep_var(feature2) || !element) return 0;
  return element->GetDesignatedFeature() == feature1 ? 1 : 0;
}

int ZORGuiUtilitiesServices::IsLinkedBySupport(const ZORISpecObject_var& feature1,
                                               const ZORISpecObject_var& feature2) {
  if (!feature1 || !feature2) return 0;
  int linked = 0;
  ZORException* caught = ZORProtect([&] {
    ZORIMfBRep_var brep(feature2);
    ZORISpecObject_var support = brep ? brep->GetSupport() : ZORISpecObject_var();
    linked = IsLinked(feature1, feature2) || (support && IsSame(feature1, support));
  });
  if (ZORHandleCaught(caught)) return 0;  // an error counts as no link
  return linked ? 1 : 0;
}

int ZORGuiUtilitiesServices::GetDimension(const ZORISpecObject_var& feature) {
  if (ZORIMfBiDimResult_var(feature)) return 2;
  if (ZORIMfMonoDimResult_var(feature)) return 1;
  if (ZORIMfBRep_var brep{feature}) return brep->GetBRepDimension();
  return -1;
}

// --- show and pick ---

int ZORGuiUtilitiesServices::ZORWENUIIsInNoShow(const ZORISpecObject_var& feature) {
  ZORIVisProperties_var properties(feature);
  ZORVisPropertiesValues values;
  if (!properties || FAILED(properties->GetPropertiesAtt(values, ZORVPShow))) return 0;
  return values.GetShow() == ZORNoShowAttr ? 1 : 0;
}

HRESULT ZORGuiUtilitiesServices::HideShowService(const ZORISpecObject_var& feature, char show) {
  ZORIVisProperties_var properties(feature);
  if (!properties) return E_FAIL;
  const ZORShowAttribut wanted = show ? ZORShowAttr : ZORNoShowAttr;
  ZORVisPropertiesValues values;
  if (SUCCEEDED(properties->GetPropertiesAtt(values, ZORVPShow)) && values.GetShow() == wanted) {
    return S_OK;
  }
  values.SetShow(wanted);
  properties->SetPropertiesAtt(values, ZORVPShow);
  if (ZORVar<ZORIModelEvents> events{feature}) {
    events->Dispatch(
        ZORMake<ZORModifyShowAttribut>(ZORBaseUnknown_var(feature), wanted, 1, 0).get());
  }
  return S_OK;
}

int ZORGuiUtilitiesServices::ZORWENUIIsInNoPick(const ZORISpecObject_var& feature) {
  ZORVar<ZORIGraphicProperties> graphic(feature);
  return graphic && !graphic->IsPickable() ? 1 : 0;
}

// --- features ---

HRESULT ZORGuiUtilitiesServices::RemoveIfNotAggregated(const ZORISpecObject_var& feature) {
  if (!feature) return E_FAIL;
  if (feature->GetFather()) return S_OK;
  ZORVar<LifeCycleObject> life(feature);
  return life ? life->remove(0), S_OK : E_FAIL;
}

int ZORGuiUtilitiesServices::ManageContextualFeatureVisu(const ZORISpecObject_var& feature,
                                                         ZORShowAttribut show) {
  ZORINavigateObject_var navigate(feature);
  ZORListValZORISpecObject_var children;
  if (!navigate || FAILED(navigate->GetChildren(children))) return 0;
  for (const ZORISpecObject_var& child : children) {
    ZORIMmiContextualManager_var contextual(child);
    if (!child || !contextual || !contextual->IsContextual()) continue;
    if (ZORIVisProperties_var properties{child}) {
      ZORVisPropertiesValues values;
      values.SetShow(show);
      properties->SetPropertiesAtt(values, ZORVPShow);
    }
    if (ZORVar<ZORIModelEvents> events{child}) {
      events->Dispatch(
          ZORMake<ZORModify>(ZORBaseUnknown_var(child), ZORBaseUnknown::MetaObject(), 1).get());
    }
    if (ZORIRedrawEvent_var redraw{child}) redraw->Redraw();
  }
  return 0;
}

int ZORGuiUtilitiesServices::DefineInWorkObject(const ZORISpecObject_var& feature) {
  if (!feature) return 0;
  ZORIPrtContainer_var container(feature->GetFeatContainer());
  ZORIPrtPart_var part = container ? container->GetPart() : ZORIPrtPart_var();
  if (ZORIPrtManagement_var management{part}) management->SetInWorkObject(feature);
  return 0;
}

// --- naming ---

int ZORGuiUtilitiesServices::RemoveTrailingSpacesColon(ZORUnicodeString& text) {
  std::string s = text.str();
  while (!s.empty() && s.back() == ' ') s.pop_back();
  if (!s.empty() && s.back() == ':') s.pop_back();
  text = ZORUnicodeString(s);
  return 0;
}

HRESULT ZORGuiUtilitiesServices::ParamAutoNumbering(ZORListValZORISpecObject_var& parameters,
                                                    ZORISpecObject_var& parameter) {
  ZORICkeParm_var parm(parameter);
  if (!parm) return E_FAIL;
  int largest = 0;
  for (const ZORISpecObject_var& element : parameters) {
    ZORICkeParm_var other(element);
    if (!other) continue;
    const std::string name = other->GetParmName().str();
    const auto dot = name.rfind('.');
    int number = 0;
    if (dot != std::string::npos && std::sscanf(name.c_str() + dot + 1, "%d", &number) == 1 &&
        number > largest) {
      largest = number;
    }
  }
  const ZORUnicodeString name =
      parm->GetParmName() + "##" + ZORUnicodeString::Format("%d", largest + 1) + "##";
  const int access = parm->GetAccess();
  parm->SetAccess(4);
  parm->Rename(name);
  parm->SetAccess(access);
  return S_OK;
}

// --- multi-output check ---

HRESULT ZORGuiUtilitiesServices::CheckMultioutput(const ZORBaseUnknown_var&,
                                                  ZORISpecObject_var& feature) {
  ZORIWENMultiSel_var multiSel(feature);
  ZORVar<ZORIDescendants> descendants(feature);
  if (!multiSel || !descendants) return E_FAIL;
  const int count = multiSel->GetNumberOfRealFeatures();

  // Phase 1: walk the results; inputs of list 1 are indexed so that each child meets only the
  // earlier children with the same input.
  std::vector<ZORISpecObject_var> children(static_cast<std::size_t>(count) + 1);
  std::vector<bool> removed(children.size(), false);
  DuplicateFinder duplicates(static_cast<std::size_t>(count));
  int markedCount = 0;
  for (int i = 1; i <= count; ++i) {
    ZORISpecObject_var child = descendants->GetChildAtPosition(i);
    children[i] = child;
    ZORIWENMultiSelAccess_var access(child);
    ZORISpecObject_var a, b;
    if (!access || FAILED(access->GetMultiSelInput(1, a)) ||
        FAILED(access->GetMultiSelInput(2, b))) {
      return ReportUnreadable(child);
    }
    const bool intersection = child->IsSubTypeOf("WENIntersect");
    bool missing = !a || (intersection && !b);
    if (a) {
      // A duplicate pairs with the first earlier child with the same inputs that is not a
      // duplicate itself, so that each duplicate is replaced and removed once. Without an input
      // of list 2, an intersection repeats nothing.
      duplicates.Add({ZORIdentityOf(a), ZORIdentityOf(b)}, i, b || !intersection);
    }
    if (!missing) continue;
    if (count == markedCount + 1) {
      auto* error = new ZORGuiInputError("WENUIINPUT_ERR_4300", "ZORGuiInputError");
      error->SetNLSParameters({child->GetDisplayName()});
      ZORWENUIPanelWindow::AskBlocked("SingleChildrenPanel", 0x08000200,
                                      Lines(error->GetNLSDiagnostic(), error->GetNLSAdvice()),
                                      error->GetNLSRequest());
      error->Flush();
      continue;
    }
    auto* error = new ZORGmoInputError("WENMODELINPUT_ERR_9720");
    error->SetNLSParameters({child->GetDisplayName()});
    const int answer = ZORWENUIPanelWindow::AskBlocked(
        "NullInputPanel", 0x00800200, Lines(error->GetNLSRequest(), error->GetNLSDiagnostic()),
        error->GetNLSAdvice());
    error->Flush();
    if (answer == 3) {
      removed[i] = true;
      ++markedCount;
    }
  }

  // Phase 2: remove the children marked; the inputs that transformations share stay owned by
  // a result that remains.
  ZORISpecObject_var keeper;
  for (int i = 1; i <= count && !keeper; ++i) {
    if (!removed[i]) keeper = children[i];
  }
  for (int i = 1; i <= count; ++i) {
    if (!removed[i]) continue;
    for (const ZORISpecObject_var& input : SharedTransformationInputs(children[i])) {
      ZORISpecAttrAccess_var attributes(input);
      if (attributes && keeper)
        attributes->LinkTo(strWENCompo.c_str(), keeper, strWENCompo.c_str());
    }
    ZORGmoUtilitiesServices::Remove(children[i]);
  }

  // Phase 3: each duplicate gives way to the result it repeats.
  for (const auto& [kept, repeated] : duplicates.TakePairs()) {
    if (removed[kept] || removed[repeated]) continue;
    auto* error = new ZORGmoInputError("WENMODELINPUT_ERR_9710");
    error->SetNLSParameters(
        {children[kept]->GetDisplayName(), children[repeated]->GetDisplayName()});
    ZORWENUIPanelWindow::AskBlocked("ReplacePanel", 0x08000200,
                                    error->GetNLSDiagnostic() + "\n" + error->GetNLSAdvice(),
                                    error->GetNLSRequest());
    error->Flush();
    ZORGmoUtilitiesServices::Replace(children[repeated], children[kept], 0);
    ZORGmoUtilitiesServices::Remove(children[repeated]);
  }
  return S_OK;
}
