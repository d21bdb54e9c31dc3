#pragma once
// A line representation between two end points, with its thickness and line type, and the
// colour of what it stands for when it was given one.

#include <array>
#include <optional>

#include "ZOR3DRep.h"
#include "ZORMathPoint.h"

class ZOR3DLineRep : public ZOR3DRep {
  ZOR_DECLARE_CLASS(ZOR3DLineRep, ZOR3DRep, ZORMetaObject::Implementation, "Visualization")

  ZOR3DLineRep(const ZORMathPoint& start, const ZORMathPoint& end) : start_(start), end_(end) {}

  const ZORMathPoint& GetStart() const { return start_; }
  const ZORMathPoint& GetEnd() const { return end_; }
  int GetThickness() const { return thickness_; }
  void SetThickness(int thickness) { thickness_ = thickness; }
  int GetLineType() const { return lineType_; }
  void SetLineType(int lineType) { lineType_ = lineType; }
  //! Red, green and blue, each 0..255; none until set.
  const std::optional<std::array<int, 3>>& GetRGB() const { return rgb_; }
  void SetRGB(int red, int green, int blue) { rgb_ = std::array<int, 3>{red, green, blue}; }

 protected:
  std::string DescribeContent() const override;

 private:
  ZORMathPoint start_;
  ZORMathPoint end_;
  int thickness_ = 1;
  int lineType_ = 1;
  std::optional<std::array<int, 3>> rgb_;
};

using ZOR3DLineRep_var = ZORVar<ZOR3DLineRep>;
