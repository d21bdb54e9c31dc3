#pragma once
// The working supports of one part, in creation order, and the current one. The set holds its
// supports; it knows its part by a link (the part's extension owns the set).

#include <vector>

#include "ZORIWENWorkingSupportSet.h"
#include "ZORWENWorkingSupport.h"

class ZORFeature;

class ZORWENWorkingSupportSet : public virtual ZORBaseUnknown, public ZORIWENWorkingSupportSet {
  ZOR_DECLARE_CLASS(ZORWENWorkingSupportSet, ZORBaseUnknown, ZORMetaObject::Implementation,
                    "Sketcher")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORIWENWorkingSupportSet)

  explicit ZORWENWorkingSupportSet(ZORFeature* part = nullptr) : part_(part) {}

  ZORIWENWorkingSupport_var CreateWorkingSupport(const ZORISpecObject_var& support,
                                                 const ZORISpecObject_var& origin,
                                                 int type) override;
  int GetNumberOfWorkingSupports() override { return static_cast<int>(supports_.size()); }
  ZORIWENWorkingSupport_var GetCurrentWorkingSupport() override { return current_; }
  HRESULT SetCurrentWorkingSupport(const ZORIWENWorkingSupport_var& support) override;

 private:
  // Whether `feature` is a feature of the part's document.
  bool IsOfMyPart(const ZORISpecObject_var& feature) const;

  ZORFeature* part_;
  std::vector<ZORWENWorkingSupport_var> supports_;
  ZORIWENWorkingSupport_var current_;
};
