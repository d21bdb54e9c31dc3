#pragma once
// An affine map of 3D space as the visualization holds it: a 4x4 matrix in single precision
// whose last row is (0, 0, 0, 1). Its first three columns are the images of the unit vectors
// (the axes), its fourth the image of the origin. Points and directions are mapped in double
// precision from the stored coefficients, so that a map and its inverse give round trips.

#include <string>

#include "ZORMathPoint.h"
#include "ZORMathPointf.h"
#include "ZORMathVector.h"
#include "ZORMathVectorf.h"

class ZOR4x4Matrix {
 public:
  // The identity.
  ZOR4x4Matrix() = default;
  ZOR4x4Matrix(const ZORMathVectorf& i, const ZORMathVectorf& j, const ZORMathVectorf& k,
               const ZORMathVectorf& origin);

  // Coefficient at (row, column), both 0..3; 0 outside.
  float Get(int row, int column) const;
  // Axis 1..3 (a column of the linear part).
  ZORMathVectorf GetAxis(int axis) const;
  ZORMathVectorf GetOrigin() const { return Column(3); }
  bool IsIdentity() const { return *this == ZOR4x4Matrix(); }

  // Writes the inverse map into `inverse`; answers false, writing nothing, when the linear
  // part is singular.
  bool Inverse(ZOR4x4Matrix& inverse) const;
  ZORMathPoint Transform(const ZORMathPoint& point) const;
  ZORMathPointf Transform(const ZORMathPointf& point) const;
  // Directions are not moved by the translation.
  ZORMathVector TransformDirection(const ZORMathVector& direction) const;

  // "[i=1,0,0 j=0,1,0 k=0,0,1 o=0,0,0]".
  std::string Describe() const;

  friend bool operator==(const ZOR4x4Matrix& a, const ZOR4x4Matrix& b);

 private:
  ZORMathVectorf Column(int column) const;
  ZORMathVector LinearPart(const ZORMathVector& v) const;

  // Rows 0..2; row 3 is (0, 0, 0, 1).
  float m_[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
};
