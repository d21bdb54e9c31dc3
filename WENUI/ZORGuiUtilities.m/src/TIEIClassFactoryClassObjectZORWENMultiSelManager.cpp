#include "TIEIClassFactoryClassObjectZORWENMultiSelManager.h"

#include "ClassObjectZORWENMultiSelManager.h"

namespace {

ClassObjectZORWENMultiSelManager* ClassObjectOf(ZORBaseUnknown* extended) {
  return dynamic_cast<ClassObjectZORWENMultiSelManager*>(extended);
}

}  // namespace

HRESULT TIEIClassFactoryClassObjectZORWENMultiSelManager::CreateInstance(IUnknown* outer,
                                                                         const IID& iid,
                                                                         void** out) {
  ClassObjectZORWENMultiSelManager* classObject = ClassObjectOf(GetExtendedObject());
  if (!classObject) {
    if (out) *out = nullptr;
    return E_FAIL;
  }
  return classObject->CreateInstance(outer, iid, out);
}

HRESULT TIEIClassFactoryClassObjectZORWENMultiSelManager::LockServer(int lock) {
  ClassObjectZORWENMultiSelManager* classObject = ClassObjectOf(GetExtendedObject());
  return classObject ? classObject->LockServer(lock) : E_FAIL;
}
