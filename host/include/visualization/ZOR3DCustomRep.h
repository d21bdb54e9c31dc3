#pragma once
// A representation drawn from graphic primitives, each with its graphic attributes, in the
// order they were added. The representation owns its primitives.

#include <memory>
#include <vector>

#include "ZOR3DRep.h"
#include "ZORGraphicAttributeSet.h"
#include "ZORGraphicPrimitive.h"

class ZOR3DCustomRep : public ZOR3DRep {
  ZOR_DECLARE_CLASS(ZOR3DCustomRep, ZOR3DRep, ZORMetaObject::Implementation, "Visualization")

  ZOR3DCustomRep() = default;

  // Takes `primitive` over; null is ignored. Answers the primitive, or null.
  ZORGraphicPrimitive* AddGP(std::unique_ptr<ZORGraphicPrimitive> primitive,
                             const ZORGraphicAttributeSet& attributes = ZORGraphicAttributeSet());
  // Destroys every primitive.
  void Empty() { primitives_.clear(); }
  int GetGPCount() const { return static_cast<int>(primitives_.size()); }
  // The primitive at `position` (1..count) and its attributes; null outside.
  ZORGraphicPrimitive* GetGP(int position) const;
  const ZORGraphicAttributeSet* GetGPAttributes(int position) const;

 protected:
  std::string DescribeContent() const override;

 private:
  struct Entry {
    std::unique_ptr<ZORGraphicPrimitive> primitive;
    ZORGraphicAttributeSet attributes;
  };
  std::vector<Entry> primitives_;
};

using ZOR3DCustomRep_var = ZORVar<ZOR3DCustomRep>;
