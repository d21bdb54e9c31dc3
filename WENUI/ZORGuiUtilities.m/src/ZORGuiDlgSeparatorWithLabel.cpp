#include "ZORGuiDlgSeparatorWithLabel.h"

#include <new>

#include "ZORDlgLabel.h"
#include "ZORDlgSeparator.h"
#include "ZORFatalError.h"

namespace {
constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiDlgSeparatorWithLabel";
}  // namespace

ZORGuiDlgSeparatorWithLabel::ZORGuiDlgSeparatorWithLabel(ZORDialog* parent, const ZORString& name)
    : ZORDlgFrame(parent, name, 0x80000) {
  label_ = new (std::nothrow) ZORDlgLabel(this, "TitleLabel");
  separator_ = new (std::nothrow) ZORDlgSeparator(this, "Separator");
  if (!label_ || !separator_) ZORFatalError("0", kSource, __LINE__);
  label_->SetTitle(GetResourceValueFromKey("TitleLabel.Title"));
  SetHorizontalAttachment(1, 5, {label_, separator_});
  SetVerticalAttachment(1, 5, {label_});
  // The line spans two tabs so that it stretches with the frame.
  SetVerticalAttachment(2, 1, {separator_});
  SetVerticalAttachment(3, 4, {separator_});
}

ZORGuiDlgSeparatorWithLabel::~ZORGuiDlgSeparatorWithLabel() = default;
