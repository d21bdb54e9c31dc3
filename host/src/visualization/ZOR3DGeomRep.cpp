#include "ZOR3DGeomRep.h"

#include "ZORBody.h"

ZOR3DGeomRep::ZOR3DGeomRep(ZORBody& body)
    : geometry_(body.Describe()), dimension_(body.GetHighestDimension()) {
  SetModel(&body);
}
