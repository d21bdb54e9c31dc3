#pragma once
//! \class ZORWENUIPickAgent
//! What lies under the mouse in the current viewer, and filters on it: the pick paths of one
//! feature (one per geometry shown), and the cells the paths designate. Not an agent: a command
//! makes one when it needs to look under the pointer. Statuses come from the error-return
//! service.

#include "ZORISpecObject.h"
#include "ZORListPtrZORCell.h"
#include "ZORPickPathList.h"

class ZORViewer;

class ZORWENUIPickAgent {
 public:
  //! Works on the viewer of the current layout, taken now.
  ZORWENUIPickAgent();
  //! Nothing to release: the viewer belongs to the layout.
  virtual ~ZORWENUIPickAgent();

  //! Fills `paths` with what lies under the mouse, within the viewer's pick window. Fails
  //! without a viewer.
  HRESULT GetPickPaths(ZORPickPathList& paths);
  //! Appends to `sorted` the paths of `paths` that show `feature` or its result body, the first
  //! one only for each geometry. Fails for a null feature or no paths.
  HRESULT SortPickPaths(ZORPickPathList& paths, const ZORISpecObject_var& feature,
                        ZORPickPathList& sorted);
  //! Appends to `cells` the cell each path designates, each cell once.
  HRESULT GetPickSubElements(ZORPickPathList& paths, ZORListPtrZORCell& cells);

 private:
  ZORViewer* viewer_;
};
