#pragma once
// Turns a picked geometric element that is not a feature (a vertex of a result) into a feature
// of the document, so that commands can take it as an input.

#include "ZORISpecObject.h"

class ZORIFeaturize : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIFeaturize)

  //! Modes: the new feature goes into the tool of the feature the element was picked on.
  static constexpr int MfPermanentBody = 1;

  //! The new feature for the element picked on `context` (the feature whose result holds it);
  //! null when the element cannot become a feature or `context` is not in a document tree.
  virtual ZORISpecObject_var Featurize(ZORBaseUnknown* context, int mode) = 0;
};

ZOR_DEFINE_IID(ZORIFeaturize);
using ZORIFeaturize_var = ZORVar<ZORIFeaturize>;
