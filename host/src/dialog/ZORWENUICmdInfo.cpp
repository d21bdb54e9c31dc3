#include "ZORWENUICmdInfo.h"

void ZORWENUICmdInfo::SetWorkingPart(const ZORPathElement* path) {
  if (path) {
    workingPart_ = *path;
  } else {
    workingPart_.reset();
  }
}
