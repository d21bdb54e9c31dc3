#include "ZORWENUIModesSelectorList.h"

#include <algorithm>

#include "ZORCleaner.h"
#include "ZORError.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORIdentityOf.h"
#include "ZORWENUIListHighlight.h"

namespace {

constexpr const char* kPath = "WENUI/ZORGuiUtilities.m/src/ZORWENUIModesSelectorList";
constexpr unsigned long kButtonsFrameStyle = 0x80000;
constexpr unsigned long kButtonStyle = 0x100000;
constexpr unsigned long kChecked = ZORDlgCheckButton::kChecked;
constexpr unsigned long kUnchecked = ZORDlgCheckButton::kUnchecked;

// The status of an operation, recorded with the line that decided it.
HRESULT Status(int line, bool ok) {
  return ZORError::GetReturn(ok ? 1 : 0, kPath, line);
}

// Lines 0..count-1, or the placeholder line alone for an empty list.
std::vector<int> AllLines(int count) {
  std::vector<int> lines(static_cast<std::size_t>(std::max(count, 1)));
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = static_cast<int>(i);
  return lines;
}

// `lines` without repeats, the first occurrence kept in place.
std::vector<int> WithoutRepeats(const std::vector<int>& lines) {
  std::vector<int> kept;
  std::vector<int> seen = lines;
  std::sort(seen.begin(), seen.end());
  std::vector<bool> taken(seen.size(), false);
  for (int line : lines) {
    const auto at =
        static_cast<std::size_t>(std::lower_bound(seen.begin(), seen.end(), line) - seen.begin());
    if (taken[at]) continue;
    taken[at] = true;
    kept.push_back(line);
  }
  return kept;
}

bool HasNull(const ZORListValZORISpecObject_var& features) {
  return std::any_of(features.begin(), features.end(),
                     [](const ZORISpecObject_var& f) { return !f; });
}

}  // namespace

ZORWENUIModesSelectorList::ZORWENUIModesSelectorList(ZORDialog* parent, const ZORString& name,
                                                     unsigned long style,
                                                     ZORGuiContextualMenuData menuData)
    : ZORGuiCommandStackFrame(parent, name, style, menuData),
      change_(ZORMake<ZORWENUIChangeNotification>()) {
  if (ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor()) hso_ = editor->GetHSO();
  list_ = new ZORDlgSelectorList(this, "SelectorList", ZORDlgList::kMultipleSelection);
  list_->SetVisibleLineCount(5);
  list_->SetVisibleTextWidth(14);
  placeholder_ = GetResourceValueFromKey("NoSelection");
  if (placeholder_.IsEmpty()) placeholder_ = ZORUnicodeString("No selection");
  list_->SetLine(placeholder_, 0, ZORDlgList::kAddLine);
  selection_ = {0};
  ApplySelection(selection_, 0);
  AddAnalyseNotificationCB(list_, list_->GetListSelectNotification(),
                           &ZORWENUIModesSelectorList::SelectorClickEvent, nullptr);
  BuildButtons();
  list_->SetGridConstraints({0, 0, 2, 1, ZORDlgGridConstraints::kFourSides});
  buttons_->SetGridConstraints(
      {0, 1, 2, 1, ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kTop});
  CreateContextualMenu(list_);
  AddAnalyseNotificationCB(this, GetReplaceNotification(), &ZORWENUIModesSelectorList::ReplaceEvent,
                           nullptr);
}

void ZORWENUIModesSelectorList::BuildButtons() {
  buttons_ = new ZORDlgFrame(this, "ButtonsFrame", kButtonsFrameStyle);
  append_ = new ZORDlgCheckButton(buttons_, "Append", kButtonStyle);
  remove_ = new ZORDlgCheckButton(buttons_, "Remove", kButtonStyle);
  int row = 0;
  for (ZORDlgCheckButton* button : {append_, remove_}) {
    button->SetSensitivity(kInsensitive);
    button->SetGridConstraints({row++, 0, 1, 1, ZORDlgGridConstraints::kLeft});
    AddAnalyseNotificationCB(button, button->GetChkBDoubleClickNotification(),
                             &ZORWENUIModesSelectorList::ButtonDblClickEvent, nullptr);
  }
  AddAnalyseNotificationCB(append_, append_->GetChkBModifyNotification(),
                           &ZORWENUIModesSelectorList::AppendClickEvent, nullptr);
  AddAnalyseNotificationCB(remove_, remove_->GetChkBModifyNotification(),
                           &ZORWENUIModesSelectorList::RemoveClickEvent, nullptr);
}

