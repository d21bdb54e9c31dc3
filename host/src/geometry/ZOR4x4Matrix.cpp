#include "ZOR4x4Matrix.h"

#include <cmath>

ZOR4x4Matrix::ZOR4x4Matrix(const ZORMathVectorf& i, const ZORMathVectorf& j,
                           const ZORMathVectorf& k, const ZORMathVectorf& origin) {
  const ZORMathVectorf columns[4] = {i, j, k, origin};
  for (int c = 0; c < 4; ++c) {
    m_[0][c] = columns[c].GetX();
    m_[1][c] = columns[c].GetY();
    m_[2][c] = columns[c].GetZ();
  }
}

float ZOR4x4Matrix::Get(int row, int column) const {
  if (column < 0 || column > 3 || row < 0 || row > 3) return 0.0f;
  if (row == 3) return column == 3 ? 1.0f : 0.0f;
  return m_[row][column];
}

ZORMathVectorf ZOR4x4Matrix::GetAxis(int axis) const {
  if (axis < 1 || axis > 3) return {};
  return Column(axis - 1);
}

ZORMathVectorf ZOR4x4Matrix::Column(int column) const {
  return {m_[0][column], m_[1][column], m_[2][column]};
}

ZORMathVector ZOR4x4Matrix::LinearPart(const ZORMathVector& v) const {
  const double in[3] = {v.GetX(), v.GetY(), v.GetZ()};
  double out[3] = {0, 0, 0};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) out[r] += static_cast<double>(m_[r][c]) * in[c];
  }
  return {out[0], out[1], out[2]};
}

bool ZOR4x4Matrix::Inverse(ZOR4x4Matrix& inverse) const {
  double a[3][3];
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) a[r][c] = m_[r][c];
  }
  // Adjugate over determinant; the cofactors of row r give column r of the inverse.
  double inv[3][3];
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
      inv[r][c] = a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1];
    }
  }
  const double det = a[0][0] * inv[0][0] + a[0][1] * inv[1][0] + a[0][2] * inv[2][0];
  if (!std::isfinite(det) || std::fabs(det) < 1e-30) return false;

  const ZORMathVector o = Column(3).ToDouble();
  ZOR4x4Matrix result;
  for (int r = 0; r < 3; ++r) {
    double shift = 0.0;
    for (int c = 0; c < 3; ++c) {
      const double value = inv[r][c] / det;
      result.m_[r][c] = static_cast<float>(value);
      shift -= value * (c == 0 ? o.GetX() : c == 1 ? o.GetY() : o.GetZ());
    }
    result.m_[r][3] = static_cast<float>(shift);
  }
  inverse = result;
  return true;
}

ZORMathPoint ZOR4x4Matrix::Transform(const ZORMathPoint& point) const {
  return ZORMathPoint() + (LinearPart(point - ZORMathPoint()) + Column(3).ToDouble());
}

ZORMathPointf ZOR4x4Matrix::Transform(const ZORMathPointf& point) const {
  return ZORMathPointf(Transform(point.ToDouble()));
}

ZORMathVector ZOR4x4Matrix::TransformDirection(const ZORMathVector& direction) const {
  return LinearPart(direction);
}

std::string ZOR4x4Matrix::Describe() const {
  return "[i=" + Column(0).Describe() + " j=" + Column(1).Describe() +
         " k=" + Column(2).Describe() + " o=" + Column(3).Describe() + "]";
}

bool operator==(const ZOR4x4Matrix& a, const ZOR4x4Matrix& b) {
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 4; ++c) {
      if (a.m_[r][c] != b.m_[r][c]) return false;
    }
  }
  return true;
}
