#pragma once
// Feedback drawn in a site edited in place must land in the site's coordinates: these two
// functions give the matrix from the site's local coordinates to the 3D view's, and set it on a
// bag of representations.

#include "ZOR3DBagRep.h"
#include "ZOR4x4Matrix.h"

//! 1 with `out` set when the current editor edits a site in place; 0 (out unchanged) otherwise.
int ZORWENUIGetConversionMatrix(ZOR4x4Matrix& out);
//! Gives `rep` the conversion matrix when there is one.
void ZORWENUIConvertRep(ZOR3DBagRep* rep);
