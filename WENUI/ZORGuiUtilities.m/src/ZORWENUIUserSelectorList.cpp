#include "ZORWENUIUserSelectorList.h"

#include <algorithm>

#include "ZORCleaner.h"
#include "ZORError.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORIPathAccess.h"
#include "ZORProtectedSection.h"
#include "ZORWENUIListHighlight.h"

namespace {

// How many wanted features ahead a synchronisation asks memory for.
constexpr int kFetchAhead = 8;

constexpr const char* kPath = "WENUI/ZORGuiUtilities.m/src/ZORWENUIUserSelectorList";
constexpr unsigned long kButtonsFrameStyle = 0x80000;

// The status of an operation, recorded with the line that decided it.
HRESULT Status(int line, bool ok) {
  return ZORError::GetReturn(ok ? 1 : 0, kPath, line);
}

bool HasNull(const ZORListValZORISpecObject_var& features) {
  return std::any_of(features.begin(), features.end(),
                     [](const ZORISpecObject_var& f) { return !f; });
}

// Whether the feature's tree path is highlighted already.
bool IsHighlightedInTree(const ZORHSO* hso, const ZORISpecObject_var& feature) {
  ZORIPathAccess_var access(feature);
  ZORPathElement path;
  return hso && access && SUCCEEDED(access->GetPathElement(path)) && hso->IsMember(path);
}

}  // namespace

ZORWENUIUserSelectorList::ZORWENUIUserSelectorList(ZORDialog* parent, const ZORString& name,
                                                   unsigned long style,
                                                   ZORGuiContextualMenuData menuData)
    : ZORGuiCommandStackFrame(parent, name, style, menuData),
      change_(ZORMake<ZORWENUIChangeNotification>()) {
  if (ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor()) hso_ = editor->GetHSO();
  placeholder_ = GetResourceValueFromKey("NoSelection");
  if (placeholder_.IsEmpty()) placeholder_ = ZORUnicodeString("No selection");
}

ZORWENUIUserSelectorList::~ZORWENUIUserSelectorList() {
  list_ = nullptr;
  buttons_ = nullptr;
  // It may be on its way up the father chain still.
  ZORCleaner::DeleteOnTransactionEnd(change_.Detach());
}

ZORDlgSelectorList* ZORWENUIUserSelectorList::CreateSelectorList(unsigned long style) {
  if (list_) return list_;
  list_ = new ZORDlgSelectorList(this, "SelectorList", style);
  list_->SetVisibleLineCount(5);
  list_->SetVisibleTextWidth(14);
  list_->SetLine(placeholder_, 0, ZORDlgList::kAddLine);
  AddAnalyseNotificationCB(list_, list_->GetListSelectNotification(),
                           &ZORWENUIUserSelectorList::SelectorClickEvent, nullptr);
  AddAnalyseNotificationCB(list_, list_->GetListActivateNotification(),
                           &ZORWENUIUserSelectorList::SelectorClickEvent, nullptr);
  CreateContextualMenu(list_);
  return list_;
}

ZORDlgFrame* ZORWENUIUserSelectorList::CreateButtonsFrame() {
  if (!buttons_) buttons_ = new ZORDlgFrame(this, "ButtonsFrame", kButtonsFrameStyle);
  return buttons_;
}

ZORDlgPushButton* ZORWENUIUserSelectorList::CreatePushButton(const ZORString& name,
                                                             unsigned long style) {
  return new ZORDlgPushButton(CreateButtonsFrame(), name, style);
}

ZORDlgCheckButton* ZORWENUIUserSelectorList::CreateCheckButton(const ZORString& name,
                                                               unsigned long style) {
  return new ZORDlgCheckButton(CreateButtonsFrame(), name, style);
}

void ZORWENUIUserSelectorList::SetAttachements() {
  if (list_) list_->SetGridConstraints({0, 0, 1, 1, ZORDlgGridConstraints::kFourSides});
  if (buttons_) {
    buttons_->SetGridConstraints(
        {0, 1, 1, 1, ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kTop});
  }
}

