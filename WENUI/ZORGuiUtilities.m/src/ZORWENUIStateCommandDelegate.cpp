#include "ZORWENUIStateCommandDelegate.h"

#include <unordered_set>

#include "ZOREpsg.h"
#include "ZORGetTangent.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGuiCommandStack.h"
#include "ZORIDescendants.h"
#include "ZORIMfGeom.h"
#include "ZORISpecScan.h"
#include "ZORIWENMultiSel.h"
#include "ZORIdentityOf.h"
#include "ZORSysLogAbend.h"
#include "ZORWENGetNormale.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIOrients.h"
#include "ZORWENUIStateCommand.h"

namespace {

// The orientation of `feature` now: a line through its tangent point or plane origin along its
// tangent or normal. Result 1 and no line for a geometry that has none.
HRESULT CurrentOrientation(const ZORISpecObject_var& feature, std::unique_ptr<ZORMathLine>& line) {
  line.reset();
  switch (ZORGmoUtilitiesBody::GetGeometryType(feature)) {
    case ZORGmoUtilitiesBody::kCurve: {
      ZORMathPoint point;
      ZORMathVector tangent;
      const ZORMathVector defaultDirection(1.0, 0.0, 0.0);
      if (FAILED(GetTangent(feature, kZORTangentAtStart, defaultDirection, point, tangent))) {
        return E_FAIL;
      }
      line = std::make_unique<ZORMathLine>(point, tangent);
      return S_OK;
    }
    case ZORGmoUtilitiesBody::kSurface: {
      ZORMathVector normal;
      ZORIMfGeom_var geometry(feature);
      ZORMathPlane plane;
      if (FAILED(ZORWENGetNormale(feature, normal)) || !geometry ||
          FAILED(geometry->GetPlane(plane))) {
        return E_FAIL;
      }
      line = std::make_unique<ZORMathLine>(plane.GetOrigin(), normal);
      return S_OK;
    }
    default:
      return 1;
  }
}

}  // namespace

ZORWENUIStateCommandDelegate::ZORWENUIStateCommandDelegate(ZORWENUIStateCommand* command,
                                                           unsigned char visibleDuringEdition)
    : command_(command), visibleDuringEdition_(visibleDuringEdition) {
  if (!command_) ZORSysLogAbend("pas de pere pour le ZORWENUIStateCommandDelegate");
}

ZORWENUIStateCommandDelegate::~ZORWENUIStateCommandDelegate() {
  command_ = nullptr;
}

const ZORMathLine* ZORWENUIStateCommandDelegate::GetStoredOrientation(int index) const {
  if (index < 1 || index > GetOrientationCount()) return nullptr;
  return storedOrientations_[static_cast<std::size_t>(index - 1)].get();
}

bool ZORWENUIStateCommandDelegate::isMSModeOn() {
  if (!command_) {
    ZORSysLogAbend("pas de pere");
    return false;
  }
  ZORWENMSManager* manager = command_->GetManager();
  return manager && ZORIWENMultiSel_var(manager->GetMultiSel());
}

// --- show and pick ---

HRESULT ZORWENUIStateCommandDelegate::StoreShowStatus(const ZORISpecObject_var& feature) {
  if (!command_ || !feature) return E_FAIL;
  if (showStatus_ != -1) return kAlreadyStored;
  const bool hidden = command_->ZORWENUIIsInNoShow(feature);
  showStatus_ = 1;
  if (hidden && visibleDuringEdition_) {
    command_->ZORWENUIShow(feature);
    showStatus_ = 0;
  } else if (!hidden && !visibleDuringEdition_) {
    command_->ZORWENUINoShow(feature, 0);
    showStatus_ = 0;
  }
  ZORWENMSManager* manager = command_->GetManager();
  if (!manager) return S_OK;
  if (FAILED(manager->StoreInitialShowStatusForRealFeats())) return E_FAIL;
  ZORIDescendants_var children(feature);
  ZORIWENMultiSel_var multiSel(feature);
  if (!children || !multiSel) return E_FAIL;
  const int results = multiSel->GetNumberOfRealFeatures();
  for (int i = 1; i <= results; ++i) command_->ZORWENUIShow(children->GetChildAtPosition(i));
  return S_OK;
}

HRESULT ZORWENUIStateCommandDelegate::RestoreShowStatus(const ZORISpecObject_var& feature) {
  if (!command_ || !feature) return E_FAIL;
  if (showStatus_ == 0) {
    if (visibleDuringEdition_) {
      command_->ZORWENUINoShow(feature, 0);
    } else {
      command_->ZORWENUIShow(feature);
    }
  }
  ZORWENMSManager* manager = command_->GetManager();
  if (!manager) return S_OK;
  ZORListValZORISpecObject_var hidden;
  if (FAILED(manager->GetInitialShowStatusForRemainingRealFeats(hidden))) return E_FAIL;
  for (const ZORISpecObject_var& real : hidden) command_->ZORWENUINoShow(real, 1);
  return S_OK;
}

