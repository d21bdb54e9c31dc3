#include "ZORSt3DISO.h"

#include <algorithm>

ZORSt3DISO::ZORSt3DISO(ZOR3DRep* rep) : rep_(rep) {
  LinkTo(rep);
}

ZORSt3DISO::~ZORSt3DISO() {
  UnlinkFrom(rep_.get());
}

void ZORSt3DISO::SetRep(ZOR3DRep* rep) {
  if (rep == rep_.get()) return;
  UnlinkFrom(rep_.get());
  LinkTo(rep);
  rep_ = rep;
}

std::span<ZORSt3DISO* const> ZORSt3DISO::CarriersOf(const ZOR3DRep& rep) {
  return rep.carriers_.Span();
}

void ZORSt3DISO::LinkTo(ZOR3DRep* rep) {
  if (rep) rep->carriers_.push_back(this);
}

void ZORSt3DISO::UnlinkFrom(ZOR3DRep* rep) {
  if (!rep) return;
  const auto* tie = std::find(rep->carriers_.begin(), rep->carriers_.end(), this);
  if (tie == rep->carriers_.end()) return;
  rep->carriers_.erase(static_cast<std::size_t>(tie - rep->carriers_.begin()));
}

std::string ZORSt3DISO::Describe() const {
  return std::string("ZORSt3DISO ") + (rep_ ? rep_->Describe() : "(none)");
}
