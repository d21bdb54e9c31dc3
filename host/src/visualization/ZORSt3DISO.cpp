#include "ZORSt3DISO.h"

std::string ZORSt3DISO::Describe() const {
  return std::string("ZORSt3DISO ") + (rep_ ? rep_->Describe() : "(none)");
}
