#include "ZORCkeParmExt.h"

#include <cmath>

#include "ZORApplicationFrame.h"
#include "ZORCkeParamFrame.h"
#include "ZORCkeParmNotification.h"
#include "ZORInterfaceDictionary.h"
#include "ZORParmEditPanel.h"

namespace {

const bool registered = [] {
  for (const auto& [name, iid] : {std::pair{"ZORIParmAsStored", ZORIParmAsStored::ClassIID()},
                                  std::pair{"ZORIParmEvents", ZORIParmEvents::ClassIID()},
                                  std::pair{"ZORICkeParamFrame", ZORICkeParamFrame::ClassIID()},
                                  std::pair{"ZORIEdit", ZORIEdit::ClassIID()}}) {
    ZORFillDictionary({"ZORCkeParmExt", name, iid, ZORCkeParmExt::LateType(),
                       &ZORExtensionCreator<ZORCkeParmExt>});
  }
  return true;
}();

}  // namespace

ZORCkeParmExt::ZORCkeParmExt()
    : publisher_(ZORMake<ZORCommand>(nullptr, ZORString("ZORCkeParmEvents"))),
      notification_(ZORMake<ZORCkeParmNotification>()) {}

ZORCkeParmExt::~ZORCkeParmExt() = default;

ZORICkeParm_var ZORCkeParmExt::Parm() const {
  return ZORICkeParm_var(GetExtendedObject());
}

void ZORCkeParmExt::PublishChange(ZORBaseUnknown* parameter) {
  // Only a parameter someone asked for events has its extension; the others have no one to tell.
  ZORIParmEvents_var events(parameter);
  if (auto* ext = dynamic_cast<ZORCkeParmExt*>(events.get())) ext->Publish();
}

void ZORCkeParmExt::Publish() {
  notification_->SendObject(GetExtendedObject());
  publisher_->BroadcastNotification(notification_);
  // The notification is ours: holding the parameter after delivery would keep it, and so us,
  // alive for good.
  notification_->SendObject(nullptr);
}

double ZORCkeParmExt::GetValueAsStored() {
  ZORICkeParm_var parm = Parm();
  return parm ? parm->GetStoredValue() : 0.0;
}

HRESULT ZORCkeParmExt::SetValueAsStored(double value) {
  ZORICkeParm_var parm = Parm();
  if (!parm || !std::isfinite(value)) return E_FAIL;
  return parm->Valuate(value);
}

HRESULT ZORCkeParmExt::SetValueOfMagnitude(double value, const ZORString& magnitude) {
  ZORICkeParm_var parm = Parm();
  if (!parm || parm->GetMagnitude() != magnitude) return E_FAIL;
  return SetValueAsStored(value);
}

ZORCallback ZORCkeParmExt::SubscribeToValueChange(ZORCommand* subscriber, ZORParmEventMethod method,
                                                  void* data) {
  if (!subscriber || !method) return 0;
  return subscriber->AddAnalyseNotificationCB(
      publisher_, notification_.get(),
      [method = std::move(method)](ZORCommand*, ZORNotification* n, ZORCallbackData d) {
        method(ZORIParmEvents::ValueChangeEvent(), n->GetSentObject(), n, d, 0);
      },
      data);
}

void ZORCkeParmExt::UnsubscribeFromValueChange(ZORCommand* subscriber, ZORCallback subscription) {
  if (subscriber) subscriber->RemoveAnalyseNotificationCB(subscription);
}

ZORCkeParamFrame* ZORCkeParmExt::GetInPanelEdition(const ZORICkeParm_var& parameter,
                                                   ZORDialog* parent, const ZORString& name,
                                                   unsigned long style,
                                                   const ZORUnicodeString& title) {
  return ZORCkeParamFrame::Create(parameter ? parameter : Parm(), parent, name, style, title);
}

HRESULT ZORCkeParmExt::Activate(ZORPathElement*) {
  ZORICkeParm_var parm = Parm();
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  if (!parm || !frame || !frame->GetMainWindow()) return E_FAIL;
  new ZORParmEditPanel(parm);  // the main window takes it; it closes itself
  return S_OK;
}
