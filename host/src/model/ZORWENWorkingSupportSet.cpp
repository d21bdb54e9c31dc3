#include "ZORWENWorkingSupportSet.h"

#include <algorithm>

#include "ZORFaultGate.h"
#include "ZORFeature.h"

bool ZORWENWorkingSupportSet::IsOfMyPart(const ZORISpecObject_var& feature) const {
  const ZORFeature* f = ZORFeature::From(feature.get());
  return f && part_ && f->GetDocument() && f->GetDocument() == part_->GetDocument();
}

ZORIWENWorkingSupport_var ZORWENWorkingSupportSet::CreateWorkingSupport(
    const ZORISpecObject_var& support, const ZORISpecObject_var& origin, int type) {
  if (!IsOfMyPart(support) || (origin && !IsOfMyPart(origin)) || type < 1) return nullptr;
  if (!ZORFaultGate::Pass("ZORIWENWorkingSupportSet::CreateWorkingSupport")) return nullptr;
  supports_.push_back(ZORMake<ZORWENWorkingSupport>(support, origin, type));
  return supports_.back();
}

HRESULT ZORWENWorkingSupportSet::SetCurrentWorkingSupport(
    const ZORIWENWorkingSupport_var& support) {
  if (!support) {
    current_ = nullptr;
    return S_OK;
  }
  const bool mine = std::any_of(supports_.begin(), supports_.end(),
                                [&](const ZORWENWorkingSupport_var& s) { return s == support; });
  if (!mine) return E_FAIL;
  current_ = support;
  return S_OK;
}
