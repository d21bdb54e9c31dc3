#pragma once
// What a feature reads on nearly every call: its type (which interfaces it answers), document,
// serial, reference count, state and place. ZORFeature takes it as a base right after its primary
// interface, so that it shares the object's first cache line with that interface's table pointer
// instead of lying past forty of them.

#include <cstdint>

#include "ZORFeaturePlace.h"
#include "ZORFeatureStateAllocator.h"

class ZORDocument;
class ZORFeatureType;

class ZORFeatureCore {
 protected:
  ZORFeatureCore(const ZORFeatureType& type, ZORDocument& document, std::uint32_t serial)
      : type_(&type), document_(&document), serial_(serial) {}

  const ZORFeatureType* type_;
  ZORDocument* document_;
  std::uint32_t serial_;
  // The count of the whole feature, kept here rather than in the base component at the far end
  // of the object: taking and dropping references then touches the line every call reads anyway.
  std::uint32_t featureRefs_ = 1;
  // Shared with the marks taken since it last changed: a mark copies no state.
  ZORSharedFeatureState state_;
  ZORFeaturePlace place_;
  // Where the feature last stood in its father's children and in its document's list, as those
  // lists wrote it (ZORFeatureList): removing or finding it there then reads this line instead
  // of a slot of a table as large as the list. A list checks an entry before trusting it.
  mutable std::uint32_t listEntries_[2] = {0, 0};
};
