#pragma once
// The factory of parameter editors, offered by knowledge parameters (an editor of themselves)
// and by containers (an editor of any parameter).

#include "ZORBaseUnknown.h"
#include "ZORICkeParm.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"

class ZORCkeParamFrame;
class ZORDialog;

class ZORICkeParamFrame : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORICkeParamFrame)

  //! Builds in `parent` an editor of `parameter` (null: the parameter offering this
  //! interface) named `name`; `style` combines ZORCkeWithSpinner and ZORCkeNoLabel, `title`
  //! is the label's text. The parent owns the editor; null without a parameter.
  virtual ZORCkeParamFrame* GetInPanelEdition(const ZORICkeParm_var& parameter, ZORDialog* parent,
                                              const ZORString& name, unsigned long style,
                                              const ZORUnicodeString& title) = 0;
};

ZOR_DEFINE_IID(ZORICkeParamFrame);
using ZORICkeParamFrame_var = ZORVar<ZORICkeParamFrame>;
