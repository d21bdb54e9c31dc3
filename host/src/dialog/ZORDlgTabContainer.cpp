#include "ZORDlgTabContainer.h"

#include <algorithm>

#include "ZORDlgSelectNotification.h"
#include "ZORDlgTabPage.h"

ZORDlgTabContainer::ZORDlgTabContainer(ZORDialog* parent, const ZORString& name,
                                       unsigned long style)
    : ZORDialog(parent, name, style), select_(ZORMake<ZORDlgSelectNotification>()) {}

ZORDlgTabContainer::~ZORDlgTabContainer() = default;

bool ZORDlgTabContainer::IsPage(const ZORDialog* widget) const {
  const auto& children = GetDialogChildren();
  // Compared by address first: a page that went is no longer a child and is never touched.
  return widget && std::find(children.begin(), children.end(), widget) != children.end() &&
         dynamic_cast<const ZORDlgTabPage*>(widget);
}

ZORDlgTabPage* ZORDlgTabContainer::GetSelectedPage() const {
  // A page chosen and still there; else the first page, as a fresh container shows it.
  if (chosen_ && IsPage(selected_)) return selected_;
  for (ZORDialog* child : GetDialogChildren()) {
    if (auto* page = dynamic_cast<ZORDlgTabPage*>(child)) return page;
  }
  return nullptr;
}

bool ZORDlgTabContainer::SetSelectedPage(ZORDlgTabPage* page, int notify) {
  if (!IsPage(page)) return false;
  selected_ = page;
  chosen_ = true;
  if (notify) SendUserNotification(select_);
  return true;
}

ZORDlgTabPage* ZORDlgTabContainer::PageNamed(const ZORString& name) const {
  for (ZORDialog* child : GetDialogChildren()) {
    auto* page = dynamic_cast<ZORDlgTabPage*>(child);
    if (page && page->GetName() == name) return page;
  }
  return nullptr;
}

bool ZORDlgTabContainer::SelectPage(const ZORString& name) {
  ZORDlgTabPage* page = PageNamed(name);
  if (!page || !IsUserReachable() || !page->IsUserReachable()) return false;
  return SetSelectedPage(page, 1);
}
