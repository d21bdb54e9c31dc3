#pragma once
// A group of representations drawn together, in the order they were added, under one matrix
// (the identity unless set). The bag holds a reference on each child; a child may be held by
// other bags too, but once by each.

#include <memory>
#include <vector>

#include "ZOR3DRep.h"
#include "ZOR4x4Matrix.h"

class ZOR3DBagRep : public ZOR3DRep {
  ZOR_DECLARE_CLASS(ZOR3DBagRep, ZOR3DRep, ZORMetaObject::Implementation, "Visualization")

  ZOR3DBagRep() = default;
  ~ZOR3DBagRep() override;

  // S_OK when added; E_INVALIDARG for null; S_FALSE when it is a child already; E_FAIL for
  // the bag itself or for one of its ancestors (a cycle).
  HRESULT AddChild(ZOR3DRep* child);
  // S_OK when removed, S_FALSE when it is not a child of this bag.
  HRESULT RemoveChild(ZOR3DRep* child);
  void RemoveAllChildren();
  const std::vector<ZOR3DRep_var>& GetChildren() const { return children_; }
  int GetChildCount() const { return static_cast<int>(children_.size()); }

  // The map from the bag's coordinates to its father's (or the view's).
  void SetMatrix(const ZOR4x4Matrix& matrix);
  const ZOR4x4Matrix& GetMatrix() const;

 protected:
  std::string DescribeContent() const override;

 private:
  // Whether `rep` is this bag or holds it, through any chain of bags.
  bool IsAncestorOrSelf(const ZOR3DRep* rep) const;

  std::vector<ZOR3DRep_var> children_;
  // Null for the identity: most bags never move, and a matrix is larger than the rest of the bag.
  std::unique_ptr<ZOR4x4Matrix> matrix_;
};

using ZOR3DBagRep_var = ZORVar<ZOR3DBagRep>;
