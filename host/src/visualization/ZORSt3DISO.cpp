#include "ZORSt3DISO.h"

#include "ZORBackLinks.h"

namespace {

// Each representation with what carries it, so that what shows it is found without a search.
ZORBackLinks<ZOR3DRep, ZORSt3DISO>& Carriers() {
  static ZORBackLinks<ZOR3DRep, ZORSt3DISO> carriers;
  return carriers;
}

}  // namespace

ZORSt3DISO::ZORSt3DISO(ZOR3DRep* rep) : rep_(rep) {
  Carriers().Link(rep, this);
}

ZORSt3DISO::~ZORSt3DISO() {
  Carriers().Unlink(rep_.get(), this);
}

void ZORSt3DISO::SetRep(ZOR3DRep* rep) {
  if (rep == rep_.get()) return;
  Carriers().Unlink(rep_.get(), this);
  Carriers().Link(rep, this);
  rep_ = rep;
}

std::span<ZORSt3DISO* const> ZORSt3DISO::CarriersOf(const ZOR3DRep& rep) {
  return Carriers().HoldersOf(&rep);
}

std::string ZORSt3DISO::Describe() const {
  return std::string("ZORSt3DISO ") + (rep_ ? rep_->Describe() : "(none)");
}