HRESULT ZORWENUIStateCommandDelegate::StorePickStatus(const ZORISpecObject_var& feature) {
  if (!command_ || !feature) return E_FAIL;
  if (pickStatus_ != -1) return kAlreadyStored;
  const int alreadyNoPick = command_->ZORWENUIIsInNoPick(feature);
  pickStatus_ = alreadyNoPick ? 0 : 1;
  if (!alreadyNoPick) command_->ZORWENUINoPick(feature);
  command_->SetPickModeForCurrentFeature(alreadyNoPick);
  ZORWENMSManager* manager = command_->GetManager();
  if (!manager) return S_OK;
  if (FAILED(manager->StoreInitialPickStatusForRealFeats())) return E_FAIL;
  if (!ZORIDescendants_var(feature)) return S_OK;
  ZORListValZORISpecObject_var reals;
  manager->GetRealFeaturesList(reals);
  for (const ZORISpecObject_var& real : reals) command_->ZORWENUINoPick(real);
  return S_OK;
}

HRESULT ZORWENUIStateCommandDelegate::RestorePickStatus(const ZORISpecObject_var& feature) {
  if (!command_ || !feature) return E_FAIL;
  if (pickStatus_ == 1) command_->ZORWENUIPick(feature);
  ZORWENMSManager* manager = command_->GetManager();
  if (!manager) return S_OK;
  // The real features were all made unpickable; those that were unpickable at the start stay
  // so, the others become pickable again.
  ZORListValZORISpecObject_var unpickable;
  if (FAILED(manager->GetInitialPickStatusForRemainingRealFeats(unpickable))) return E_FAIL;
  std::unordered_set<const ZORBaseUnknown*> keepNoPick;
  for (const ZORISpecObject_var& real : unpickable) keepNoPick.insert(ZORIdentityOf(real));
  ZORListValZORISpecObject_var reals;
  manager->GetRealFeaturesList(reals);
  for (const ZORISpecObject_var& real : reals) {
    if (keepNoPick.count(ZORIdentityOf(real))) {
      command_->ZORWENUINoPick(real);
    } else {
      command_->ZORWENUIPick(real);
    }
  }
  return S_OK;
}

// --- highlighted set ---

HRESULT ZORWENUIStateCommandDelegate::StoreHSO() {
  if (!command_) return E_FAIL;
  ZORHSO* hso = command_->GetHSO();
  if (!hso || hso->GetSize() == 0) return S_OK;
  if (savedHSO_) {
    savedHSO_->Empty();
  } else {
    savedHSO_ = ZORMake<ZORSO>();
  }
  for (const ZORPathElement& path : hso->GetElements()) savedHSO_->AddElement(path);
  return S_OK;
}

HRESULT ZORWENUIStateCommandDelegate::RestoreHSO() {
  if (!command_) return E_FAIL;
  if (!savedHSO_) return kAlreadyStored;
  ZORSO_var saved = std::exchange(savedHSO_, nullptr);
  ZORHSO* hso = command_->GetHSO();
  if (!hso) return E_FAIL;
  hso->Empty();
  for (const ZORPathElement& path : saved->GetElements()) hso->AddElement(path);
  return S_OK;
}

// --- orientations ---

HRESULT ZORWENUIStateCommandDelegate::InstanciateOrientation(const ZORISpecObject_var& feature,
                                                             std::unique_ptr<ZORMathLine>& line) {
  return CurrentOrientation(feature, line);
}

HRESULT ZORWENUIStateCommandDelegate::StoreOrientations(const ZORISpecObject_var& feature) {
  if (!command_) {
    ZORSysLogAbend("Pb initialisation");
    return E_FAIL;
  }
  if (storedOrientation_ || !storedOrientations_.empty()) return kAlreadyStored;
  if (isMSModeOn()) return StoreMultiSelOrientations(feature);
  return FAILED(InstanciateOrientation(feature, storedOrientation_)) ? E_FAIL : S_OK;
}

HRESULT ZORWENUIStateCommandDelegate::StoreMultiSelOrientations(const ZORISpecObject_var& feature) {
  ZORIDescendants_var children(feature);
  if (!children || !ZORIWENMultiSel_var(feature)) {
    ZORSysLogAbend("erreur interface descendants sur multisel");
    return E_FAIL;
  }
  const int count = children->GetNumberOfChildren();
  if (count == 0) {
    ZORSysLogAbend("pas de children pour le multisel");
    return E_FAIL;
  }
  storedOrientations_.resize(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    ZORISpecObject_var child = children->GetChildAtPosition(i);
    if (!child) {
      ZORSysLogAbend("enfant de multisel null?");
      continue;
    }
    InstanciateOrientation(child, storedOrientations_[static_cast<std::size_t>(i - 1)]);
  }
  return S_OK;
}

