#include "ZORGuiCouplingPointSymbol.h"

#include "ZOR3DBagRep.h"
#include "ZOR3DPointRep.h"
#include "ZORFatalError.h"
#include "ZORFrmEditor.h"
#include "ZORI3DGeoVisu.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiCouplingPointSymbol";

}  // namespace

ZORGuiCouplingPointSymbol::ZORGuiCouplingPointSymbol(ZORCommand* father) : ZORCommand(father) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  iso_ = editor ? editor->GetISO() : nullptr;
}

ZORGuiCouplingPointSymbol::~ZORGuiCouplingPointSymbol() {
  Destroy();
}

int ZORGuiCouplingPointSymbol::SymbolOfKind(int kind) {
  switch (kind) {
    case 1:
      return 6;
    case 2:
      return 4;
    case 3:
      return 12;
    default:
      return 5;
  }
}

HRESULT ZORGuiCouplingPointSymbol::SetPoints(const ZORListValZORMathPoint& points,
                                             const ZORRawCollint& kinds) {
  if (points.Size() != kinds.Size()) return E_INVALIDARG;
  points_ = points;
  kinds_ = kinds;
  UpdateRep();
  return S_OK;
}

void ZORGuiCouplingPointSymbol::SetBody(const ZORBody_var& profile) {
  profile_ = profile;
  UpdateRep();
}

void ZORGuiCouplingPointSymbol::SetNoPick(unsigned int noPick) {
  noPick_ = noPick;
  UpdateRep();
}

void ZORGuiCouplingPointSymbol::UpdateRep() {
  if (!profile_ || !iso_ || destroyed_) return;
  auto bag = ZORMake<ZOR3DBagRep>();
  if (!bag) ZORFatalError("0", kSource, __LINE__);
  bag->SetInheritanceMode(kInheritance);
  bag->SetColor(kColor);
  bag->SetNoPick(noPick_ != 0);
  for (const ZORCell_var& cell : profile_->GetCells()) {
    if (cell->GetDimension() != 1) continue;
    ZORI3DGeoVisu_var visu(cell.get());
    ZOR3DRep_var edge = visu ? visu->BuildRep() : nullptr;
    if (!edge) continue;
    edge->SetInheritanceMode(kEdgeInheritance);
    bag->AddChild(edge.get());
  }
  for (int i = 1; i <= points_.Size(); ++i) {
    auto marker = ZORMake<ZOR3DPointRep>(points_[i], SymbolOfKind(kinds_[i]));
    if (!marker) ZORFatalError("0", kSource, __LINE__);
    bag->AddChild(marker.get());
  }
  if (!shown_) {
    shown_ = ZORMake<ZORSt3DISO>(bag.get());
    if (!shown_) ZORFatalError("0", kSource, __LINE__);
    iso_->AddElement(shown_.get());
    return;
  }
  // The carrier stays; the former drawing goes with the replacement.
  shown_->SetRep(bag.get());
  iso_->UpdateElement(shown_.get());
}

void ZORGuiCouplingPointSymbol::SetId(const int id) {
  id_ = id;
  idSet_ = 1;
}

HRESULT ZORGuiCouplingPointSymbol::GetId(int& id) const {
  id = idSet_ ? id_ : 0;
  return idSet_ ? S_OK : E_FAIL;
}

void ZORGuiCouplingPointSymbol::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (shown_ && iso_) iso_->RemoveElement(shown_.get());
  shown_ = nullptr;
}

void ZORGuiCouplingPointSymbol::RequestDelayedDestruction() {
  Destroy();
  ZORCommand::RequestDelayedDestruction();
}
