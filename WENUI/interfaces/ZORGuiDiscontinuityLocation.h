#pragma once
//! \class ZORGuiDiscontinuityLocation
//! Marks one place in the 3D view where a command measured the continuity between two elements:
//! an anchor at the point and a flag saying, for the input and the output, how continuous the
//! place is and by how much it misses. Its colour tells whether the output keeps the input's
//! continuity: 247 the same, 244 another, 246 curvature continuous or suppressed, the colour in
//! error (248) while a type is missing.
//!
//! An interactive location shows its flag only while the cursor is over the anchor. Every
//! setter that changes something redraws; without a current editor the location keeps its data
//! and draws nothing. Requesting the delayed destruction (or deleting it) takes both drawings out
//! of the view and destroys the manipulator.

#include <vector>

#include "ZOR3DCustomRep.h"
#include "ZOR3DManipulator.h"
#include "ZORCommand.h"
#include "ZORISO.h"
#include "ZORMathPoint.h"
#include "ZORSt3DISO.h"
#include "ZORUnicodeString.h"

class ZORGuiDiscontinuityLocation : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORGuiDiscontinuityLocation, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! A gap.
  static constexpr int kPointDiscontinuity = -1;
  //! Point continuous, tangency discontinuous.
  static constexpr int kPointContinuity = 0;
  //! Tangency continuous, curvature discontinuous.
  static constexpr int kTangencyContinuity = 1;
  //! Curvature continuous.
  static constexpr int kCurvatureContinuity = 2;
  //! The element was suppressed.
  static constexpr int kSuppressed = -10;
  //! No type given yet.
  static constexpr int kUnknown = -2;

  //! A location under `father` at `location`, drawn in the current editor's interactive set;
  //! not interactive: the flag is always drawn.
  ZORGuiDiscontinuityLocation(ZORCommand* father, ZORMathPoint location, unsigned char interactive);
  //! Cleans up as the delayed destruction does, when it was not requested.
  ~ZORGuiDiscontinuityLocation() override;

  //! Moves the anchor and the flag.
  void SetLocationPoint(const ZORMathPoint& location);
  //! Where the anchor stands.
  ZORMathPoint GetLocationPoint() const { return location_; }
  //! The input's continuity type and measured deviation.
  void SetInputData(const int& type, const double& value);
  //! The input's continuity type and measured deviation.
  void GetInputData(int& type, double& value) const;
  //! The output's continuity type and measured deviation.
  void SetOutputData(const int& type, const double& value);
  //! The output's continuity type and measured deviation.
  void GetOutputData(int& type, double& value) const;
  //! Draws the anchor (and the flag as the mode says).
  void Show();
  //! Takes the anchor and the flag out of the view.
  void Hide();
  //! Interactive (non-zero): the flag appears only while the anchor is highlighted.
  void SetInteractivity(unsigned char interactive);
  //! Whether the flag appears only while the anchor is highlighted.
  unsigned char GetInteractivity() const { return interactive_; }
  //! The colour used while a type is missing.
  void SetColorInError(int color);
  //! The colour telling the status: E_FAIL with the colour in error while a type is missing.
  HRESULT GetStatusColor(int& color) const;
  //! The flag's text for one continuity: its labels, and the deviation when there is one. Any
  //! other type leaves `text` unchanged.
  void GetContinuityText(const int& type, const double& value, ZORUnicodeString& text) const;
  //! The text of `key` in the catalog "ZORGuiDiscontinuityLocation"; unchanged without it.
  void GetNLSText(const ZORUnicodeString& key, ZORUnicodeString& text) const;
  //! Takes both drawings out of the view and destroys the manipulator, then hands the location
  //! over for destruction.
  void RequestDelayedDestruction() override;

  //! The anchor's drawing in the view, or null.
  ZOR3DCustomRep* GetAnchorRep() const { return anchor_.get(); }
  //! The flag's drawing in the view, or null.
  ZOR3DCustomRep* GetFlagRep() const { return flag_.get(); }

 private:
  void Redraw();
  void DrawAnchor();
  void DrawFlag();
  void RemoveAnchor();
  void RemoveFlag();
  void Subscribe();
  void CleanUp();
  void Highlighted(ZORCommand*, ZORNotification*, ZORCallbackData data);
  ZOR3DCustomRep_var Drawn(int form, int color, const std::vector<ZORUnicodeString>& texts) const;
  ZORVar<ZORSt3DISO> Put(ZOR3DCustomRep* rep);
  void Take(ZORVar<ZORSt3DISO>& element);

  ZORMathPoint location_;
  int inputType_ = kUnknown;
  int outputType_ = kUnknown;
  double inputValue_ = 0;
  double outputValue_ = 0;
  bool highlighted_ = false;
  bool shown_ = true;
  unsigned char interactive_;
  int colorInError_ = 248;
  ZOR3DManipulator* manipulator_ = nullptr;  // named "Warner"; destroyed when this goes
  ZOR3DCustomRep_var anchor_;
  ZOR3DCustomRep_var flag_;
  ZORVar<ZORSt3DISO> flagElement_;
  ZORVar<ZORSt3DISO> anchorElement_;
  ZORVar<ZORISO> iso_;
  std::vector<ZORCallback> callbacks_;
};
