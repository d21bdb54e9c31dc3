#include "ZOR3DGeomRep.h"

#include "ZORBody.h"
#include "ZORCell.h"

ZOR3DGeomRep::ZOR3DGeomRep(ZORBody& body)
    : geometry_(body.Describe()), dimension_(body.GetHighestDimension()) {
  SetModel(&body);
}

ZOR3DGeomRep::ZOR3DGeomRep(ZORCell& cell)
    : geometry_(cell.Describe()), dimension_(cell.GetDimension()) {
  SetModel(&cell);
  SetNoPick(cell.IsNoPick());
}
