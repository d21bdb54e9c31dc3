#pragma once
// A feature with several possible solutions ("WENPointAlongLine"): it builds one body per
// solution, in the document's geometric factory, and says how each is oriented, so that a
// command can show them all and let the user choose.

#include "ZORBaseUnknown.h"
#include "ZORListPtrZORBody.h"
#include "ZORVar.h"

class ZORIWENPreviewMultiple : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENPreviewMultiple)

  //! Appends one new body per solution to `bodies` (the factory holds them) and gives a new
  //! array of their orientations (the caller deletes it with delete[]; null without solution);
  //! answers the number of solutions. Raises a ZORError when the inputs give none.
  virtual int ComputeSolutions(ZORListPtrZORBody& bodies, int*& orientations) = 0;
};

ZOR_DEFINE_IID(ZORIWENPreviewMultiple);
using ZORIWENPreviewMultiple_var = ZORVar<ZORIWENPreviewMultiple>;
