#include "ZOR3DRep.h"

#include "ZOR3DBagRep.h"
#include "ZORString.h"

ZOR3DRep::~ZOR3DRep() = default;

std::string ZOR3DRep::Describe() const {
  std::string line = DescribeContent();
  if (color_ >= 0) line += ZORString::Format(" color=%d", color_).str();
  if (noPick_) line += " nopick";
  if (sphere_) {
    line +=
        " sphere=" + sphere_->center.Describe() + ZORString::Format(" r=%g", sphere_->radius).str();
  }
  return line;
}

std::string ZOR3DRep::DescribeContent() const {
  return IsA();
}
