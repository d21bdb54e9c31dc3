#include "ZORWENUIUpdateErrorMSPanel.h"

#include <span>

#include "ZORGmoUtilitiesServices.h"
#include "ZORMsgCatalog.h"
#include "ZORSysLogAbend.h"

namespace {

constexpr const char* kPanelName = "UpdateErrorPanel";
constexpr const char* kCatalog = "ZORWENUIUpdateErrorMSPanel";

struct ColumnTitle {
  const char* key;
  const char* defaultText;
};
constexpr ColumnTitle kTwoParentColumns[] = {{"Col1", "Feature"},
                                             {"Col2a", "FirstParent"},
                                             {"Col2b", "SecondParent"},
                                             {"Col3", "Diagnosis"}};
constexpr ColumnTitle kOneParentColumns[] = {
    {"Col1", "Feature"}, {"Col2", "Parent"}, {"Col3", "Diagnosis"}};

ZORUnicodeString CatalogText(const char* key, const char* defaultText) {
  return ZORMsgCatalog::BuildMessage(kCatalog, key, nullptr, 0, defaultText);
}

ZORUnicodeString NameOf(const ZORISpecObject_var& feature) {
  return ZORGmoUtilitiesServices::GetSpecDisplayName(feature);
}

ZORDlgGridConstraints Cell(int row, int column, int sides) {
  ZORDlgGridConstraints cell;
  cell.row = row;
  cell.column = column;
  cell.sides = sides;
  return cell;
}

}  // namespace

// A button of the column: its widget name, its title when the resources have none, the code it
// sends and whether it acts on the selection (insensitive until a row is selected).
struct ZORWENUIUpdateErrorMSPanel::ButtonLayout {
  const char* name;
  const char* defaultTitle;
  int code;
  bool onSelection;
};

ZORWENUIUpdateErrorMSPanel::ZORWENUIUpdateErrorMSPanel(ZORDialog* parent)
    : ZORFrmDialog(parent, kPanelName, kStyle),
      deactivateNotif_(ZORMake<ZORWENUIUpdateErrorMSDeactivateNotification>()),
      deleteNotif_(ZORMake<ZORWENUIUpdateErrorMSDeleteNotification>()),
      deactivateAllNotif_(ZORMake<ZORWENUIUpdateErrorMSDeactivateAllNotification>()),
      deleteAllNotif_(ZORMake<ZORWENUIUpdateErrorMSDeleteAllNotification>()),
      replaceParentNotif_(ZORMake<ZORWENUIUpdateErrorMSReplaceParentNotification>()),
      replaceParent2Notif_(ZORMake<ZORWENUIUpdateErrorMSReplaceParentNotification2>()) {}

ZORWENUIUpdateErrorMSPanel::~ZORWENUIUpdateErrorMSPanel() = default;

void ZORWENUIUpdateErrorMSPanel::BuildPanel(const bool twoParents) {
  // The widgets are the window's; building twice would leave a second set beside the first.
  if (list_) return;
  twoParents_ = twoParents;
  SetTitle(ResourceText("Title", "Features in error"));

  list_ = new ZORDlgMultiList(this, "ListOfFeatures", kListStyle);
  list_->ClearLine();
  buttonFrame_ = new ZORDlgFrame(this, "ButtonFrame", kFrameStyle);
  deactivateButton_ = AddButton({"DeactivateButton", "Deactivate", kDeactivate, true}, 0);
  deleteButton_ = AddButton({"DeleteButton", "Delete", kDelete, true}, 1);
  deactivateAllButton_ =
      AddButton({"DeactivateAllButton", "Deactivate all", kDeactivateAll, false}, 2);
  deleteAllButton_ = AddButton({"DeleteAllButton", "Delete all", kDeleteAll, false}, 3);
  if (twoParents_) {
    replaceParentButton_ =
        AddButton({"ReplaceParentButton1", "Replace first parent", kReplaceParent, true}, 4);
    replaceParent2Button_ =
        AddButton({"ReplaceParentButton2", "Replace second parent", kReplaceParent2, true}, 5);
  } else {
    replaceParentButton_ =
        AddButton({"ReplaceParentButton", "Replace parent", kReplaceParent, true}, 4);
  }

  TitleColumns();
  LayOut();
  AddAnalyseNotificationCB(list_, list_->GetListSelectNotification(),
                           &ZORWENUIUpdateErrorMSPanel::SelectLines, nullptr);
  SetOKTitle(ZORMsgCatalog::BuildMessage(kCatalog, "PanOkTitle"));
  SetVisibility(kShown);
}

ZORDlgPushButton* ZORWENUIUpdateErrorMSPanel::AddButton(const ButtonLayout& layout, int row) {
  auto* button = new ZORDlgPushButton(buttonFrame_, layout.name);
  button->SetTitle(ResourceText(ZORString(layout.name) + ".Title", layout.defaultTitle));
  button->SetSensitivity(layout.onSelection ? kInsensitive : kSensitive);
  button->SetGridConstraints(
      Cell(row, 0, ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kRight));
  AddAnalyseNotificationCB(button, button->GetPushBActivateNotification(),
                           &ZORWENUIUpdateErrorMSPanel::AnalyseNotifs, ZORIntData(layout.code));
  return button;
}

