#pragma once
// What carries a representation into the interactive set of objects: the set shows the
// element's representation while the element is in it. The element holds a reference on its
// representation, which can be replaced.

#include <span>
#include <string>

#include "ZOR3DRep.h"

class ZORSt3DISO : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORSt3DISO, ZORBaseUnknown, ZORMetaObject::Implementation, "Visualization")

  ZORSt3DISO() = default;
  explicit ZORSt3DISO(ZOR3DRep* rep);
  ~ZORSt3DISO() override;
  ZORSt3DISO(const ZORSt3DISO&) = delete;
  ZORSt3DISO& operator=(const ZORSt3DISO&) = delete;

  ZOR3DRep* GetRep() const { return rep_.get(); }
  // Replaces the representation; the old one is released.
  void SetRep(ZOR3DRep* rep);
  //! The carriers of `rep` now, in the order they took it.
  static std::span<ZORSt3DISO* const> CarriersOf(const ZOR3DRep& rep);

  // "ZORSt3DISO " and the representation's description ("(none)" without one).
  std::string Describe() const;

 private:
  void LinkTo(ZOR3DRep* rep);
  void UnlinkFrom(ZOR3DRep* rep);

  ZOR3DRep_var rep_;
};

using ZORSt3DISO_var = ZORVar<ZORSt3DISO>;
