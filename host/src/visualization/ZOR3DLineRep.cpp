#include "ZOR3DLineRep.h"

#include "ZORString.h"

std::string ZOR3DLineRep::DescribeContent() const {
  return ZORString::Format("linerep(%g,%g,%g)-(%g,%g,%g) thickness=%d type=%d", start_.GetX(),
                           start_.GetY(), start_.GetZ(), end_.GetX(), end_.GetY(), end_.GetZ(),
                           thickness_, lineType_)
      .str();
}
