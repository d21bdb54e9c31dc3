#pragma once
// A primitive that draws itself at each draw of each view, knowing the view (a flag that keeps
// facing the screen, a symbol of constant screen size). Subclasses implement ImmediateDraw.

#include "ZORGraphicPrimitive.h"
#include "ZORRender.h"
#include "ZORViewpoint.h"
#include "ZORViewport.h"

class ZORDynamicGP : public ZORGraphicPrimitive {
 public:
  //! Draws with `render` for the view seen from `viewpoint` into `viewport`.
  virtual void ImmediateDraw(ZORRender& render, const ZORViewpoint* viewpoint,
                             const ZORViewport* viewport) = 0;
  //! "dynamic" by default.
  std::string Describe() const override { return "dynamic"; }
};
