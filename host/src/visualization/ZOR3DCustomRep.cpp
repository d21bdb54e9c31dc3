#include "ZOR3DCustomRep.h"

#include "ZORString.h"

ZORGraphicPrimitive* ZOR3DCustomRep::AddGP(std::unique_ptr<ZORGraphicPrimitive> primitive,
                                           const ZORGraphicAttributeSet& attributes) {
  if (!primitive) return nullptr;
  primitives_.push_back({std::move(primitive), attributes});
  return primitives_.back().primitive.get();
}

ZORGraphicPrimitive* ZOR3DCustomRep::GetGP(int position) const {
  if (position < 1 || position > GetGPCount()) return nullptr;
  return primitives_[static_cast<std::size_t>(position - 1)].primitive.get();
}

const ZORGraphicAttributeSet* ZOR3DCustomRep::GetGPAttributes(int position) const {
  if (position < 1 || position > GetGPCount()) return nullptr;
  return &primitives_[static_cast<std::size_t>(position - 1)].attributes;
}

std::string ZOR3DCustomRep::DescribeContent() const {
  std::string line = "custom(";
  for (std::size_t i = 0; i < primitives_.size(); ++i) {
    if (i) line += "; ";
    line += primitives_[i].primitive->Describe();
    const int color = primitives_[i].attributes.GetColor();
    if (color >= 0) line += ZORString::Format(" color=%d", color).str();
  }
  return line + ")";
}
