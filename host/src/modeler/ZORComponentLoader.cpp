#include "ZORComponentLoader.h"

#include <dlfcn.h>

#include <vector>

#include "IClassFactory.h"
#include "ZORVar.h"

namespace {

struct Library {
  void* handle;
  ZORGetClassObjectFunction getClassObject;
};

std::vector<Library>& Libraries() {
  static std::vector<Library> libraries;
  return libraries;
}

}  // namespace

HRESULT ZORComponentLoader::Load(const std::string& path, std::string* error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (!handle) {
    if (error) *error = dlerror();
    return E_FAIL;
  }
  auto fn = reinterpret_cast<ZORGetClassObjectFunction>(dlsym(handle, "ZORDllGetClassObject"));
  Libraries().push_back({handle, fn});
  return S_OK;
}

void ZORComponentLoader::UnloadAll() {
  auto& libraries = Libraries();
  while (!libraries.empty()) {
    dlclose(libraries.back().handle);
    libraries.pop_back();
  }
}

int ZORComponentLoader::LoadedCount() {
  return static_cast<int>(Libraries().size());
}

HRESULT ZORComponentLoader::GetClassObject(const CLSID& clsid, const IID& iid, void** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  for (const Library& library : Libraries()) {
    if (!library.getClassObject) continue;
    if (SUCCEEDED(library.getClassObject(clsid, iid, out))) return S_OK;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT ZORComponentLoader::CreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid,
                                           void** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  void* factory = nullptr;
  const HRESULT hr = GetClassObject(clsid, IID_IClassFactory, &factory);
  if (FAILED(hr)) return hr;
  auto classObject = ZORVar<IClassFactory>::Adopt(static_cast<IClassFactory*>(factory));
  return classObject->CreateInstance(outer, iid, out);
}

HRESULT ZORInstantiateComponent(const char* className, const IID& iid, void** out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  const ZORMetaObject* meta = ZORMetaObject::Find(className);
  ZORBaseUnknown* created = meta ? meta->CreateInstance() : nullptr;
  if (!created) return E_FAIL;
  const HRESULT hr = created->QueryInterface(iid, out);
  created->Release();
  return hr;
}