ZORWENUIModesSelectorList::~ZORWENUIModesSelectorList() {
  list_ = nullptr;
  buttons_ = nullptr;
  append_ = remove_ = nullptr;
  // It may be on its way up the father chain still.
  ZORCleaner::DeleteOnTransactionEnd(change_.Detach());
}

void ZORWENUIModesSelectorList::SetCtxMenu(ZORGuiContextualMenuData menuData) {
  SetMenuData(menuData);
}

std::vector<int>& ZORWENUIModesSelectorList::Selection() {
  if (unread_ && list_) selection_ = list_->GetSelect();
  unread_ = false;
  return selection_;
}

bool ZORWENUIModesSelectorList::ShowsSelection() const {
  return !unread_ && list_->GetSelectCount() == static_cast<int>(selection_.size()) &&
         std::all_of(selection_.begin(), selection_.end(),
                     [this](int line) { return list_->IsSelected(line); });
}

void ZORWENUIModesSelectorList::ApplySelection(const std::vector<int>& lines, int notify) const {
  if (list_ && !lines.empty()) {
    list_->SetSelect(lines.data(), static_cast<int>(lines.size()), notify);
  }
}

HRESULT ZORWENUIModesSelectorList::HighlightLines(const std::vector<int>& lines, bool on) {
  for (int line : lines) {
    if (line < 0 || line >= features_.Size()) return Status(__LINE__, false);
    const ZORBaseUnknown_var feature(features_[line + 1]);
    const HRESULT hr = on ? ZORWENUIListHighlight::Add(hso_.get(), feature, true)
                          : ZORWENUIListHighlight::Remove(hso_.get(), feature, true);
    if (FAILED(hr)) return Status(__LINE__, false);
  }
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::SetFocus() {
  if (!list_) return Status(__LINE__, false);
  if (Selection().empty()) selection_ = AllLines(features_.Size());
  ApplySelection(selection_, 1);
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::Highlight() {
  if (Selection().empty()) return Status(__LINE__, true);
  if (!hso_ || !list_) return Status(__LINE__, false);
  if (!ShowsSelection()) {
    list_->ClearSelect();
    ApplySelection(selection_, 0);
  }
  if (features_.IsEmpty()) return Status(__LINE__, true);
  const HRESULT hr = HighlightLines(selection_, true);
  hso_->EndAddElements();
  return hr;
}

HRESULT ZORWENUIModesSelectorList::UnHighlight() {
  if (!list_) return Status(__LINE__, false);
  const bool highlighted = !features_.IsEmpty() && !Selection().empty();
  if (highlighted && !hso_) return Status(__LINE__, false);
  list_->ClearSelect();
  if (!highlighted) return Status(__LINE__, true);
  const HRESULT hr = HighlightLines(selection_, false);
  hso_->EndRemoveElements();
  return hr;
}

int ZORWENUIModesSelectorList::GetMode() const {
  if (!append_ || !remove_) return kUndefined;
  const unsigned long a = append_->GetState(), r = remove_->GetState();
  if (a == kChecked && r == kUnchecked) return kAppend;
  if (a == kUnchecked && r == kChecked) return kRemove;
  if (a == kChecked && r == kChecked) return kReplace;
  if (a == kUnchecked && r == kUnchecked) return kStandard;
  return kUndefined;
}

HRESULT ZORWENUIModesSelectorList::Refresh() {
  if (!append_ || !remove_) return Status(__LINE__, false);
  const int sensitivity = features_.IsEmpty() ? kInsensitive : kSensitive;
  for (ZORDlgCheckButton* button : {append_, remove_}) {
    if (!sticky_) button->SetState(kUnchecked, 0);
    button->SetSensitivity(sensitivity);
  }
  return Status(__LINE__, true);
}

int ZORWENUIModesSelectorList::Locate(const ZORBaseUnknown_var& feature, int start) const {
  return index_.Locate(features_, feature, std::max(start, 0));
}

HRESULT ZORWENUIModesSelectorList::Sort(const ZORListValZORISpecObject_var& input,
                                        ZORListValZORISpecObject_var& toAdd,
                                        ZORRawCollint& toRemove, int keep) {
  if (input.IsEmpty()) return Status(__LINE__, true);
  const int mode = GetMode();
  if (!hso_ || !list_ || mode == kUndefined || HasNull(input)) return Status(__LINE__, false);
  const bool addNew = mode != kRemove || keep;
  const bool recordFound = mode != kAppend && !keep;
  std::vector<int> positions;
  for (const ZORISpecObject_var& feature : input) {
    const int position = Locate(ZORBaseUnknown_var(feature), 0);
    if (position != 0 && recordFound) positions.push_back(position);
    // In the replace mode a re-picked feature replaces the listed one: its BRep stays.
    if ((position != 0 && mode == kReplace) || (position == 0 && addNew)) {
      toAdd.Append(feature);
    } else if (position == 0 || recordFound ||
               ZORIdentityOf(features_[position]) != ZORIdentityOf(feature)) {
      // What the pick made goes; a listed entry handed in again stays while it is listed.
      ZORGmoUtilitiesServices::RemoveBRep(ZORBaseUnknown_var(feature));
    }
  }
  hso_->Empty();
  if (mode == kReplace) {
    for (int line : Selection()) positions.push_back(line + 1);
  }
  // Repeats would remove a wrong entry: each position goes once, ascending.
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  for (int position : positions) toRemove.Append(position);
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::Append(const ZORISpecObject_var& feature, int select,
                                          int highlight) {
  ZORListValZORISpecObject_var one;
  one.Append(feature);
  return AppendAll(one, ZORListValZORUnicodeString(), select, highlight, false);
}

HRESULT ZORWENUIModesSelectorList::Append(const ZORListValZORISpecObject_var& features, int select,
                                          int highlight) {
  return AppendAll(features, ZORListValZORUnicodeString(), select, highlight, true);
}

HRESULT ZORWENUIModesSelectorList::Append(const ZORListValZORISpecObject_var& features,
                                          const ZORListValZORUnicodeString& suffixes, int select,
                                          int highlight) {
  return AppendAll(features, suffixes, select, highlight, true);
}

HRESULT ZORWENUIModesSelectorList::AppendAll(const ZORListValZORISpecObject_var& features,
                                             const ZORListValZORUnicodeString& suffixes, int select,
                                             int highlight, bool batch) {
  if (features.IsEmpty()) return Status(__LINE__, true);
  if ((highlight && !hso_) || !list_ || HasNull(features)) return Status(__LINE__, false);
  if (select) {
    Selection();
    // The placeholder's selection gives way to the new lines.
    if (features_.IsEmpty() && selection_ == std::vector<int>{0}) selection_.clear();
  }
  // The list shows what is stored unless the stored selection was not applied (UnHighlight):
  // then the whole selection is applied again, otherwise only the new lines.
  const bool inStep = list_->GetSelectCount() == static_cast<int>(selection_.size());
  std::vector<int> added;
  for (int k = 1; k <= features.Size(); ++k) {
    const int line = features_.Size();
    ZORUnicodeString text = ZORGmoUtilitiesServices::GetSpecDisplayName(features[k]);
    if (k <= suffixes.Size()) text += suffixes[k];
    if (line == 0) {
      list_->SetLine(text, 0, ZORDlgList::kModifyLine);
    } else {
      list_->SetLine(text, -1, ZORDlgList::kAddLine);
    }
    list_->SetLineObject(line, ZORBaseUnknown_var(features[k]));  // what the line shows
    features_.Append(features[k]);
    if (select) added.push_back(line);
  }
  index_.Appended(features_);
  if (!select) return Status(__LINE__, true);
  selection_.insert(selection_.end(), added.begin(), added.end());
  ApplySelection(inStep ? added : selection_, 0);
  if (!highlight) return Status(__LINE__, true);
  for (int line : added) {
    const ZORBaseUnknown_var feature(features_[line + 1]);
    if (FAILED(ZORWENUIListHighlight::Add(hso_.get(), feature, batch))) {
      if (batch) hso_->EndAddElements();
      return Status(__LINE__, false);
    }
  }
  if (batch) hso_->EndAddElements();
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::Remove(int position, int unhighlight) {
  if (position < 1 || position > features_.Size() || (unhighlight && !hso_) || !list_) {
    return Status(__LINE__, false);
  }
  if (unhighlight && FAILED(ZORWENUIListHighlight::Remove(
                         hso_.get(), ZORBaseUnknown_var(features_[position]), false))) {
    return Status(__LINE__, false);
  }
  RemoveLines({position - 1});
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::Remove(const ZORRawCollint& positions, int unhighlight) {
  if (positions.IsEmpty()) return Status(__LINE__, true);
  if ((unhighlight && !hso_) || !list_) return Status(__LINE__, false);
  // Only strictly ascending positions of the list: anything else would read past it or take
  // a wrong entry.
  std::vector<int> lines;
  lines.reserve(static_cast<std::size_t>(positions.Size()));
  for (int position : positions) {
    if (position < 1 || position > features_.Size()) return Status(__LINE__, false);
    if (!lines.empty() && position - 1 <= lines.back()) return Status(__LINE__, false);
    lines.push_back(position - 1);
  }
  if (unhighlight) {
    const HRESULT hr = HighlightLines(lines, false);
    hso_->EndRemoveElements();
    if (FAILED(hr)) return hr;
  }
  RemoveLines(lines);
  return Status(__LINE__, true);
}

void ZORWENUIModesSelectorList::RemoveLines(const std::vector<int>& lines) {
  const int size = features_.Size();
  std::vector<int>& selection = Selection();
  // The list's selected lines move with them: when it shows the stored selection, it still
  // does once the lines are gone.
  const bool inStep = ShowsSelection();
  list_->ClearLine(lines.data(), static_cast<int>(lines.size()));
  const std::vector<int> moved = index_.RemoveLines(features_, lines);
  if (features_.IsEmpty()) list_->SetLine(placeholder_, 0, ZORDlgList::kAddLine);
  // Selected lines move up past the removed ones; the removed ones leave the selection.
  std::vector<int> kept;
  for (int selected : selection) {
    if (selected < 0 || selected >= size) continue;
    if (const int to = moved[static_cast<std::size_t>(selected) + 1]) kept.push_back(to - 1);
  }
  selection = std::move(kept);
  if (inStep) return;
  list_->ClearSelect();
  ApplySelection(selection, 0);
}

HRESULT ZORWENUIModesSelectorList::RemoveAll(int unhighlight) {
  if (!list_) return Status(__LINE__, false);
  if (unhighlight && !features_.IsEmpty()) {
    if (!hso_ || !ZORFrmEditor::GetCurrentEditor()) return Status(__LINE__, false);
    const HRESULT hr = HighlightLines(Selection(), false);
    hso_->EndRemoveElements();
    if (FAILED(hr)) return hr;
  }
  list_->ClearLine();
  list_->SetLine(placeholder_, 0, ZORDlgList::kAddLine);
  // Nothing stays selected, so that the next Append starts from a clean selection.
  selection_.clear();
  unread_ = false;
  features_.RemoveAll();
  index_.Cleared();
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::SelectAll() {
  if (!list_ || (!hso_ && !features_.IsEmpty())) return Status(__LINE__, false);
  list_->ClearSelect();
  selection_ = AllLines(features_.Size());
  unread_ = false;
  ApplySelection(selection_, 0);
  if (features_.IsEmpty()) return Status(__LINE__, true);
  HRESULT hr = S_OK;
  for (const ZORISpecObject_var& feature : features_) {
    if (FAILED(ZORWENUIListHighlight::Add(hso_.get(), ZORBaseUnknown_var(feature), true))) {
      hr = E_FAIL;
      break;
    }
  }
  hso_->EndAddElements();
  return Status(__LINE__, SUCCEEDED(hr));
}

HRESULT ZORWENUIModesSelectorList::GetSelection(ZORListValZORISpecObject_var& features) {
  if (features_.IsEmpty()) return Status(__LINE__, true);
  for (int line : Selection()) {
    if (line >= 0 && line < features_.Size()) features.Append(features_[line + 1]);
  }
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::GetSelection(ZORRawCollint& positions) {
  if (features_.IsEmpty()) return Status(__LINE__, true);
  for (int line : Selection()) {
    if (line >= 0 && line < features_.Size()) positions.Append(line + 1);
  }
  return Status(__LINE__, true);
}

HRESULT ZORWENUIModesSelectorList::SetSelection(const ZORRawCollint& positions) {
  std::vector<int> lines;
  for (int position : positions) {
    if (position < 1 || position > features_.Size()) return Status(__LINE__, false);
    lines.push_back(position - 1);
  }
  return ReplaceSelection(lines);
}

HRESULT ZORWENUIModesSelectorList::SetSelection(const ZORListValZORISpecObject_var& features) {
  std::vector<int> lines;
  for (const ZORISpecObject_var& feature : features) {
    const int position = Locate(ZORBaseUnknown_var(feature), 0);
    if (position == 0) return Status(__LINE__, false);  // an unlisted feature cannot be selected
    lines.push_back(position - 1);
  }
  return ReplaceSelection(lines);
}

HRESULT ZORWENUIModesSelectorList::ReplaceSelection(const std::vector<int>& lines) {
  if (!list_ || (!hso_ && !features_.IsEmpty())) return Status(__LINE__, false);
  if (!features_.IsEmpty() && !Selection().empty()) {
    const HRESULT hr = HighlightLines(selection_, false);
    hso_->EndRemoveElements();
    if (FAILED(hr)) return hr;
  }
  list_->ClearSelect();
  selection_ = WithoutRepeats(lines);
  ApplySelection(selection_, 0);
  if (selection_.empty()) return Status(__LINE__, true);
  const HRESULT hr = HighlightLines(selection_, true);
  hso_->EndAddElements();
  return hr;
}

ZORNotification* ZORWENUIModesSelectorList::SelectorClickNotification() const {
  return list_ ? list_->GetListSelectNotification() : nullptr;
}

ZORISpecObject_var ZORWENUIModesSelectorList::GetFeature() {
  const std::vector<int>& selection = Selection();
  if (selection.size() != 1 || selection.front() >= features_.Size()) return nullptr;
  return features_[selection.front() + 1];
}

HRESULT ZORWENUIModesSelectorList::GetFeature(ZORListValZORISpecObject_var& features) {
  return GetSelection(features);
}

void ZORWENUIModesSelectorList::SelectorClickEvent(ZORCommand*, ZORNotification* notification,
                                                   ZORCallbackData) {
  SendNotification(GetFather(), notification);
  if (hso_ && list_ && !features_.IsEmpty()) {
    HighlightLines(selection_, false);
    hso_->EndRemoveElements();
    selection_ = list_->GetSelect();
    unread_ = false;
    if (!selection_.empty()) {
      HighlightLines(selection_, true);
      hso_->EndAddElements();
    }
  } else {
    unread_ = true;  // read when it is needed
  }
  if (GetMode() == kReplace) Refresh();
}

void ZORWENUIModesSelectorList::AppendClickEvent(ZORCommand*, ZORNotification*, ZORCallbackData) {
  sticky_ = false;
  if (remove_) remove_->SetState(kUnchecked, 0);
}

void ZORWENUIModesSelectorList::RemoveClickEvent(ZORCommand*, ZORNotification*, ZORCallbackData) {
  sticky_ = false;
  if (append_) append_->SetState(kUnchecked, 0);
}

void ZORWENUIModesSelectorList::ButtonDblClickEvent(ZORCommand*, ZORNotification*,
                                                    ZORCallbackData) {
  sticky_ = true;
}

void ZORWENUIModesSelectorList::ReplaceEvent(ZORCommand*, ZORNotification*, ZORCallbackData) {
  // Replacing needs one listed line to replace.
  if (!list_ || !append_ || !remove_ || features_.IsEmpty() || list_->GetSelectCount() != 1) {
    return;
  }
  append_->SetState(kChecked, 0);
  remove_->SetState(kChecked, 0);
}
