#include "ZORDlgPushItem.h"

#include "ZORDlgActivateNotification.h"

ZORDlgPushItem::ZORDlgPushItem(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDlgMenuItem(parent, name, style), activate_(ZORMake<ZORDlgActivateNotification>()) {}

ZORDlgPushItem::~ZORDlgPushItem() = default;
