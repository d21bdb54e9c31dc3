#include "ZOR3DBagRep.h"

#include <algorithm>

ZOR3DBagRep::~ZOR3DBagRep() {
  RemoveAllChildren();
}

HRESULT ZOR3DBagRep::AddChild(ZOR3DRep* child) {
  if (!child) return E_INVALIDARG;
  if (child->father_) return E_FAIL;
  for (const ZOR3DRep* r = this; r; r = r->father_) {
    if (r == child) return E_FAIL;
  }
  children_.emplace_back(child);
  child->father_ = this;
  return S_OK;
}

HRESULT ZOR3DBagRep::RemoveChild(ZOR3DRep* child) {
  if (!child || child->father_ != this) return S_FALSE;
  auto it = std::find_if(children_.begin(), children_.end(),
                         [child](const ZOR3DRep_var& c) { return c.get() == child; });
  child->father_ = nullptr;
  children_.erase(it);  // the bag's reference goes last: the child may die here
  return S_OK;
}

void ZOR3DBagRep::RemoveAllChildren() {
  for (const ZOR3DRep_var& child : children_) child->father_ = nullptr;
  children_.clear();
}

std::string ZOR3DBagRep::DescribeContent() const {
  std::string line = "bag";
  if (!matrix_.IsIdentity()) line += " matrix=" + matrix_.Describe();
  line += "(";
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (i) line += "; ";
    line += children_[i]->Describe();
  }
  return line + ")";
}
