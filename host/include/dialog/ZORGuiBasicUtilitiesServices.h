#pragma once
// Where new features go: the current container (the working document's), and the feature and
// multi-selection factories it offers. The working document is the one of the working path when
// one is set and its document is alive, the current editor's otherwise.

#include "ZORIWENFactory.h"
#include "ZORIWENMultiSelFactory.h"
#include "ZORPathElement.h"

class ZORGuiBasicUtilitiesServices {
 public:
  // The current container (it offers ZORIPrtContainer, ZORIWENFactory, ZORIWENMultiSelFactory);
  // null without a working document or when the service fails.
  static ZORBaseUnknown_var GetCurrentContainer();
  static ZORIWENMultiSelFactory_var GetCurrentWENMultiSelFactory();
  static ZORIWENFactory_var GetCurrentWENFactory();
  // The path of the working part: its document becomes the working document. An unset path
  // gives the current editor's document back. E_FAIL for a path that does not end at a part.
  static HRESULT SetWorkingPath(const ZORPathElement& path);
  static const ZORPathElement& GetWorkingPath();
};
