#pragma once
// An affine transformation of 3D space: a 3x3 linear part and a translation (identity by
// default). It maps points, vectors, axes, lines and planes; a rotation about a line is one.

#include <cmath>
#include <optional>

#include "ZORMathAxis.h"
#include "ZORMathGlobals.h"
#include "ZORMathLine.h"
#include "ZORMathPlane.h"
#include "ZORMathPoint.h"
#include "ZORMathVector.h"

class ZORMathTransformation {
 public:
  constexpr ZORMathTransformation() = default;
  // Row-major linear part and translation.
  constexpr ZORMathTransformation(const double (&m)[3][3], const ZORMathVector& translation)
      : translation_(translation) {
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) m_[r][c] = m[r][c];
    }
  }
  static constexpr ZORMathTransformation Translation(const ZORMathVector& t) {
    return ZORMathTransformation(kIdentity, t);
  }

  constexpr ZORMathVector Apply(const ZORMathVector& v) const {
    return {Row(0).Dot(v), Row(1).Dot(v), Row(2).Dot(v)};
  }
  constexpr ZORMathPoint Apply(const ZORMathPoint& p) const {
    return ZORMathPoint() + (Apply(p - ZORMathPoint()) + translation_);
  }
  // This transformation after `first`.
  //! The turn by `degrees` about `axis`, right-handed about its direction (a null direction
  //! gives the identity).
  static ZORMathTransformation Rotation(const ZORMathLine& axis, double degrees) {
    const ZORMathVector d = axis.GetDirection();
    if (d.Norm() == 0.0) return {};
    const ZORMathVector k = d.Normalized();
    const double angle = degrees * ZORDegreeToRadian;
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    const double x = k.GetX(), y = k.GetY(), z = k.GetZ();
    const double m[3][3] = {{c + t * x * x, t * x * y - s * z, t * x * z + s * y},
                            {t * x * y + s * z, c + t * y * y, t * y * z - s * x},
                            {t * x * z - s * y, t * y * z + s * x, c + t * z * z}};
    const ZORMathTransformation linear(m, ZORMathVector());
    const ZORMathVector o = axis.GetOrigin() - ZORMathPoint();
    return ZORMathTransformation(m, o - linear.Apply(o));
  }
  //! The axis moved: its origin as a point, its directions as vectors.
  ZORMathAxis Apply(const ZORMathAxis& a) const {
    return {Apply(a.GetOrigin()), Apply(a.GetFirstDirection()), Apply(a.GetSecondDirection()),
            Apply(a.GetThirdDirection())};
  }
  //! The line moved: its origin as a point, its direction as a vector.
  ZORMathLine Apply(const ZORMathLine& l) const {
    return {Apply(l.GetOrigin()), Apply(l.GetDirection())};
  }
  //! The plane moved: its origin as a point, its two directions as vectors.
  ZORMathPlane Apply(const ZORMathPlane& p) const {
    return {Apply(p.GetOrigin()), Apply(p.GetFirstDirection()), Apply(p.GetSecondDirection())};
  }

  constexpr ZORMathTransformation Compose(const ZORMathTransformation& first) const {
    double m[3][3] = {};
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < 3; ++k) m[r][c] += m_[r][k] * first.m_[k][c];
      }
    }
    return ZORMathTransformation(m, Apply(first.translation_) + translation_);
  }
  constexpr double Get(int row, int column) const { return m_[row][column]; }
  constexpr const ZORMathVector& GetTranslation() const { return translation_; }
  constexpr bool IsIdentity() const { return *this == ZORMathTransformation(); }
  // The transformation that undoes this one; none when the linear part is singular.
  constexpr std::optional<ZORMathTransformation> Inverse() const {
    const ZORMathVector c0{m_[0][0], m_[1][0], m_[2][0]};
    const ZORMathVector c1{m_[0][1], m_[1][1], m_[2][1]};
    const ZORMathVector c2{m_[0][2], m_[1][2], m_[2][2]};
    const double det = c0.Dot(c1.Cross(c2));
    if (det == 0.0) return std::nullopt;
    // The rows of the inverse are the cross products of the columns over the determinant.
    const ZORMathVector rows[3] = {c1.Cross(c2), c2.Cross(c0), c0.Cross(c1)};
    double m[3][3] = {};
    for (int r = 0; r < 3; ++r) {
      m[r][0] = rows[r].GetX() / det;
      m[r][1] = rows[r].GetY() / det;
      m[r][2] = rows[r].GetZ() / det;
    }
    const ZORMathTransformation linear(m, ZORMathVector());
    return ZORMathTransformation(m, -linear.Apply(translation_));
  }

  friend constexpr bool operator==(const ZORMathTransformation& a, const ZORMathTransformation& b) {
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) {
        if (a.m_[r][c] != b.m_[r][c]) return false;
      }
    }
    return a.translation_ == b.translation_;
  }

 private:
  static constexpr double kIdentity[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  constexpr ZORMathVector Row(int r) const { return {m_[r][0], m_[r][1], m_[r][2]}; }

  double m_[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  ZORMathVector translation_;
};
