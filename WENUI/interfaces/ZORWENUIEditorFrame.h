#pragma once
//! \class ZORWENUIEditorFrame
//! The current editor's frame, as a 3D handle uses it: handles keep their points in the
//! model's frame while their manipulators live in the editor's, so every point, vector, axis,
//! line or plane crossing between them is mapped here. Without an editor, or with an identity
//! or singular transformation, both ways leave things as they are. Also the model's size, the
//! bound of positions read from a manipulator.

#include <optional>

#include "ZORMathAxis.h"
#include "ZORMathTransformation.h"

class ZORWENUIEditorFrame {
 public:
  //! Positions read from a manipulator are kept within this bound without a geometric factory.
  static constexpr double kDefaultModelSize = 1000000.0;

  //! The current editor's transformation and the current geometric factory's model size
  //! (`defaultSize` without a factory).
  explicit ZORWENUIEditorFrame(double defaultSize = kDefaultModelSize);

  //! 1 when the editor's transformation is not the identity (and can be inverted).
  int IsTransformed() const { return inverse_ ? 1 : 0; }
  //! The editor's transformation (the identity without an editor).
  const ZORMathTransformation& GetTransformation() const { return transformation_; }
  //! The model's size: the bound of each coordinate.
  double GetModelSize() const { return modelSize_; }

  //! `x` (a point, vector, axis, line or plane) from the model's frame into the editor's.
  template <class T>
  T ToEditor(const T& x) const {
    return inverse_ ? transformation_.Apply(x) : x;
  }
  //! `x` from the editor's frame back into the model's.
  template <class T>
  T ToModel(const T& x) const {
    return inverse_ ? inverse_->Apply(x) : x;
  }
  //! `axis` with each coordinate of its origin brought within [-bound, bound].
  static ZORMathAxis Clamped(const ZORMathAxis& axis, double bound);

 private:
  ZORMathTransformation transformation_;
  std::optional<ZORMathTransformation> inverse_;
  double modelSize_;
};
