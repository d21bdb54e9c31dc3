#include "ZORMMServicesForLinearBody.h"

#include "ZORDocument.h"
#include "ZORFeature.h"

namespace {

// The rank of `feature` in the depth-first order of its document's tree from the part; -1 when
// it is not in the tree.
long TreeRank(const ZORFeature* feature) {
  if (!feature || !feature->IsInDocument() || !feature->GetDocument()) return -1;
  long rank = 0;
  long found = -1;
  const auto walk = [&](const auto& self, const ZORFeature* node) -> void {
    if (found >= 0) return;
    if (node == feature) {
      found = rank;
      return;
    }
    ++rank;
    for (const ZORVar<ZORFeature>& child : node->GetChildren()) self(self, child.get());
  };
  walk(walk, feature->GetDocument()->GetPart());
  return found;
}

}  // namespace

int ZORMMServicesForLinearBody::ComparePosition(const ZORPathElement& first,
                                                const ZORPathElement& second, int& order) {
  order = 0;
  const ZORFeature* a = ZORFeature::From(first.GetLeaf().get());
  const ZORFeature* b = ZORFeature::From(second.GetLeaf().get());
  if (!a || !b || a == b || a->GetDocument() != b->GetDocument()) return 0;
  const long rankA = TreeRank(a);
  const long rankB = TreeRank(b);
  if (rankA < 0 || rankB < 0) return 0;
  order = rankB < rankA ? 1 : -1;
  return order > 0 ? 1 : 0;
}
