#pragma once
// A handle drawn in the 3D view: it carries its representation into the interactive set of
// objects, as any carrier does, and the user points at and clicks what that representation
// draws. It cannot be picked when its representation is marked no-pick or draws nothing
// outside the hidden space.

#include "ZORSt3DISO.h"
#include "ZORVisuHandle.h"

class ZOR3DVisuHandle : public ZORVisuHandle, public ZORSt3DISO {
  ZOR_DECLARE_CLASS(ZOR3DVisuHandle, ZORVisuHandle, ZORMetaObject::Implementation, "Visualization")

  // `father` receives the handle's notifications; `rep` is what the handle shows.
  explicit ZOR3DVisuHandle(ZORCommand* father = nullptr, const ZORString& name = ZORString(),
                           ZOR3DRep* rep = nullptr);
  ~ZOR3DVisuHandle() override;

  bool IsPickable() const override;
};

using ZOR3DVisuHandle_var = ZORVar<ZOR3DVisuHandle>;
