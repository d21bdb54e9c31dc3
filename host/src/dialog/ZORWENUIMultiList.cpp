#include "ZORWENUIMultiList.h"

#include "ZORDlgMultiList.h"
#include "ZORGmoUtilitiesServices.h"

ZORWENUIMultiList::ZORWENUIMultiList(ZORDialog* parent, const ZORString& name, unsigned long style,
                                     ZORGuiContextualMenuData menuData)
    : ZORGuiCommandStackFrame(parent, name, 0, menuData),
      list_(new ZORDlgMultiList(this, "MultiList", style)) {}

ZORWENUIMultiList::~ZORWENUIMultiList() = default;

ZORNotification* ZORWENUIMultiList::GetListSelectNotification() const {
  return list_->GetListSelectNotification();
}

bool ZORWENUIMultiList::SetFeatureColumn(int column) {
  if (column < 0 || featureColumn_ >= 0) return false;
  featureColumn_ = column;
  CreateContextualMenu(list_);
  return true;
}

bool ZORWENUIMultiList::SetFeature(const ZORBaseUnknown_var& feature, int row, int flag) {
  if (featureColumn_ < 0 || !feature) return false;
  if (flag == ZORDlgMultiList::kAddLine && row == -1) row = list_->GetLineCount();
  const ZORUnicodeString name = ZORGmoUtilitiesServices::GetSpecDisplayName(feature);
  if (!list_->SetColumnItem(featureColumn_, name, row, flag)) return false;
  return list_->SetLineObject(row, feature);
}

ZORBaseUnknown_var ZORWENUIMultiList::GetFeature(int row) const {
  return list_->GetLineObject(row);
}

ZORBaseUnknown_var ZORWENUIMultiList::GetContextualFeature() const {
  return list_->GetLineObject(list_->GetContextualLine());
}

ZORGuiContextualMenuData ZORWENUIMultiList::MenuDataInEffect() const {
  return GetContextualFeature() ? GetMenuData() : ZORGuiContextualMenuData::None();
}
