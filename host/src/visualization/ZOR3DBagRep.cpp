#include "ZOR3DBagRep.h"

#include <algorithm>

ZOR3DBagRep::~ZOR3DBagRep() {
  RemoveAllChildren();
}

void ZOR3DBagRep::SetMatrix(const ZOR4x4Matrix& matrix) {
  if (matrix.IsIdentity()) {
    matrix_.reset();
  } else if (matrix_) {
    *matrix_ = matrix;
  } else {
    matrix_ = std::make_unique<ZOR4x4Matrix>(matrix);
  }
}

const ZOR4x4Matrix& ZOR3DBagRep::GetMatrix() const {
  static const ZOR4x4Matrix identity;
  return matrix_ ? *matrix_ : identity;
}

bool ZOR3DBagRep::IsAncestorOrSelf(const ZOR3DRep* rep) const {
  if (rep == this) return true;
  return std::any_of(fathers_.begin(), fathers_.end(),
                     [rep](const ZOR3DBagRep* father) { return father->IsAncestorOrSelf(rep); });
}

HRESULT ZOR3DBagRep::AddChild(ZOR3DRep* child) {
  if (!child) return E_INVALIDARG;
  if (std::find(child->fathers_.begin(), child->fathers_.end(), this) != child->fathers_.end()) {
    return S_FALSE;
  }
  if (IsAncestorOrSelf(child)) return E_FAIL;
  children_.emplace_back(child);
  child->fathers_.push_back(this);
  return S_OK;
}

HRESULT ZOR3DBagRep::RemoveChild(ZOR3DRep* child) {
  if (!child || std::erase(child->fathers_, this) == 0) return S_FALSE;
  auto it = std::find_if(children_.begin(), children_.end(),
                         [child](const ZOR3DRep_var& c) { return c.get() == child; });
  children_.erase(it);  // the bag's reference goes last: the child may die here
  return S_OK;
}

void ZOR3DBagRep::RemoveAllChildren() {
  for (const ZOR3DRep_var& child : children_) std::erase(child->fathers_, this);
  children_.clear();
}

std::string ZOR3DBagRep::DescribeContent() const {
  std::string line = "bag";
  if (matrix_) line += " matrix=" + matrix_->Describe();
  line += "(";
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (i) line += "; ";
    line += children_[i]->Describe();
  }
  return line + ")";
}
