#pragma once
// A combo: a drop-down list of lines (0-based) with one selected line, or none (-1). The user
// picks a line: it becomes the selected one and the select notification is sent. The
// programmatic setters send nothing unless asked.

#include <vector>

#include "ZORDialog.h"
#include "ZORVar.h"

class ZORDlgCombo : public ZORDialog {
  ZOR_DECLARE_CLASS(ZORDlgCombo, ZORDialog, ZORMetaObject::Implementation, "Dialog")

  // SetLine modes: insert before `line` (-1 appends), or replace the text of `line`.
  static constexpr int kInsert = 64;
  static constexpr int kModify = 128;

  explicit ZORDlgCombo(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                       unsigned long style = 0);
  ~ZORDlgCombo() override;

  //! Inserts (kInsert, `line` -1 appends) or replaces (kModify) a line; false, changing
  //! nothing, for a line out of range or another mode. The selection follows its line.
  bool SetLine(const ZORUnicodeString& text, int line = -1, int mode = kInsert);
  int GetLineCount() const { return static_cast<int>(lines_.size()); }
  //! The text of `line`; empty out of range.
  ZORUnicodeString GetLine(int line) const;
  //! Removes every line; nothing is selected.
  void ClearLine();
  //! The selected line, -1 for none.
  int GetSelect() const { return selected_; }
  //! Selects `line` (-1: none); false out of range. With `notify`, as a user's pick.
  bool SetSelect(int line, int notify = 0);
  ZORNotification* GetComboSelectNotification() const { return select_; }

  //! The user picks `line`; false, sending nothing, when the combo cannot be reached or the
  //! line does not exist.
  bool Select(int line);
  //! The user picks the first line reading `text`.
  bool Select(const ZORUnicodeString& text);

 private:
  std::vector<ZORUnicodeString> lines_;
  int selected_ = -1;
  ZORVar<ZORNotification> select_;
};
