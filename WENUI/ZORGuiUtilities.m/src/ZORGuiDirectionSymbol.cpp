#include "ZORGuiDirectionSymbol.h"

#include <memory>

ZORGuiDirectionSymbol::ZORGuiDirectionSymbol(ZORCommand*, ZORMathDirection& direction,
                                             ZORMathPoint& point)
    : ZORCommand(nullptr, ZORString()), point_(point), direction_(direction) {
  if (show_.GetISO()) CreateRep();
}

ZORGuiDirectionSymbol::~ZORGuiDirectionSymbol() {
  Destroy();
}

void ZORGuiDirectionSymbol::CreateRep() {
  auto drawing = ZORMake<ZOR3DCustomRep>();
  auto arrow = std::make_unique<ZOR3DFixedArrowGP>(
      ZORMathPointf(point_), ZORMathVectorf(direction_), kArrowLength, kArrowHead);
  arrow_ = arrow.get();
  drawing->AddGP(std::move(arrow), ZORWENUIHandleShow::Attributes(false, color_, 0));
  show_.Show(drawing.get(), nullptr);
}

void ZORGuiDirectionSymbol::AssociateText(const ZORUnicodeString& text) {
  if (!arrow_) return;
  arrow_->AssociateText(text);
  if (show_.GetISO() && show_.GetShown()) show_.GetISO()->UpdateElement(show_.GetShown());
}

void ZORGuiDirectionSymbol::Destroy() {
  show_.Clean();
  arrow_ = nullptr;
}

void ZORGuiDirectionSymbol::RequestDelayedDestruction() {
  Destroy();
  ZORCommand::RequestDelayedDestruction();
}
