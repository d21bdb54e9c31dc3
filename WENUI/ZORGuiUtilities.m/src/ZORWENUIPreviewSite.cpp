#include "ZORWENUIPreviewSite.h"

#include <memory>
#include <new>
#include <vector>

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZORDlgContextualMenu.h"
#include "ZORFatalError.h"
#include "ZORFrmEditor.h"
#include "ZORFrmLayout.h"
#include "ZORGuiTextSymbolGP.h"
#include "ZORI3DGeoVisu.h"
#include "ZORSt3DISO.h"
#include "ZORWENUIActivateSiteNotification.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORWENUIPreviewSite";

ZORISO* EditorISO() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetISO() : nullptr;
}

}  // namespace

ZORWENUIPreviewSite::ZORWENUIPreviewSite() = default;

ZORWENUIPreviewSite::ZORWENUIPreviewSite(const ZORString& name, int style, int flag)
    : ZORWENUIObjectAgent(style, flag) {
  SetName(name);
}

ZORWENUIPreviewSite::~ZORWENUIPreviewSite() {
  if (ZORISO* iso = EditorISO(); iso && shown_) iso->RemoveElement(shown_.get());
}

void ZORWENUIPreviewSite::SetData(ZORBody* body, int index) {
  body_ = body;
  index_ = index;
}

void ZORWENUIPreviewSite::GetData(ZORBody*& body, int& index) const {
  body = body_;
  index = index_;
}

void ZORWENUIPreviewSite::UpdateRepColor(unsigned char redraw) {
  if (!rep_) return;
  const int color = state_ == 1 ? kOtherColor : kCurrentColor;
  rep_->SetColor(color);
  for (const ZOR3DRep_var& child : rep_->GetChildren()) child->SetColor(color);
  if (redraw) RedrawRep();
}

void ZORWENUIPreviewSite::UpdateRepText(unsigned char redraw) {
  if (!rep_ || !text_) return;
  ZORUnicodeString number = ZORUnicodeString::Format("%d", index_);
  if (state_ == 1) number = ZORUnicodeString("(") + number + ")";
  text_->AssociateText(number);
  if (redraw) RedrawRep();
}

void ZORWENUIPreviewSite::RedrawRep() {
  ZORFrmLayout::GetCurrentLayout()->GetCurrentViewer()->Redraw();
}

ZOR3DRep* ZORWENUIPreviewSite::BuildSpec3DRep() {
  auto* created = new (std::nothrow) ZOR3DBagRep();
  auto text = ZORMake<ZOR3DCustomRep>();
  if (!created || !text) ZORFatalError("0", kSource, __LINE__);
  // Held by the site, so that the colour and the number can change while it is shown.
  rep_ = ZORVar<ZOR3DBagRep>::Adopt(created);
  ZOR3DBagRep* group = rep_.get();
  group->SetInheritanceMode(kInheritance);
  if (body_) {
    // The body as its cells draw it.
    for (const ZORCell_var& cell : body_->GetCells()) {
      ZORI3DGeoVisu_var visu(cell.get());
      ZOR3DRep_var drawn = visu ? visu->BuildRep() : nullptr;
      if (drawn) group->AddChild(drawn.get());
    }
    const ZORMathPointf at(body_->GetCenterOfGravity());
    text_ = static_cast<ZORGuiTextSymbolGP*>(
        text->AddGP(std::make_unique<ZORGuiTextSymbolGP>(at, ZORMathVectorf(1, 0, 0), 6, 3)));
    group->AddChild(text.get());
  }
  UpdateRepColor(0);
  UpdateRepText(0);
  return group;
}

void ZORWENUIPreviewSite::SetVisibility(int visibility) {
  ZORWENUIObjectAgent::SetVisibility(visibility);
  ZORISO* iso = EditorISO();
  if (!iso) return;
  if (visibility == 4) {
    if (shown_) iso->RemoveElement(std::exchange(shown_, nullptr).get());
    return;
  }
  if (shown_) return;
  if (!GetBagRep()) BuildSpec3DBagRep();
  if (!GetBagRep()) return;
  shown_ = ZORVar<ZORBaseUnknown>(ZORMake<ZORSt3DISO>(GetBagRep()).get());
  iso->AddElement(shown_.get());
}

void ZORWENUIPreviewSite::ActivateMan(ZORCommand* sender, ZORNotification* notification,
                                      ZORCallbackData data) {
  ZORWENUIObjectAgent::ActivateMan(sender, notification, data);
  // Flagged before it is told: the command's action may run within the send.
  clicked_ = 1;
  auto* activated = new (std::nothrow) ZORWENUIActivateSiteNotification(this);
  if (!activated) ZORFatalError("0", kSource, __LINE__);
  Send(activated);
}

void ZORWENUIPreviewSite::Context(ZORCommand* sender, ZORNotification* notification,
                                  ZORCallbackData data) {
  if (ZORDlgContextualMenu* menu = ZORDlgContextualMenu::CarriedBy(notification)) {
    const std::vector<ZORDialog*> entries = menu->GetDialogChildren();
    for (ZORDialog* entry : entries) {
      const std::string& name = entry->GetName().str();
      if (name != "ZORAfrReframeOnPSOHdr" && name != "ReframeOnHSO") entry->Destroy();
    }
  }
  ZORWENUIObjectAgent::Context(sender, notification, data);
}
