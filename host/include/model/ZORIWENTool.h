#pragma once
// A tool of the workbench (a geometrical set, a multi-selection's set of results) that can be
// made private: a private tool is not offered to the user as a place for new features.

#include "ZORVar.h"

class ZORIWENTool : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENTool)

  virtual HRESULT SetPrivate(int isPrivate) = 0;
  virtual int IsPrivate() = 0;
  // A tool that stands in a shape body gathers the shape's own features: it is never a place
  // for features made elsewhere.
  virtual HRESULT SetShapeBodyTool(int inShapeBody) = 0;
  virtual int IsShapeBodyTool() = 0;
};

ZOR_DEFINE_IID(ZORIWENTool);
using ZORIWENTool_var = ZORVar<ZORIWENTool>;
