#pragma once
// The text of a widget's resource key, or the default the code gives when the resources have
// none: the one lookup the panels share.

#include "ZORDialog.h"

inline ZORUnicodeString ZORGuiResourceText(const ZORDialog& dialog, const ZORString& key,
                                           const char* defaultText) {
  ZORUnicodeString text = dialog.GetResourceValueFromKey(key);
  return text.IsEmpty() ? ZORUnicodeString(defaultText) : text;
}
