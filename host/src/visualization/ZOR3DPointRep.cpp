#include "ZOR3DPointRep.h"

#include "ZORString.h"

std::string ZOR3DPointRep::DescribeContent() const {
  return ZORString::Format("pointrep(%g,%g,%g symbol=%d)", point_.GetX(), point_.GetY(),
                           point_.GetZ(), symbol_)
      .str();
}
