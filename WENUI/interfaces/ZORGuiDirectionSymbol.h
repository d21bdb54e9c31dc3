#pragma once
//! \class ZORGuiDirectionSymbol
//! Temporary feedback: a fixed-size arrow at a point along a direction, with an optional text,
//! shown in the current editor's interactive set until its owner destroys it. It has no father
//! and no name. Without a current editor it shows nothing.

#include "ZOR3DFixedArrowGP.h"
#include "ZORCommand.h"
#include "ZORMathDirection.h"
#include "ZORMathPoint.h"
#include "ZORWENUIHandleShow.h"

class ZORGuiDirectionSymbol : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORGuiDirectionSymbol, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! Arrow length and head size, in pixels.
  static constexpr int kArrowLength = 15;
  //! Head size of the arrow, in pixels.
  static constexpr int kArrowHead = 5;

  //! Shows the arrow at `point` along `direction`; `owner` is not kept.
  ZORGuiDirectionSymbol(ZORCommand* owner, ZORMathDirection& direction, ZORMathPoint& point);
  //! Destroy.
  ~ZORGuiDirectionSymbol() override;

  //! Writes `text` on the arrow, when there is one.
  void AssociateText(const ZORUnicodeString& text);
  //! Builds the drawing (the arrow, coloured by the colour field).
  void CreateRep();
  //! Takes the drawing out of the interactive set and lets it go.
  virtual void Destroy();
  //! Destroy, then the command's delayed destruction.
  void RequestDelayedDestruction() override;

  //! The drawing shown, null when none.
  ZOR3DCustomRep* GetDrawing() const { return show_.GetDrawing(); }

 private:
  ZORMathPoint point_;
  ZORMathDirection direction_;
  ZOR3DFixedArrowGP* arrow_ = nullptr;  // held by the drawing
  ZORWENUIHandleShow show_;
  unsigned int color_ = 247;
};
