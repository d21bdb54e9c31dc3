#pragma once
// A list of rows with several columns. SetColumnItem with kAddLine writes a cell of an existing
// row or of a new row at the end (row -1 or the row count), so that a row is filled column by
// column; with kModifyLine it rewrites a cell of an existing row only.

#include <vector>

#include "ZORDlgList.h"

class ZORDlgMultiList : public ZORDlgList {
  ZOR_DECLARE_CLASS(ZORDlgMultiList, ZORDlgList, ZORMetaObject::Implementation, "Dialog")

  explicit ZORDlgMultiList(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                           unsigned long style = 0)
      : ZORDlgList(parent, name, style) {}

  // Gives the list `count` columns with these titles.
  void SetColumnTitles(int count, const ZORUnicodeString* titles);
  ZORUnicodeString GetColumnTitle(int column) const;
  // The columns titled, or written to if more.
  int GetColumnCount() const { return columnCount_; }

  // Answers false, changing nothing, for a column below 0, a row out of range or another flag.
  bool SetColumnItem(int column, const ZORUnicodeString& text, int row = -1, int flag = kAddLine);
  // The cell's text; empty when there is none.
  ZORUnicodeString GetColumnItem(int column, int row) const { return CellText(row, column); }

  void SetVisibleColumnCount(int count) { visibleColumns_ = count; }
  int GetVisibleColumnCount() const { return visibleColumns_; }
  void SetColumnTextWidth(int column, int width);
  int GetColumnTextWidth(int column) const;

 private:
  std::vector<ZORUnicodeString> titles_;
  std::vector<int> widths_;
  int columnCount_ = 0;
  int visibleColumns_ = 0;
};
