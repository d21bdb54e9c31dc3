#include "ZOR3DLineGP.h"

std::string ZOR3DLineGP::Describe() const {
  return "line(" + start_.Describe() + ")-(" + end_.Describe() + ")";
}
