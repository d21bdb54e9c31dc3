#pragma once

#include "ZORVar.h"

class ZORMecModServices {
 public:
  // Whether `tool` is a private tool; false for null or for an object that is not a tool.
  static bool IsPrivateWENTool(const ZORBaseUnknown_var& tool);
  // Whether `feature` is a shape body.
  static bool IsShapeBody(const ZORBaseUnknown_var& feature);
};
