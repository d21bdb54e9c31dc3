#pragma once
// Plug-in libraries and component instantiation. A plug-in is loaded with dlopen; its static
// initialisation fills the interface dictionary, and its exported ZORDllGetClassObject gives the
// class objects of the component classes it serves.

#include <string>

#include "ZORBaseUnknown.h"

// What a plug-in exports under the name "ZORDllGetClassObject".
using ZORGetClassObjectFunction = HRESULT (*)(const CLSID& clsid, const IID& iid, void** out);

class ZORComponentLoader {
 public:
  // Loads the library at `path`; on failure answers E_FAIL and says why in `error`.
  static HRESULT Load(const std::string& path, std::string* error = nullptr);
  // Unloads every loaded library, last loaded first.
  static void UnloadAll();
  static int LoadedCount();

  // The class object of `clsid` from the first loaded library that serves it.
  static HRESULT GetClassObject(const CLSID& clsid, const IID& iid, void** out);
  // A new instance of `clsid` through its class factory.
  static HRESULT CreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid, void** out);
};

// A new component of a class known by name (its meta-object must exist: the class has been used
// or declared), queried for `iid`.
HRESULT ZORInstantiateComponent(const char* className, const IID& iid, void** out);
