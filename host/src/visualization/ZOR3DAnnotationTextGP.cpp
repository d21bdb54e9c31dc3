#include "ZOR3DAnnotationTextGP.h"

std::string ZOR3DAnnotationTextGP::Describe() const {
  return "text(" + point_.Describe() + " \"" + text_ + "\")";
}
