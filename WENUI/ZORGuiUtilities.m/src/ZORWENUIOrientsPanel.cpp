#include "ZORWENUIOrientsPanel.h"

#include "ZORDlgLabel.h"

namespace {

constexpr int kYes = 1;
constexpr int kNo = 2;

struct LabelLayout {
  const char* name;
  const char* defaultText;
};
constexpr LabelLayout kLabels[] = {
    {"LabInvert1", "The orientation of the result has changed."},
    {"LabInvert2", "The arrows show the former and the new orientation."},
    {"LabInvert3", "Invert the orientation?"},
};

}  // namespace

ZORWENUIOrientsPanel::ZORWENUIOrientsPanel(ZORDialog* parent)
    : ZORFrmDialog(parent, "OrientsPanel", kStyle) {
  SetTitle(ResourceText("Title", "Orientation"));
  SetOKTitle(ResourceText("OKTitle", "Yes"));
  int row = 0;
  for (const LabelLayout& layout : kLabels) {
    auto* label = new ZORDlgLabel(this, layout.name);
    label->SetTitle(ResourceText(ZORString(layout.name) + ".Title", layout.defaultText));
    ZORDlgGridConstraints cell;
    cell.row = row++;
    cell.sides = ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kRight;
    label->SetGridConstraints(cell);
  }
  AddAnalyseNotificationCB(this, GetDiaOKNotification(), &ZORWENUIOrientsPanel::YesNoCB,
                           ZORIntData(kYes));
  AddAnalyseNotificationCB(this, GetDiaAPPLYNotification(), &ZORWENUIOrientsPanel::YesNoCB,
                           ZORIntData(kNo));
  AddAnalyseNotificationCB(this, GetWindCloseNotification(), &ZORWENUIOrientsPanel::YesNoCB,
                           ZORIntData(kNo));
}

ZORWENUIOrientsPanel::~ZORWENUIOrientsPanel() = default;

void ZORWENUIOrientsPanel::YesNoCB(ZORCommand*, ZORNotification* notification, ZORCallbackData) {
  if (GetFather()) SendNotification(GetFather(), notification);
}

ZORUnicodeString ZORWENUIOrientsPanel::ResourceText(const ZORString& key,
                                                    const char* defaultText) const {
  const ZORUnicodeString text = GetResourceValueFromKey(key);
  return text.IsEmpty() ? ZORUnicodeString(defaultText) : text;
}
