#pragma once
// A tab container: its pages (ZORDlgTabPage children) share one place and one of them is in
// front. The first page added comes in front. The user clicks a page's tab: that page comes
// in front and the tab-select notification is sent; GetSelectedPage then tells which.

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgTabPage;

class ZORDlgTabContainer : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgTabContainer, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgTabContainer(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                              unsigned long style = 0);
  ~ZORDlgTabContainer() override;

  //! The page in front; null while the container has no page.
  ZORDlgTabPage* GetSelectedPage() const;
  //! Brings `page` (one of this container's pages) in front; false for another widget. With
  //! `notify`, as a user's click.
  bool SetSelectedPage(ZORDlgTabPage* page, int notify = 0);
  ZORNotification* GetTabSelectNotification() const { return select_; }

  //! The user clicks the tab of the page named `name`; false, sending nothing, when the
  //! container cannot be reached, no page has that name or the page is hidden or insensitive.
  bool SelectPage(const ZORString& name);

 private:
  ZORDlgTabPage* PageNamed(const ZORString& name) const;
  bool IsPage(const ZORDialog* widget) const;

  ZORDlgTabPage* selected_ = nullptr;  // one of the children, which the container owns
  bool chosen_ = false;
  ZORVar<ZORNotification> select_;
};