void ZORWENUIUpdateErrorMSPanel::TitleColumns() {
  const std::span<const ColumnTitle> columns =
      twoParents_ ? std::span<const ColumnTitle>(kTwoParentColumns) : kOneParentColumns;
  std::vector<ZORUnicodeString> titles;
  for (const ColumnTitle& column : columns) {
    titles.push_back(CatalogText(column.key, column.defaultText));
  }
  list_->SetColumnTitles(static_cast<int>(titles.size()), titles.data());
  list_->SetVisibleColumnCount(static_cast<int>(titles.size()));
}

void ZORWENUIUpdateErrorMSPanel::LayOut() {
  // The list fills the left of the window, the buttons stand in a column to its right.
  list_->SetGridConstraints(Cell(0, 0, ZORDlgGridConstraints::kFourSides));
  buttonFrame_->SetGridConstraints(Cell(
      0, 1,
      ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kRight | ZORDlgGridConstraints::kTop));
}

void ZORWENUIUpdateErrorMSPanel::SetListOfFeature(ZORListValZORISpecObject_var features,
                                                  ZORListValZORISpecObject_var parents1,
                                                  ZORListValZORISpecObject_var parents2,
                                                  ZORListValZORUnicodeString diagnoses) {
  if (!list_) return;
  // The rows are exactly the features given, whatever was shown before.
  list_->ClearLine();
  const int diagnosisColumn = twoParents_ ? 3 : 2;
  // Row r shows position r + 1 of each list; a shorter list leaves its cells of the last rows
  // empty.
  for (int row = 0; row < features.Size(); ++row) {
    const int position = row + 1;
    SetCell(0, row, NameOf(features[position]));
    if (position <= parents1.Size()) SetCell(1, row, NameOf(parents1[position]));
    if (twoParents_ && position <= parents2.Size()) SetCell(2, row, NameOf(parents2[position]));
    if (position <= diagnoses.Size()) SetCell(diagnosisColumn, row, diagnoses[position]);
  }
  RefreshButtons();
}

void ZORWENUIUpdateErrorMSPanel::SetCell(int column, int row, const ZORUnicodeString& text) {
  list_->SetColumnItem(column, text, row, ZORDlgList::kAddLine);
}

void ZORWENUIUpdateErrorMSPanel::AnalyseNotifs(ZORCommand*, ZORNotification*,
                                               ZORCallbackData data) {
  ZORNotification* notification = nullptr;
  switch (ZORDataInt(data)) {
    case kDeactivate:
      notification = deactivateNotif_.get();
      break;
    case kDelete:
      notification = deleteNotif_.get();
      break;
    case kDeactivateAll:
      notification = deactivateAllNotif_.get();
      break;
    case kDeleteAll:
      notification = deleteAllNotif_.get();
      break;
    case kReplaceParent:
      notification = replaceParentNotif_.get();
      break;
    case kReplaceParent2:
      notification = replaceParent2Notif_.get();
      break;
    default:
      ZORSysLogAbend("Notif inconnue!");
      return;
  }
  SendNotification(GetFather(), notification);
}

void ZORWENUIUpdateErrorMSPanel::GetNumberOfSelectedLines(int& count) const {
  if (list_) count = list_->GetSelectCount();
}

void ZORWENUIUpdateErrorMSPanel::GetSelectedLines(std::vector<int>& rows, const int count) const {
  if (!list_ || count < 1) return;
  rows.assign(static_cast<std::size_t>(count), 0);
  rows.resize(static_cast<std::size_t>(list_->GetSelect(rows.data(), count)));
}

void ZORWENUIUpdateErrorMSPanel::UpdatePanel(const int* rows, int count) {
  if (!list_) return;
  if (rows && count > 0) {
    list_->ClearLine(rows, count);
  } else {
    list_->ClearLine();
  }
  RefreshButtons();
}

void ZORWENUIUpdateErrorMSPanel::SelectLines(ZORCommand*, ZORNotification*, ZORCallbackData) {
  ActivateButtons(HasSelection());
}

void ZORWENUIUpdateErrorMSPanel::ActivateButtons(const bool on) {
  const int sensitivity = on ? kSensitive : kInsensitive;
  for (ZORDlgPushButton* button :
       {deactivateButton_, deleteButton_, replaceParentButton_, replaceParent2Button_}) {
    if (button) button->SetSensitivity(sensitivity);
  }
}

ZORUnicodeString ZORWENUIUpdateErrorMSPanel::ResourceText(const ZORString& key,
                                                          const char* defaultText) const {
  const ZORUnicodeString text = GetResourceValueFromKey(key);
  return text.IsEmpty() ? ZORUnicodeString(defaultText) : text;
}

void ZORWENUIUpdateErrorMSPanel::RefreshButtons() {
  // The "all" buttons have work while there are rows; the others while rows are selected.
  const int all = list_->GetLineCount() > 0 ? kSensitive : kInsensitive;
  deactivateAllButton_->SetSensitivity(all);
  deleteAllButton_->SetSensitivity(all);
  ActivateButtons(HasSelection());
}

bool ZORWENUIUpdateErrorMSPanel::HasSelection() const {
  return list_ && list_->GetSelectCount() > 0;
}
