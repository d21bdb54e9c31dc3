#include "ZORWENUIStateCommandDelegate.h"

#include "ZORSysLogAbend.h"

ZORWENUIStateCommandDelegate::ZORWENUIStateCommandDelegate(ZORWENUIStateCommand* command,
                                                           unsigned char visibleDuringEdition)
    : command_(command), visibleDuringEdition_(visibleDuringEdition) {
  if (!command_) ZORSysLogAbend("pas de pere pour le ZORWENUIStateCommandDelegate");
}

ZORWENUIStateCommandDelegate::~ZORWENUIStateCommandDelegate() {
  command_ = nullptr;
}

HRESULT ZORWENUIStateCommandDelegate::Inert() const {
  return command_ ? S_OK : E_FAIL;
}

// What the delegate stores and gives back comes with the display properties of inputs; until
// then each operation only checks that the delegate has a command.
HRESULT ZORWENUIStateCommandDelegate::StoreShowStatus(const ZORISpecObject_var&) {
  return Inert();
}
HRESULT ZORWENUIStateCommandDelegate::RestoreShowStatus(const ZORISpecObject_var&) {
  return Inert();
}
HRESULT ZORWENUIStateCommandDelegate::StorePickStatus(const ZORISpecObject_var&) {
  return Inert();
}
HRESULT ZORWENUIStateCommandDelegate::RestorePickStatus(const ZORISpecObject_var&) {
  return Inert();
}
HRESULT ZORWENUIStateCommandDelegate::StoreHSO() {
  return Inert();
}
HRESULT ZORWENUIStateCommandDelegate::RestoreHSO() {
  return Inert();
}
HRESULT ZORWENUIStateCommandDelegate::StoreOrientations(const ZORISpecObject_var&) {
  return Inert();
}

HRESULT ZORWENUIStateCommandDelegate::CheckOrientations(const ZORISpecObject_var&, int, int&) {
  return Inert();
}
