#pragma once
//! \class ZORGuiDlgSeparatorWithLabel
//! A titled separator line of a panel: the label "TitleLabel" and the separator "Separator"
//! side by side, the line stretching to the frame's right side. The title comes from the
//! panel's resources like any label's.

#include "ZORDlgFrame.h"

class ZORDlgLabel;
class ZORDlgSeparator;

class ZORGuiDlgSeparatorWithLabel : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORGuiDlgSeparatorWithLabel, ZORDlgFrame, ZORMetaObject::Implementation,
                    "WENUI")

  //! The frame `name` (style 0x80000) under `parent`, with its label and line.
  ZORGuiDlgSeparatorWithLabel(ZORDialog* parent, const ZORString& name);
  ~ZORGuiDlgSeparatorWithLabel() override;

  //! The label standing before the line.
  ZORDlgLabel* GetLabel() const { return label_; }
  //! The line.
  ZORDlgSeparator* GetSeparator() const { return separator_; }

 private:
  ZORDlgLabel* label_ = nullptr;          // child of the frame
  ZORDlgSeparator* separator_ = nullptr;  // child of the frame
};
