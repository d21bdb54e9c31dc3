#include "ZORGuiCouplingSymbol.h"

#include <cmath>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DVisuHandle.h"
#include "ZORCleaner.h"
#include "ZORDlgContextualMenu.h"
#include "ZORFatalError.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesGetMilieu.h"
#include "ZORGuiTextSymbolGP.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORI3DGeoVisu.h"
#include "ZORProtectedSection.h"
#include "ZORSoftwareConfiguration.h"
#include "ZORWENUIContextNotification.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiCouplingSymbol";

// A unit direction across `along`: along crossed with the axis it leans on least. A null
// direction gives none.
std::optional<ZORMathDirection> Across(const ZORMathVector& along) {
  if (!(along.Norm() > 0.0)) return std::nullopt;
  const double x = std::abs(along.GetX());
  const double y = std::abs(along.GetY());
  const double z = std::abs(along.GetZ());
  ZORMathVector axis(0, 0, 1);
  if (x <= y && x <= z) {
    axis = ZORMathVector(1, 0, 0);
  } else if (y <= z) {
    axis = ZORMathVector(0, 1, 0);
  }
  return ZORMathDirection(along.Cross(axis));
}

// The first body of `feature`; null for a feature without one or in error.
ZORBody_var BodyOf(const ZORISpecObject_var& feature) {
  ZORBody_var body;
  if (!feature) return body;
  ZORHandleCaught(ZORProtect(
      [&] { body = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(feature.get())); }));
  return body;
}

}  // namespace

ZORGuiCouplingSymbol::ZORGuiCouplingSymbol(ZORCommand* father) : ZORCommand(father) {
  CreateHandle();
}

ZORGuiCouplingSymbol::~ZORGuiCouplingSymbol() {
  Destroy();
}

void ZORGuiCouplingSymbol::CreateHandle() {
  if (handle_ || destroyed_) return;
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORISO* iso = editor ? editor->GetISO() : nullptr;
  if (!iso) return;
  iso_ = iso;
  bag_ = ZORMake<ZOR3DBagRep>();
  handle_ = new (std::nothrow) ZOR3DVisuHandle(this, "handle", bag_.get());
  if (!bag_ || !handle_) ZORFatalError("0", kSource, __LINE__);
  iso_->AddElement(handle_);
  AddAnalyseNotificationCB(handle_, handle_->GetContextNotification(),
                           &ZORGuiCouplingSymbol::GetContext, nullptr);
  AddAnalyseNotificationCB(handle_, handle_->GetActivateNotification(),
                           &ZORGuiCouplingSymbol::GetActivate, nullptr);
}

void ZORGuiCouplingSymbol::SetCouplingPoints(const ZORListValZORISpecObject_var& points) {
  std::vector<ZORBody_var> bodies;
  for (const ZORISpecObject_var& point : points) {
    if (ZORBody_var body = BodyOf(point)) bodies.push_back(std::move(body));
  }
  // A line needs two bodies, however many features were given.
  if (bodies.size() < 2) return;
  ZORVar<ZORGeoFactory> factory = ZORGuiUtilitiesServices::GetCurrentGeoFactory();
  auto configuration = ZORMake<ZORSoftwareConfiguration>();
  if (!factory || !configuration) return;
  std::vector<ZORBody*> through;
  through.reserve(bodies.size());
  for (const ZORBody_var& body : bodies) through.push_back(body.get());
  ZORBody_var line = factory->CreateWireThrough(through, configuration.get());
  if (!line) return;
  if (line_) factory->Remove(line_.get());
  line_ = line;
  ZORMathPoint middle;
  ZORMathVector direction;
  if (SUCCEEDED(ZORGmoUtilitiesGetMilieu(line_, middle, direction))) {
    textPosition_ = ZORMathPointf(middle);
    // Along a null direction the name keeps its former way.
    if (const auto across = Across(direction)) textDirection_ = *across;
  }
  UpdateHandle();
}

void ZORGuiCouplingSymbol::SetText(const ZORUnicodeString& text) {
  text_ = text;
  UpdateHandle();
}

void ZORGuiCouplingSymbol::SetNoPick(unsigned int noPick) {
  noPick_ = noPick;
  UpdateHandle();
}

void ZORGuiCouplingSymbol::UpdateHandle() {
  if (!line_ || !bag_ || !handle_) return;
  // The whole drawing is made again: nothing of the former line or name may stay.
  bag_->RemoveAllChildren();
  bag_->SetColor(kColor);
  bag_->SetNoPick(noPick_ != 0);
  bag_->SetInheritanceMode(kInheritance);
  const int dimension = line_->GetHighestDimension() >= 2 ? 2 : 1;
  for (const ZORCell_var& cell : line_->GetCells()) {
    if (cell->GetDimension() != dimension) continue;
    ZORI3DGeoVisu_var visu(cell.get());
    ZOR3DRep_var drawn = visu ? visu->BuildRep() : nullptr;
    if (!drawn) continue;
    drawn->SetNoPick(noPick_ != 0);
    bag_->AddChild(drawn.get());
  }
  auto text = ZORMake<ZOR3DCustomRep>();
  if (!text) ZORFatalError("0", kSource, __LINE__);
  auto* symbol = static_cast<ZORGuiTextSymbolGP*>(text->AddGP(
      std::make_unique<ZORGuiTextSymbolGP>(textPosition_, ZORMathVectorf(textDirection_), 6, 3)));
  symbol->AssociateText(text_);
  text->SetColor(kColor);
  text->SetNoPick(noPick_ != 0);
  bag_->AddChild(text.get());
  if (iso_) iso_->UpdateElement(handle_);
}

void ZORGuiCouplingSymbol::GetContext(ZORCommand*, ZORNotification* notification, ZORCallbackData) {
  if (!context_) context_ = new (std::nothrow) ZORWENUIContextNotification();
  if (!context_) ZORFatalError("0", kSource, __LINE__);
  // Each context brings its own menu: the one sent is always the latest.
  context_->SendObject(ZORDlgContextualMenu::CarriedBy(notification));
  if (GetFather()) SendNotification(GetFather(), context_);
}

void ZORGuiCouplingSymbol::GetActivate(ZORCommand*, ZORNotification* notification,
                                       ZORCallbackData) {
  if (GetFather() && notification) SendNotification(GetFather(), notification);
}

void ZORGuiCouplingSymbol::SetId(const int id) {
  id_ = id;
  idSet_ = 1;
}

HRESULT ZORGuiCouplingSymbol::GetId(int& id) const {
  id = idSet_ ? id_ : 0;
  return idSet_ ? S_OK : E_FAIL;
}

void ZORGuiCouplingSymbol::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (handle_) {
    RemoveAnalyseNotificationCBs(handle_);
    if (iso_) iso_->RemoveElement(handle_);
    handle_->SetFather(nullptr);
    std::exchange(handle_, nullptr)->RequestDelayedDestruction();
  }
  if (line_) {
    if (ZORVar<ZORGeoFactory> factory = ZORGuiUtilitiesServices::GetCurrentGeoFactory()) {
      factory->Remove(line_.get());
    }
  }
  if (context_) ZORCleaner::DeleteOnTransactionEnd(std::exchange(context_, nullptr));
}

void ZORGuiCouplingSymbol::RequestDelayedDestruction() {
  Destroy();
  ZORCommand::RequestDelayedDestruction();
}
