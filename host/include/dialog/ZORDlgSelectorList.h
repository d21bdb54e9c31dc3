#pragma once
// A list of text lines. SetLine with kAddLine inserts a line at an index (-1 appends) and moves
// the later lines down; with kModifyLine it replaces a line's text in place.

#include "ZORDlgList.h"

class ZORDlgSelectorList : public ZORDlgList {
  ZOR_DECLARE_CLASS(ZORDlgSelectorList, ZORDlgList, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgSelectorList(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                              unsigned long style = 0)
      : ZORDlgList(parent, name, style) {}

  // Answers false, changing nothing, for an index out of range or another flag.
  bool SetLine(const ZORUnicodeString& text, int index = -1, int flag = kAddLine);
  // The line's text; empty out of range.
  ZORUnicodeString GetLine(int index) const { return CellText(index, 0); }

  void SetVisibleTextWidth(int width) { textWidth_ = width; }
  int GetVisibleTextWidth() const { return textWidth_; }

 private:
  int textWidth_ = 0;
};
