#pragma once
// One working support of a part's set: its support and origin features (held) and its type.

#include <unordered_set>

#include "ZORIWENWorkingSupport.h"

class ZORWENWorkingSupport : public virtual ZORBaseUnknown, public ZORIWENWorkingSupport {
  ZOR_DECLARE_CLASS(ZORWENWorkingSupport, ZORBaseUnknown, ZORMetaObject::Implementation, "Sketcher")
  ZOR_IMPLEMENTS(ZORBaseUnknown, ZORIWENWorkingSupport)

  ZORWENWorkingSupport(const ZORISpecObject_var& support, const ZORISpecObject_var& origin,
                       int type)
      : support_(support), origin_(origin), type_(type) {}

  ZORISpecObject_var GetSupport() override { return support_; }
  ZORISpecObject_var GetOrigin() override { return origin_; }
  int GetType() override { return type_; }
  ZORIWENGrid_var GetGrid() override { return grid_; }
  // Host side: gives the support its grid (null: none).
  void SetGrid(const ZORIWENGrid_var& grid) { grid_ = grid; }
  HRESULT AddCreatedFeature(const ZORISpecObject_var& feature) override;
  void GetCreatedFeatures(ZORListValZORISpecObject_var& features) override;

 private:
  ZORISpecObject_var support_;
  ZORISpecObject_var origin_;
  int type_;
  ZORIWENGrid_var grid_;
  ZORListValZORISpecObject_var created_;
  std::unordered_set<const ZORBaseUnknown*> createdIdentities_;  // to keep each feature once
};

using ZORWENWorkingSupport_var = ZORVar<ZORWENWorkingSupport>;
