#include "ZOR3DFixedArrowGP.h"

#include "ZORString.h"

std::string ZOR3DFixedArrowGP::Describe() const {
  std::string line = "arrow(" + point_.Describe() + " dir=" + direction_.Describe() +
                     ZORString::Format(" size=%d,%d", length_, headSize_).str();
  if (!text_.IsEmpty()) line += " \"" + text_.str() + "\"";
  return line + ")";
}
