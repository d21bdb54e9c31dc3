#include "ZORWENUIPanelCoord.h"

#include <utility>

#include "ZORCkeParamFrame.h"
#include "ZORDlgFrame.h"
#include "ZORDlgLabel.h"
#include "ZORICkeParamFrame.h"
#include "ZORWENUISelector.h"

namespace {

void Place(ZORDialog* widget, int row, int column, int sides) {
  ZORDlgGridConstraints cell;
  cell.row = row;
  cell.column = column;
  cell.sides = sides;
  widget->SetGridConstraints(cell);
}

ZORUnicodeString TextOf(const ZORDialog& dialog, const ZORString& key, const char* defaultText) {
  const ZORUnicodeString text = dialog.GetResourceValueFromKey(key);
  return text.IsEmpty() ? ZORUnicodeString(defaultText) : text;
}

constexpr const char* kFrames[] = {"FraX", "FraY", "FraZ"};
constexpr const char* kLabels[] = {"LabX", "LabY", "LabZ"};
constexpr const char* kTitles[] = {"CoordX", "CoordY", "CoordZ"};
constexpr const char* kTexts[] = {"X", "Y", "Z"};

}  // namespace

ZORWENUIPanelCoord::ZORWENUIPanelCoord(ZORDialog* parent)
    : ZORFrmDialog(parent, "PanelCoord", kStyle) {
  SetTitle(TextOf(*this, "Title", "Direction components"));
  AddAnalyseNotificationCB(this, GetDiaOKNotification(), &ZORWENUIPanelCoord::PushOK, nullptr);
  AddAnalyseNotificationCB(this, GetWindCloseNotification(), &ZORWENUIPanelCoord::PushClose,
                           nullptr);
  AddAnalyseNotificationCB(this, GetDiaCANCELNotification(), &ZORWENUIPanelCoord::PushClose,
                           nullptr);
}

ZORWENUIPanelCoord::~ZORWENUIPanelCoord() = default;

void ZORWENUIPanelCoord::BuildPanel(ZORICkeParm_var x, ZORICkeParm_var y, ZORICkeParm_var z) {
  const ZORICkeParm_var parameters[] = {x, y, z};
  if (!axis_) BuildWidgets();
  for (int row = 0; row < 3; ++row) SetEditor(row, parameters[row]);
}

void ZORWENUIPanelCoord::BuildWidgets() {
  auto* frame = new ZORDlgFrame(this, "FraDir", 0x80000);
  Place(frame, 0, 0, ZORDlgGridConstraints::kFourSides);
  for (int row = 0; row < 3; ++row) {
    auto* label = new ZORDlgLabel(frame, kLabels[row]);
    label->SetTitle(TextOf(*this, ZORString(kLabels[row]) + ".Title", kTexts[row]));
    Place(label, row, 0, ZORDlgGridConstraints::kLeft);
    holders_[row] = new ZORDlgFrame(frame, kFrames[row], 0xC0000);
    Place(holders_[row], row, 1, ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kRight);
  }
  auto* label = new ZORDlgLabel(frame, "LabelAxis", 0x100000);
  label->SetTitle(TextOf(*this, "LabelAxis.Title", "Axis System"));
  Place(label, 3, 0, ZORDlgGridConstraints::kLeft);
  axis_ =
      new ZORWENUISelector(this, frame, "FraAxis", 0x80000, ZORWENUISelector::kDefaultStyle,
                           ZORGuiContextualMenuData(false, true), ZORGuiContextualMenuData::None());
  Place(axis_, 3, 1, ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kRight);
}

void ZORWENUIPanelCoord::SetEditor(int row, const ZORICkeParm_var& parameter) {
  ZORCkeParamFrame*& editor = editors_[row];
  if (editor && editor->GetParameter() == parameter) {
    editor->Refresh();
    return;
  }
  // Another parameter: its own editor replaces the former one.
  if (editor) std::exchange(editor, nullptr)->Destroy();
  ZORICkeParamFrame_var factory(parameter);
  if (!factory) return;
  editor = factory->GetInPanelEdition(nullptr, holders_[row], kTitles[row],
                                      ZORCkeWithSpinner | ZORCkeNoLabel, kTexts[row]);
  if (editor) Place(editor, 0, 0, ZORDlgGridConstraints::kFourSides);
}

void ZORWENUIPanelCoord::PushOK(ZORCommand*, ZORNotification* notification, ZORCallbackData) {
  if (GetFather()) SendNotification(GetFather(), notification);
}

void ZORWENUIPanelCoord::PushClose(ZORCommand*, ZORNotification* notification, ZORCallbackData) {
  if (GetFather()) SendNotification(GetFather(), notification);
}

void ZORWENUIPanelCoord::SetElemFeature(ZORISpecObject_var& axis) {
  if (!axis_) return;
  if (!axis) {
    axis_->ClearSelection();
    return;
  }
  axis_->SetSelectedElement(ZORBaseUnknown_var(axis), 1);
}

void ZORWENUIPanelCoord::SetHighlight() {
  if (axis_) axis_->Highlight();
}
