#pragma once
// Creates an object by class name from a named library, through the host's registry of creators
// (ZORExternalObjectRegistry), which records the request.

#include "ZORTypes.h"
#include "ZORVar.h"

// E_INVALIDARG for a null or empty name; E_FAIL when the library cannot make the class. The
// object made is handed back in `object` when one is given.
HRESULT ZORCreateExternalObject(const char* className, const char* libraryName,
                                ZORBaseUnknown_var* object = nullptr);
