#include "ZORWENUIStateCmdInfo.h"

namespace {

struct Defaults {
  int creationOutsideTAV = 0;
  int shapeFeatureMode = ZORWENUIStateCmdInfo::kGeometricalSetMode;
};

Defaults& TheDefaults() {
  static Defaults defaults;
  return defaults;
}

}  // namespace

ZORWENUIStateCmdInfo::ZORWENUIStateCmdInfo()
    : creationOutsideTAV_(TheDefaults().creationOutsideTAV),
      shapeFeatureMode_(TheDefaults().shapeFeatureMode) {}

void ZORWENUIStateCmdInfo::SetDefaults(int creationOutsideTAV, int shapeFeatureMode) {
  TheDefaults() = {creationOutsideTAV ? 1 : 0, shapeFeatureMode};
}

int ZORWENUIStateCmdInfo::GetDefaultShapeFeatureMode() {
  return TheDefaults().shapeFeatureMode;
}
