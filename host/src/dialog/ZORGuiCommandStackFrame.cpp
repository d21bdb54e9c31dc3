#include "ZORGuiCommandStackFrame.h"

#include "ZORDlgContextualMenu.h"
#include "ZORDlgList.h"
#include "ZORDlgPushItem.h"
#include "ZORGuiMenuRemoveNotification.h"
#include "ZORGuiMenuReplaceNotification.h"

ZORGuiCommandStackFrame::ZORGuiCommandStackFrame(ZORDialog* parent, const ZORString& name,
                                                 unsigned long style,
                                                 ZORGuiContextualMenuData menuData)
    : ZORDlgFrame(parent, name, style),
      menuData_(menuData),
      replace_(ZORMake<ZORGuiMenuReplaceNotification>()),
      remove_(ZORMake<ZORGuiMenuRemoveNotification>()) {}

ZORGuiCommandStackFrame::~ZORGuiCommandStackFrame() = default;

ZORDlgContextualMenu* ZORGuiCommandStackFrame::CreateContextualMenu(ZORDlgList* list) {
  if (!list || menu_) return nullptr;
  menu_ = new ZORDlgContextualMenu(list, "CxtMenu");
  AddAnalyseNotificationCB(menu_, menu_->GetVisibilityNotification(),
                           &ZORGuiCommandStackFrame::OnMenuShows, nullptr);
  return menu_;
}

void ZORGuiCommandStackFrame::OnMenuShows(ZORCommand*, ZORNotification* notification,
                                          ZORCallbackData) {
  if (!replaceItem_) FillMenu();
  const ZORGuiContextualMenuData data = MenuDataInEffect();
  replaceItem_->SetVisibility(data.OffersReplace() ? kShown : kHidden);
  removeItem_->SetVisibility(data.OffersRemove() ? kShown : kHidden);
  // The owner hears it too, from the menu, once the items are there.
  if (GetFather()) menu_->SendNotification(GetFather(), notification);
}

void ZORGuiCommandStackFrame::FillMenu() {
  replaceItem_ = new ZORDlgPushItem(menu_, "Replace");
  removeItem_ = new ZORDlgPushItem(menu_, "Remove");
  replaceItem_->SetTitle(ZORUnicodeString("Replace"));
  removeItem_->SetTitle(ZORUnicodeString("Remove"));
  AddAnalyseNotificationCB(
      replaceItem_, replaceItem_->GetMenuIActivateNotification(),
      [this](ZORCommand*, ZORNotification*, ZORCallbackData) { Publish(replace_.get()); }, nullptr);
  AddAnalyseNotificationCB(removeItem_, removeItem_->GetMenuIActivateNotification(),
                           &ZORGuiCommandStackFrame::RemoveMenuSelection, nullptr);
  AddParticularContextualsItems();
}

void ZORGuiCommandStackFrame::RemoveMenuSelection(ZORCommand*, ZORNotification*, ZORCallbackData) {
  Publish(remove_.get());
}

void ZORGuiCommandStackFrame::SendNotif(ZORCommand*, ZORNotification* notification,
                                        ZORCallbackData) {
  SendNotification(GetFather(), notification);  // nothing without father or notification
}
