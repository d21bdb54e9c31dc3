#include "ZORMecModServices.h"

#include "ZORISpecObject.h"
#include "ZORIWENTool.h"

bool ZORMecModServices::IsPrivateWENTool(const ZORBaseUnknown_var& tool) {
  ZORIWENTool_var wenTool(tool);
  return wenTool && wenTool->IsPrivate();
}

bool ZORMecModServices::IsShapeBody(const ZORBaseUnknown_var& feature) {
  ZORISpecObject_var specObject(feature);
  return specObject && specObject->IsSubTypeOf("ShapeBody");
}
