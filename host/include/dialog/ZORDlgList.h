#pragma once
// What the selector list and the multi-column list share: rows of cells, each row selected or
// not, and the user actions on them. Rows are numbered from 0; a row's selection moves with it
// when rows are inserted or removed. Under style kMultipleSelection several rows can be
// selected at once, otherwise at most one.
//
// A click sends the list-select notification; a double click is a click followed by the
// list-activate notification.

#include <vector>

#include "ZORBitSet.h"
#include "ZORDialog.h"
#include "ZORRankedList.h"
#include "ZORVar.h"

class ZORDlgList : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgList, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  static constexpr unsigned long kMultipleSelection = 0x40000;
  // Line flags: add a line, modify a line.
  static constexpr int kAddLine = 64;
  static constexpr int kModifyLine = 128;

  explicit ZORDlgList(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                      unsigned long style = 0);
  ~ZORDlgList() override;

  int GetLineCount() const { return rows_.Size(); }
  // Removes every line, one line, or several lines in one call; the later lines move up.
  // Indices out of range are ignored.
  void ClearLine();
  void ClearLine(int index);
  void ClearLine(const int* indices, int count);

  bool IsMultipleSelection() const { return (GetStyle() & kMultipleSelection) != 0; }
  int GetSelectCount() const { return static_cast<int>(selected_.Size()); }
  bool IsSelected(int index) const;
  // The selected lines in ascending order: up to `size` of them written to `indices`; answers
  // how many were written.
  int GetSelect(int* indices, int size) const;
  std::vector<int> GetSelect() const;
  // Adds the lines to the selection (in a single-selection list the last valid index replaces
  // the selected line). Indices out of range are ignored. With `notify` non-zero the
  // list-select notification is sent, as a user's selection sends it; without, nothing is sent.
  void SetSelect(const int* indices, int count, int notify);
  void SetSelect(int index, int notify) { SetSelect(&index, 1, notify); }
  void ClearSelect();
  //! Takes the given lines out of the selection, the others staying; indices out of range or
  //! not selected are ignored. Sends nothing.
  void ClearSelect(const int* indices, int count);

  void SetVisibleLineCount(int count) { visibleLines_ = count; }
  int GetVisibleLineCount() const { return visibleLines_; }
  void SetFirstVisibleLine(int line) { firstVisibleLine_ = line; }
  int GetFirstVisibleLine() const { return firstVisibleLine_; }

  // The line the user last right-clicked for a contextual menu; -1 when none or when that
  // line is gone.
  int GetContextualLine() const { return HasRow(contextualLine_) ? contextualLine_ : -1; }
  // The user right-clicks `line`; false when the list cannot be reached or has no such line.
  bool SetContextualLine(int line);

  //! An object the owner ties to a line (the feature it shows); it moves with the line and is
  //! held while the line is there. False, changing nothing, for a line out of range.
  bool SetLineObject(int line, const ZORBaseUnknown_var& object);
  //! The object tied to `line`; null when none or out of range.
  ZORBaseUnknown_var GetLineObject(int line) const;

  ZORNotification* GetListSelectNotification() const { return select_; }
  ZORNotification* GetListActivateNotification() const { return activate_; }

  // User actions. Each answers false, changing and sending nothing, when the user could not do
  // it (list not reachable, a line out of range, several lines in a single-selection list).
  // Click selects only `line`; with `extend` (a control click) it toggles `line` in a
  // multiple-selection list instead.
  bool Click(int line, bool extend = false);
  // Leaves exactly `lines` selected, as dragging or control clicks would, with one
  // list-select notification.
  bool SelectLines(const std::vector<int>& lines);
  bool DoubleClick(int line);

 protected:
  // Inserts an empty row at `index` (-1 or the line count: at the end); answers its index, or
  // -1 when `index` is out of range.
  int InsertRow(int index);
  bool HasRow(int index) const { return index >= 0 && index < GetLineCount(); }
  // The cell, created empty when the row is shorter.
  ZORUnicodeString& Cell(int row, int column);
  // The cell's text; empty when there is no such cell.
  ZORUnicodeString CellText(int row, int column) const;

 private:
  struct Row {
    // The first column in place: a selector list's rows then cost no allocation of their own.
    ZORUnicodeString first;
    std::vector<ZORUnicodeString> more;  // columns 1 and on
    ZORBaseUnknown_var object;
    bool selected = false;
  };
  void Select(int index, bool on);
  // Finds the selected rows again after the rows' entries were renumbered.
  void IndexSelection();

  // Rows leave in logarithmic time and the selected ones are kept apart, by entry, so that
  // clicking and removing one row never walks the rows.
  ZORRankedList<Row> rows_;
  ZORBitSet selected_;
  int visibleLines_ = 0;
  int contextualLine_ = -1;
  int firstVisibleLine_ = 0;
  ZORVar<ZORNotification> select_;
  ZORVar<ZORNotification> activate_;
};
