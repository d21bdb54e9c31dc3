#include "ZORGuiCombo.h"

ZORGuiCombo::ZORGuiCombo(ZORDialog* parent, const ZORString& name, unsigned long style)
    : ZORDlgCombo(parent, name, style) {}

ZORGuiCombo::~ZORGuiCombo() = default;

HRESULT ZORGuiCombo::Set(const ZORString& key, int line, unsigned long mode) {
  if (key.IsEmpty() || line < -1 || line > GetLineCount()) return E_FAIL;
  ZORUnicodeString text = GetResourceValueFromKey(key);
  if (text.IsEmpty()) text = ZORUnicodeString(key);
  // The combo may still refuse (a line to modify that does not exist, an unknown mode).
  return SetLine(text, line, static_cast<int>(mode)) ? S_OK : E_FAIL;
}