void ZORWENUIUserSelectorList::SetCtxMenu(ZORGuiContextualMenuData menuData) {
  SetMenuData(menuData);
}

int ZORWENUIUserSelectorList::SelectionSize() const {
  if (!list_ || features_.IsEmpty()) return 0;
  const std::vector<int> lines = list_->GetSelect();
  return static_cast<int>(
      std::count_if(lines.begin(), lines.end(), [this](int line) { return line < Size(); }));
}

void ZORWENUIUserSelectorList::GetSpecObjects(ZORListValZORISpecObject_var& features) const {
  features.Append(features_);
}

HRESULT ZORWENUIUserSelectorList::GetSelection(ZORRawCollint& positions) const {
  if (!list_ || features_.IsEmpty()) return Status(__LINE__, true);
  for (int line : list_->GetSelect()) {
    if (line < Size()) positions.Append(line + 1);
  }
  return Status(__LINE__, true);
}

HRESULT ZORWENUIUserSelectorList::GetSelection(ZORListValZORISpecObject_var& features) const {
  if (!list_ || features_.IsEmpty()) return Status(__LINE__, true);
  for (int line : list_->GetSelect()) {
    if (line < Size()) features.Append(features_[line + 1]);
  }
  return Status(__LINE__, true);
}

int ZORWENUIUserSelectorList::Locate(const ZORBaseUnknown_var& feature, int start) const {
  return index_.Locate(features_, feature, std::max(start, 0));
}

int ZORWENUIUserSelectorList::Locate(const ZORBaseUnknown_var& feature,
                                     const ZORListValZORISpecObject_var& list, int start) {
  return ZORWENUIFeatureIndex().Locate(list, feature, std::max(start, 0));
}

int ZORWENUIUserSelectorList::Locate(const ZORBaseUnknown_var& feature, const ZORHSO* hso,
                                     int start) {
  if (!hso || !feature) return 0;
  for (int p = std::max(start, 0) + 1; p <= hso->GetSize(); ++p) {
    const ZORPathElement* element = hso->GetElement(p);
    if (!element) continue;
    element->InitToLeafElement();
    if (ZORWENUIFeatureIndex::Matches(element->NextFatherElement(), feature)) return p;
  }
  return 0;
}

void ZORWENUIUserSelectorList::NotifyChange() {
  SendNotification(this, change_.get());
}

void ZORWENUIUserSelectorList::ShowLine(const ZORISpecObject_var& feature, int line, int flag) {
  const ZORUnicodeString text = ZORGmoUtilitiesServices::GetSpecDisplayName(feature);
  if (features_.IsEmpty()) {
    list_->SetLine(text, 0, ZORDlgList::kModifyLine);  // in place of the placeholder
  } else if (flag == ZORDlgList::kAddLine && line >= Size()) {
    list_->SetLine(text, -1, ZORDlgList::kAddLine);
  } else {
    list_->SetLine(text, line, flag);
  }
  list_->SetLineObject(line, ZORBaseUnknown_var(feature));  // what the line shows
}

std::vector<int> ZORWENUIUserSelectorList::LinesOf(const ZORISpecObject_var& feature) const {
  std::vector<int> lines = index_.LocateAll(features_, feature);
  for (int& line : lines) --line;
  return lines;
}

HRESULT ZORWENUIUserSelectorList::Append(const ZORISpecObject_var& feature) {
  if (!list_ || !feature) return Status(__LINE__, false);
  AppendLine(feature);
  NotifyChange();
  return Select(feature);
}

void ZORWENUIUserSelectorList::AppendLine(const ZORISpecObject_var& feature) {
  ShowLine(feature, Size(), ZORDlgList::kAddLine);
  features_.Append(feature);
  index_.Appended(features_);
}

HRESULT ZORWENUIUserSelectorList::Append(const ZORListValZORISpecObject_var& features) {
  for (const ZORISpecObject_var& feature : features) {
    const HRESULT hr = Append(feature);
    if (FAILED(hr)) return hr;
  }
  return Status(__LINE__, true);
}

