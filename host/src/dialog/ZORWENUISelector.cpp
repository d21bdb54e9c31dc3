#include "ZORWENUISelector.h"

#include "ZORDlgSelectorList.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORHSO.h"
#include "ZORIPathAccess.h"

namespace {

struct EmptyText {
  const char* key;
  const char* text;
};

EmptyText EmptyTextOf(ZORWENUISelector::ZORWENUISelectorStyle selectorStyle) {
  switch (selectorStyle) {
    case ZORWENUISelector::kOptionalStyle:
      return {"Optional", "Optional"};
    case ZORWENUISelector::kDefaultStyle:
      return {"Default", "Default"};
    case ZORWENUISelector::kNoSelectionStyle:
      break;
  }
  return {"NoSelection", "No selection"};
}

ZORHSO* CurrentHSO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetHSO() : nullptr;
}

}  // namespace

ZORWENUISelector::ZORWENUISelector(ZORDlgDialog* owner, ZORDialog* parent, const ZORString& name,
                                   unsigned long style, ZORWENUISelectorStyle selectorStyle,
                                   ZORGuiContextualMenuData menuData,
                                   ZORGuiContextualMenuData emptyMenuData, bool withMenu)
    : ZORGuiCommandStackFrame(parent, name, style, menuData),
      owner_(owner),
      editor_(new ZORDlgSelectorList(this, "SelectorList")),
      emptyMenuData_(emptyMenuData) {
  editor_->SetVisibleLineCount(1);
  editor_->SetLine(ZORUnicodeString(), 0, ZORDlgSelectorList::kAddLine);
  SetNoSelectionText(selectorStyle);
  if (withMenu) CreateContextualMenu(editor_);
}

ZORWENUISelector::~ZORWENUISelector() {
  UnHighlight();
}

ZORNotification* ZORWENUISelector::GetListSelectNotification() const {
  return editor_->GetListSelectNotification();
}

void ZORWENUISelector::SetNoSelectionText(ZORWENUISelectorStyle selectorStyle) {
  const EmptyText empty = EmptyTextOf(selectorStyle);
  const ZORUnicodeString text = GetResourceValueFromKey(ZORString(empty.key));
  SetNoSelectionText(text.IsEmpty() ? ZORUnicodeString(empty.text) : text);
}

void ZORWENUISelector::SetNoSelectionText(const ZORUnicodeString& text) {
  noSelection_ = text;
  if (!element_) ShowLine();
}

void ZORWENUISelector::ShowLine() {
  ZORUnicodeString text = noSelection_;
  if (element_) {
    text = ZORGmoUtilitiesServices::GetSpecDisplayName(element_);
    if (text.IsEmpty()) text = ZORUnicodeString(element_->IsA());
  }
  editor_->SetLine(text, 0, ZORDlgSelectorList::kModifyLine);
}

void ZORWENUISelector::SetSelectedElement(const ZORBaseUnknown_var& element, int notify) {
  if (!element) {
    ClearSelection();
    return;
  }
  if (element_ != element) UnHighlight();
  element_ = element;
  ShowLine();
  if (notify == 1) {
    editor_->ClearSelect();
    editor_->SetSelect(0, 1);
  }
}

void ZORWENUISelector::ClearSelection() {
  UnHighlight();
  element_ = nullptr;
  editor_->ClearSelect();
  ShowLine();
}

void ZORWENUISelector::Refresh() {
  ShowLine();
}

HRESULT ZORWENUISelector::Highlight() {
  ZORHSO* hso = CurrentHSO();
  ZORIPathAccess_var access(element_);
  ZORPathElement path;
  if (!hso || !access || FAILED(access->GetPathElement(path))) return E_FAIL;
  if (highlighted_ == path) return S_OK;
  UnHighlight();
  if (FAILED(hso->AddElement(path))) return E_FAIL;
  highlighted_ = path;
  return S_OK;
}

HRESULT ZORWENUISelector::UnHighlight() {
  if (!highlighted_.IsSet()) return S_OK;
  ZORHSO* hso = CurrentHSO();
  const ZORPathElement path = highlighted_;
  highlighted_ = ZORPathElement();
  return hso ? hso->RemoveElement(path) : E_FAIL;
}

void ZORWENUISelector::ManageSelection(ZORCommand* sender, ZORNotification* notification,
                                       ZORCallbackData data) {
  if (element_ && editor_->IsSelected(0)) {
    Highlight();
  } else {
    UnHighlight();
  }
  SendNotif(sender, notification, data);
}

void ZORWENUISelector::RemoveMenuSelection(ZORCommand* sender, ZORNotification* notification,
                                           ZORCallbackData data) {
  ClearSelection();
  ZORGuiCommandStackFrame::RemoveMenuSelection(sender, notification, data);
}

ZORGuiContextualMenuData ZORWENUISelector::MenuDataInEffect() const {
  return element_ ? GetMenuData() : emptyMenuData_;
}
