#include "ZOR3DMarkerGP.h"

#include "ZORString.h"

std::string ZOR3DMarkerGP::Describe() const {
  return "marker(" + point_.Describe() + ZORString::Format(" symbol=%d)", symbol_).str();
}
