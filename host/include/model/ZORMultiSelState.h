#pragma once
// The model of a multi-selection feature, as undo copies it: its entries, real features first.
// A real entry reads its inputs from its real feature; a virtual entry holds them.

#include <vector>

#include "ZORVar.h"

class ZORFeature;

struct ZORMultiSelState {
  struct Entry {
    ZORVar<ZORFeature> real;      // null for a virtual entry
    ZORVar<ZORFeature> input[2];  // virtual entries only
    int previewIndex = 0;
    int previewState = 1;
    int initialPosition = 0;  // among the real features at the start; 0 for none
    bool operator==(const Entry&) const = default;
  };

  std::vector<Entry> entries;
  int realCount = 0;
  ZORVar<ZORFeature> tempChildrenOwner;
  bool operator==(const ZORMultiSelState&) const = default;
};
