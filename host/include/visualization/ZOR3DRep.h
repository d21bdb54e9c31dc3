#pragma once
// A 3D representation: what the viewer draws for a model object (a body, a feature) or for a
// temporary drawing. A representation may be held by several bags (a cell's drawing in its
// body's bag and in a temporary bag); each links to it without a reference. It stands for its
// model without holding it either, and the model's visualization forgets it when the model goes.
// What carries it into the interactive set links to it too, holding a reference.

#include <optional>
#include <string>
#include <vector>

#include "ZORInlineVector.h"
#include "ZORMathPointf.h"
#include "ZORRep.h"

// The sphere that bounds what a representation draws.
struct ZOR3DBoundingSphere {
  ZORMathPointf center;
  float radius = 0.0f;
};

class ZOR3DBagRep;
class ZORSt3DISO;

class ZOR3DRep : public ZORRep {
  ZOR_DECLARE_CLASS(ZOR3DRep, ZORRep, ZORMetaObject::Implementation, "Visualization")

  ZOR3DRep() = default;
  ~ZOR3DRep() override;

  // The object this representation stands for (its model identifier); null for a temporary
  // drawing or once the model is gone.
  ZORBaseUnknown* GetModel() const { return model_; }
  void SetModel(ZORBaseUnknown* model) { model_ = model; }

  //! The first bag that holds it, null when none.
  ZOR3DBagRep* GetFatherRep() const { return fathers_.empty() ? nullptr : fathers_.front(); }
  //! Every bag that holds it, in the order they took it.
  const std::vector<ZOR3DBagRep*>& GetFatherReps() const { return fathers_; }

  // Graphic attributes: colour index (-1 none), what is inherited from the father (mode bits),
  // whether it can be picked, its bounding sphere.
  int GetColor() const { return color_; }
  void SetColor(int color) { color_ = color; }
  int GetInheritanceMode() const { return inheritance_; }
  void SetInheritanceMode(int mode) { inheritance_ = mode; }
  bool IsNoPick() const { return noPick_; }
  void SetNoPick(bool noPick) { noPick_ = noPick; }
  const std::optional<ZOR3DBoundingSphere>& GetBoundingElement() const { return sphere_; }
  void SetBoundingElement(const ZOR3DBoundingSphere& sphere) { sphere_ = sphere; }

  // One line describing what is drawn: the class's own part, then the attributes that are set.
  std::string Describe() const;

 protected:
  // What this kind of representation draws ("point(1,2,3)", "bag(...)").
  virtual std::string DescribeContent() const;

 private:
  friend class ZOR3DBagRep;
  friend class ZORSt3DISO;

  ZORBaseUnknown* model_ = nullptr;
  std::vector<ZOR3DBagRep*> fathers_;
  // Kept here, not in a table of all representations: carrying one touches only what is carried.
  ZORInlineVector<ZORSt3DISO*, 1> carriers_;
  int color_ = -1;
  int inheritance_ = 0;
  bool noPick_ = false;
  std::optional<ZOR3DBoundingSphere> sphere_;
};

using ZOR3DRep_var = ZORVar<ZOR3DRep>;
