#pragma once
// The current feature of a document and the tool (geometrical set, body, shape body or
// multi-selection's set of results) where new features go.

#include "ZORISpecObject.h"

class ZORGmoUtilitiesWENTool {
 public:
  // The feature new features go after in the document of `object` (any feature of it, or its
  // container): the current editor's current feature when that editor edits this document, the
  // part's in-work object otherwise. Null when there is none.
  static ZORISpecObject_var GetCurrentFeature(const ZORBaseUnknown_var& object);
  // Makes `feature` the current feature of its document, where GetCurrentFeature reads it.
  static HRESULT SetCurrentFeature(const ZORISpecObject_var& feature);

  // The tool that holds the current feature of the container's document (the current feature
  // itself when it is one), passing over the tools that are not a place for new features: private
  // tools, tools kept for a shape body's own features and, with `geometricalSetOnly`, bodies and
  // shape bodies. When none is found and `createIfNone` is set, a new geometrical set is
  // appended under the part, and made the current feature with `makeCurrent`. Null otherwise.
  static ZORISpecObject_var GetCurrentWENTool(const ZORBaseUnknown_var& container,
                                              int geometricalSetOnly, int createIfNone,
                                              int makeCurrent);
};
