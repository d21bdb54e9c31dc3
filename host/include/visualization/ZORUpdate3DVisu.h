#pragma once
// Asks the viewers to redraw a feature whose display depends on the document's current
// feature (a shape body's features when its current feature moves).

#include "ZORVar.h"

// Redraws `feature` (ZORIRedrawEvent). S_FALSE for null: nothing to redraw; E_FAIL for an
// object that cannot be redrawn.
HRESULT Update3DVisu(const ZORBaseUnknown_var& feature);