HRESULT ZORWENUIStateCommandDelegate::CheckOrientations(const ZORISpecObject_var& feature, int mode,
                                                        int& changed) {
  if (!command_) return E_FAIL;
  if (storedOrientation_) {
    return CheckSingleOrientation(feature, storedOrientation_.get(), mode, changed);
  }
  if (storedOrientations_.empty()) return S_OK;
  return CheckMultiSelOrientations(feature, mode, changed);
}

HRESULT ZORWENUIStateCommandDelegate::CheckMultiSelOrientations(const ZORISpecObject_var& feature,
                                                                int mode, int& changed) {
  ZORIDescendants_var children(feature);
  ZORWENMSManager* manager = command_->GetManager();
  if (!children || !manager) {
    ZORSysLogAbend("pas de managerMS");
    return E_FAIL;
  }
  ZORISpecObject_var multiSel = manager->GetMultiSel();
  if (!ZORIWENMultiSel_var(multiSel)) {
    // The multi-selection came down to one result: it stands for the first entry.
    if (storedOrientations_.front()) {
      CheckSingleOrientation(multiSel, storedOrientations_.front().get(), mode, changed);
    }
    return S_OK;
  }
  ZORRawCollint* read = nullptr;
  if (FAILED(manager->GetRemainingRealFeatsInitialPosition(read))) return E_FAIL;
  const std::unique_ptr<ZORRawCollint> positions(read);
  // The members are the same for every result: gathered once, not once per result.
  const Identities members = MultiSelMembers(multiSel);
  for (int i = 1; i <= positions->Size(); ++i) {
    const ZORMathLine* stored = GetStoredOrientation((*positions)[i]);
    if (stored) CheckOrientation(children->GetChildAtPosition(i), stored, mode, members, changed);
  }
  return S_OK;
}

ZORWENUIStateCommandDelegate::Identities ZORWENUIStateCommandDelegate::MultiSelMembers(
    const ZORISpecObject_var& father) {
  Identities members;
  ZORWENMSManager* manager = command_ ? command_->GetManager() : nullptr;
  if (!ZORIWENMultiSel_var(father) || !manager) return members;
  members.insert(ZORIdentityOf(manager->GetMatrixFeature()));
  ZORListValZORISpecObject_var reals;
  manager->GetRealFeaturesList(reals);
  for (const ZORISpecObject_var& real : reals) members.insert(ZORIdentityOf(real));
  return members;
}

HRESULT ZORWENUIStateCommandDelegate::HasDependents(const ZORISpecObject_var& feature,
                                                    const Identities& members, bool& dependents) {
  dependents = false;
  ZORISpecScan_var scan(feature);
  if (!scan) {
    ZORSysLogAbend("impossible de recuperer l'interface ZORISpecScan");
    return E_FAIL;
  }
  ZORListValZORISpecObject_var users;
  if (FAILED(scan->ListUsers(users))) return E_FAIL;
  // The father holds the feature without depending on its orientation; so do the matrix and
  // the sibling results of a multi-selection.
  const ZORBaseUnknown* father = ZORIdentityOf(feature->GetFather());
  for (const ZORISpecObject_var& user : users) {
    const ZORBaseUnknown* identity = ZORIdentityOf(user);
    if (identity != father && !members.count(identity)) {
      dependents = true;
      break;
    }
  }
  return S_OK;
}

HRESULT ZORWENUIStateCommandDelegate::CheckSingleOrientation(const ZORISpecObject_var& feature,
                                                             const ZORMathLine* stored, int mode,
                                                             int& changed) {
  if (!feature || !stored) return E_FAIL;
  return CheckOrientation(feature, stored, mode, MultiSelMembers(feature->GetFather()), changed);
}

HRESULT ZORWENUIStateCommandDelegate::CheckOrientation(const ZORISpecObject_var& feature,
                                                       const ZORMathLine* stored, int mode,
                                                       const Identities& members, int& changed) {
  if (!feature || !stored) return E_FAIL;
  bool dependents = false;
  if (FAILED(HasDependents(feature, members, dependents))) return E_FAIL;
  if (!dependents) return S_OK;
  std::unique_ptr<ZORMathLine> current;
  if (FAILED(CurrentOrientation(feature, current)) || !current) return S_OK;
  if (current->GetDirection().Dot(stored->GetDirection()) >= ZOREpsg) return S_OK;
  if (StartOrientationQuestion(feature, *stored, *current, mode)) ++changed;
  return S_OK;
}

bool ZORWENUIStateCommandDelegate::StartOrientationQuestion(const ZORISpecObject_var& feature,
                                                            const ZORMathLine& stored,
                                                            const ZORMathLine& current, int mode) {
  ZORGuiCommandStack* stack = ZORGuiCommandStack::Instance();
  ZORStateCommand* created = stack->CreateCommand("ZORWENUIOrients");
  auto* orients = dynamic_cast<ZORWENUIOrients*>(created);
  if (!orients) {
    if (created) created->Release();
    return false;
  }
  orients->SetData(feature, stored, current, mode);
  return SUCCEEDED(stack->StartCommand(orients));
}
