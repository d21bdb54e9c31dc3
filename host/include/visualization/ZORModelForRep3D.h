#pragma once
// What carries a representation built for a model object into the interactive set: the
// representation (replaced as the object is redrawn) and the object it stands for, held.

#include "ZORSt3DISO.h"

class ZORModelForRep3D : public ZORSt3DISO {
  ZOR_DECLARE_CLASS(ZORModelForRep3D, ZORSt3DISO, ZORMetaObject::Implementation, "Visualization")

  explicit ZORModelForRep3D(ZORBaseUnknown* model = nullptr, ZOR3DRep* rep = nullptr)
      : ZORSt3DISO(rep), model_(model) {}

  ZORBaseUnknown* GetModel() const { return model_.get(); }

 private:
  ZORBaseUnknown_var model_;
};
