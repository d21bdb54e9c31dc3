#pragma once
//! \class ZORGuiCheckErrorViewer
//! A temporary representation that shows where check errors lie: each domain of a defect body
//! is drawn in the bag, with a flag at its centre of gravity carrying the error's texts. An
//! error that has no defect to show goes to the error panel instead.
//!
//! Appends come between the bag's Initialize and Update, which shows what was appended.

#include "ZORGuiBagRep.h"
#include "ZORGuiChecksError.h"

class ZORGuiCheckErrorViewer : public ZORGuiBagRep {
 public:
  //! A viewer on the current editor's interactive set (none: every Append fails).
  ZORGuiCheckErrorViewer();
  //! Takes the shown errors out of the view.
  ~ZORGuiCheckErrorViewer() override;

  using ZORGuiBagRep::Append;
  //! Shows a gathering error's sub-errors, a check error's defect, or any other error in the
  //! error panel; success unless `error` is null.
  HRESULT Append(ZORError* error);
  //! Draws the domains of the defect body, each flagged with the error's request and diagnostic
  //! (those not empty). Without a body the error goes to the panel and the answer is a failure;
  //! a body without domain goes to the panel too.
  HRESULT Append(ZORGuiCheckError* error);
  //! Shows each sub-error in order; without any, the error itself goes to the panel.
  HRESULT Append(ZORGuiChecksError* error);
};
