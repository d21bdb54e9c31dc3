#pragma once
// A temporary symbol showing one body in a colour, in the current editor's interactive set:
// the body a build found in error, or the body that gave it its context. It draws the body's
// own drawing inside a bag of its colour, and can be made not pickable. Its creator lets go of
// it with RequestDelayedDestruction, which takes it out of the view at once. Without a current
// editor it keeps its body and shows nothing.

#include "ZOR3DBagRep.h"
#include "ZOR3DVisuHandle.h"
#include "ZORBody.h"
#include "ZORISO.h"

class ZORGuiBodyInErrorSymbol : public ZOR3DVisuHandle {
  ZOR_DECLARE_CLASS(ZORGuiBodyInErrorSymbol, ZOR3DVisuHandle, ZORMetaObject::Implementation,
                    "Visualization")

  //! The colour of a body in error.
  static constexpr int kErrorColor = 248;
  //! What the bag's children take from it: the colour.
  static constexpr int kInheritColor = 4100;

  //! `father` receives the symbol's notifications (null: none).
  explicit ZORGuiBodyInErrorSymbol(ZORCommand* father = nullptr);
  ~ZORGuiBodyInErrorSymbol() override;

  //! Shows `body` (null: nothing) in place of the previous one.
  void SetBody(ZORBody* body);
  //! The body shown; null when none.
  ZORBody* GetBody() const { return body_.get(); }
  //! The colour of the drawing, redrawn at once.
  void SetColor(int color);
  //! The colour of the drawing.
  int GetColor() const { return color_; }
  //! Whether the user can point at it (0: not), redrawn at once.
  void SetPickable(int pickable);
  //! Takes the symbol out of the view, then hands it over for destruction.
  void RequestDelayedDestruction() override;

 private:
  void Redraw();
  void TakeOut();

  ZORBody_var body_;
  ZORVar<ZORISO> iso_;
  int color_ = kErrorColor;
  bool pickable_ = true;
};

using ZORGuiBodyInErrorSymbol_var = ZORVar<ZORGuiBodyInErrorSymbol>;