HRESULT ZORWENUIUserSelectorList::Insert(const ZORISpecObject_var& feature, int position) {
  if (!list_ || !feature || position < 1 || position > Size()) return Status(__LINE__, false);
  // The entry that moves down gives its selection up to the new one.
  const HRESULT hr = UnSelect(features_[position]);
  if (FAILED(hr)) return hr;
  ShowLine(feature, position - 1, ZORDlgList::kAddLine);
  features_.InsertAt(position, feature);
  index_.Invalidate();
  NotifyChange();
  return Select(feature);
}

HRESULT ZORWENUIUserSelectorList::Replace(const ZORISpecObject_var& feature, int position) {
  if (!list_ || !feature || position < 1 || position > Size()) return Status(__LINE__, false);
  const HRESULT hr = UnSelect(features_[position]);
  if (FAILED(hr)) return hr;
  ShowLine(feature, position - 1, ZORDlgList::kModifyLine);
  features_.ReplaceAt(position, feature);
  index_.Replaced(features_, position);
  NotifyChange();
  return Select(feature);
}

HRESULT ZORWENUIUserSelectorList::Remove(int position) {
  if (!list_ || position < 1 || position > Size()) return Status(__LINE__, false);
  const HRESULT hr = UnSelect(features_[position]);
  if (FAILED(hr)) return hr;
  RemoveLines({position - 1});
  if (features_.IsEmpty()) list_->SetSelect(0, 0);
  NotifyChange();
  return Status(__LINE__, true);
}

void ZORWENUIUserSelectorList::RemoveLines(const std::vector<int>& lines) {
  if (lines.empty()) return;
  // Both references to a leaving feature are dropped together: at thousands of lines, dropping
  // them in two sweeps reads each feature from memory twice.
  for (int line : lines) {
    list_->SetLineObject(line, ZORBaseUnknown_var());
    features_[line + 1] = ZORISpecObject_var();
  }
  list_->ClearLine(lines.data(), static_cast<int>(lines.size()));
  index_.RemoveLines(features_, lines);
  if (features_.IsEmpty()) list_->SetLine(placeholder_, 0, ZORDlgList::kAddLine);
}

HRESULT ZORWENUIUserSelectorList::Synchronise(const ZORListValZORISpecObject_var& features) {
  if (!list_ || HasNull(features)) return Status(__LINE__, false);
  ZORException* caught = ZORProtect([&] {
    // Every entry some wanted feature matches stays; the others go before the wanted ones
    // missing are appended, so that the list and its index never hold both at once.
    std::vector<bool> kept(static_cast<std::size_t>(Size()), false);
    std::vector<const ZORISpecObject_var*> missing;
    for (int p = 1; p <= features.Size(); ++p) {
      // Most wanted features are read here first: ask for them a few ahead of the look-ups.
      if (p + kFetchAhead <= features.Size()) __builtin_prefetch(features[p + kFetchAhead].get());
      const ZORISpecObject_var& feature = features[p];
      const std::vector<int> lines = LinesOf(feature);
      for (const int line : lines) kept[static_cast<std::size_t>(line)] = true;
      if (lines.empty()) missing.push_back(&feature);
    }
    std::vector<int> gone;
    for (std::size_t line = 0; line < kept.size(); ++line) {
      if (!kept[line]) gone.push_back(static_cast<int>(line));
    }
    RemoveLines(gone);
    for (const ZORISpecObject_var* feature : missing) {
      // A feature wanted twice, or one related to a feature appended before, comes once.
      if (!LinesOf(*feature).empty()) continue;
      AppendLine(*feature);
      if (IsHighlightedInTree(hso_.get(), *feature)) list_->SetSelect(Size() - 1, 0);
    }
  });
  return Status(__LINE__, !ZORHandleCaught(caught));
}

