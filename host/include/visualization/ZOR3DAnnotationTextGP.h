#pragma once
// A text drawn at a point, anchored by the platform's anchor value (0, 8 ...).

#include <string>

#include "ZORGraphicPrimitive.h"
#include "ZORMathPointf.h"

class ZOR3DAnnotationTextGP : public ZORGraphicPrimitive {
 public:
  ZOR3DAnnotationTextGP(const ZORMathPointf& point, std::string text, int anchor = 0)
      : point_(point), text_(std::move(text)), anchor_(anchor) {}

  const ZORMathPointf& GetPoint() const { return point_; }
  const std::string& GetText() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  int GetAnchor() const { return anchor_; }
  std::string Describe() const override;

 private:
  ZORMathPointf point_;
  std::string text_;
  int anchor_;
};
