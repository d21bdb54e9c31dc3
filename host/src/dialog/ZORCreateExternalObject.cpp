#include "ZORCreateExternalObject.h"

#include "ZORExternalObjectRegistry.h"

HRESULT ZORCreateExternalObject(const char* className, const char* libraryName,
                                ZORBaseUnknown_var* object) {
  if (object) *object = nullptr;
  if (!className || !*className || !libraryName || !*libraryName) return E_INVALIDARG;
  ZORBaseUnknown_var made;
  const HRESULT result = ZORExternalObjectRegistry::Get().Create(className, libraryName, made);
  if (object) *object = made;
  return result;
}