HRESULT ZORWENUIUserSelectorList::Select(const ZORISpecObject_var& feature) {
  if (!list_ || !feature) return Status(__LINE__, false);
  const std::vector<int> lines = LinesOf(feature);
  if (!lines.empty()) list_->SetSelect(lines.data(), static_cast<int>(lines.size()), 0);
  return Highlight(feature);
}

HRESULT ZORWENUIUserSelectorList::Select(ZORWENEvent event) {
  if (!list_ || (!hso_ && !features_.IsEmpty())) return Status(__LINE__, false);
  std::vector<int> lines;
  for (int line = 0; line < Size(); ++line) {
    if (!list_->IsSelected(line)) lines.push_back(line);
  }
  for (const ZORISpecObject_var& feature : features_) {
    if (FAILED(ZORWENUIListHighlight::Add(hso_.get(), ZORBaseUnknown_var(feature), true))) {
      hso_->EndAddElements();
      return Status(__LINE__, false);
    }
  }
  if (hso_) hso_->EndAddElements();
  if (!lines.empty()) list_->SetSelect(lines.data(), static_cast<int>(lines.size()), event);
  return Status(__LINE__, true);
}

HRESULT ZORWENUIUserSelectorList::UnSelect(const ZORISpecObject_var& feature) {
  if (!list_ || !feature) return Status(__LINE__, false);
  const std::vector<int> lines = LinesOf(feature);
  list_->ClearSelect(lines.data(), static_cast<int>(lines.size()));
  return UnHighlight(feature);
}

HRESULT ZORWENUIUserSelectorList::UnSelect() {
  if (!list_ || (!hso_ && !features_.IsEmpty())) return Status(__LINE__, false);
  list_->ClearSelect();
  HRESULT hr = S_OK;
  for (const ZORISpecObject_var& feature : features_) {
    if (FAILED(ZORWENUIListHighlight::Remove(hso_.get(), ZORBaseUnknown_var(feature), true))) {
      hr = E_FAIL;
      break;
    }
  }
  if (hso_) hso_->EndRemoveElements();
  return Status(__LINE__, SUCCEEDED(hr));
}

HRESULT ZORWENUIUserSelectorList::Highlight(const ZORISpecObject_var& feature) {
  return Status(__LINE__, SUCCEEDED(ZORWENUIListHighlight::Add(
                              hso_.get(), ZORBaseUnknown_var(feature), false)));
}

HRESULT ZORWENUIUserSelectorList::UnHighlight(const ZORISpecObject_var& feature) {
  return Status(__LINE__, SUCCEEDED(ZORWENUIListHighlight::Remove(
                              hso_.get(), ZORBaseUnknown_var(feature), false)));
}

void ZORWENUIUserSelectorList::SelectorClickEvent(ZORCommand*, ZORNotification*, ZORCallbackData) {
  if (!list_ || !hso_) return;
  // The entries, not the lines: the placeholder line stands for no feature.
  for (int line = 0; line < Size(); ++line) {
    const ZORBaseUnknown_var feature(features_[line + 1]);
    if (list_->IsSelected(line)) {
      ZORWENUIListHighlight::Add(hso_.get(), feature, true);
    } else {
      ZORWENUIListHighlight::Remove(hso_.get(), feature, true);
    }
  }
  hso_->EndRemoveElements();
  hso_->EndAddElements();
}

void ZORWENUIUserSelectorList::SendNotificationAction(ZORCommand*, ZORNotification*,
                                                      ZORCallbackData data) {
  SendNotification(GetFather(), static_cast<ZORNotification*>(data));
}

ZORISpecObject_var ZORWENUIUserSelectorList::GetFeature() const {
  if (!list_ || features_.IsEmpty()) return nullptr;
  const std::vector<int> lines = list_->GetSelect();
  if (lines.size() != 1 || lines.front() >= Size()) return nullptr;
  return features_[lines.front() + 1];
}

HRESULT ZORWENUIUserSelectorList::GetFeature(ZORListValZORISpecObject_var& features) const {
  return GetSelection(features);
}
