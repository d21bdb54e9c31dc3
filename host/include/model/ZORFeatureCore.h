#pragma once
// What a feature reads on nearly every call: its type (which interfaces it answers), document,
// serial, state and place. ZORFeature takes it as a base right after its primary interface, so that
// it shares the object's first cache line with that interface's table pointer instead of lying past
// forty of them.

#include "ZORFeaturePlace.h"
#include "ZORFeatureStateAllocator.h"

class ZORDocument;
class ZORFeatureType;

class ZORFeatureCore {
 protected:
  ZORFeatureCore(const ZORFeatureType& type, ZORDocument& document, unsigned long serial)
      : type_(&type), document_(&document), serial_(serial) {}

  const ZORFeatureType* type_;
  ZORDocument* document_;
  unsigned long serial_;
  // Shared with the marks taken since it last changed: a mark copies no state.
  ZORSharedFeatureState state_;
  ZORFeaturePlace place_;
};
