#include "ZOR3DLineRep.h"

#include "ZORString.h"

std::string ZOR3DLineRep::DescribeContent() const {
  std::string text = ZORString::Format("linerep(%g,%g,%g)-(%g,%g,%g) thickness=%d type=%d",
                                       start_.GetX(), start_.GetY(), start_.GetZ(), end_.GetX(),
                                       end_.GetY(), end_.GetZ(), thickness_, lineType_)
                         .str();
  if (rgb_) text += ZORString::Format(" rgb=%d,%d,%d", (*rgb_)[0], (*rgb_)[1], (*rgb_)[2]).str();
  return text;
}
