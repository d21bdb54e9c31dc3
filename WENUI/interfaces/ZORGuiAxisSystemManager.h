#pragma once
//! \class ZORGuiAxisSystemManager
//! Stands between model parameters that hold a point, a vector or a plane in absolute
//! coordinates (the literal parameters) and the volatile parameters a panel shows in the current
//! local axis system (the local parameters): it makes the local ones, converts values between
//! the two sets either way, and tells whether the local axis system is the absolute one.
//!
//! Without an axis-system manager in the current container, conversions copy the values
//! unchanged. Missing parameters and editors are skipped; an editor that was destroyed is left
//! alone. A plane is its normal N in parameters 1-3 and its constant d in parameter 4 (N.X = d).

#include <array>

#include "ZORBaseUnknown.h"
#include "ZORCkeParamFrame.h"
#include "ZORICkeParm.h"
#include "ZORVar.h"

class ZORGuiAxisSystemManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORGuiAxisSystemManager, ZORBaseUnknown, ZORMetaObject::Implementation, "WENUI")

  //! Below this angle between their axes (radians) the local axis system is the absolute one.
  static constexpr double kAngleTolerance = 0.001;
  //! Below this distance between their origins (mm) the local axis system is the absolute one.
  static constexpr double kDistanceTolerance = 0.001;

  ZORGuiAxisSystemManager();
  ~ZORGuiAxisSystemManager() override;

  //! Whether the current editor's local axis system is the absolute one: each direction within
  //! 0.001 rad of its absolute one and the origin within 0.001 of the absolute origin (strictly).
  static bool IsCurrentAxisOIJK();
  //! Stores the literal (absolute) parameters; the fourth may be null.
  void SetLitterals(const ZORICkeParm_var& literal1, const ZORICkeParm_var& literal2,
                    const ZORICkeParm_var& literal3, const ZORICkeParm_var& literal4);
  //! Stores the editors that show the local parameters.
  void SetParamFrames(ZORCkeParamFrame* frame1, ZORCkeParamFrame* frame2, ZORCkeParamFrame* frame3,
                      ZORCkeParamFrame* frame4);
  //! Makes the volatile local parameters "L1vol".."L4vol": kind 0 three lengths of value/1000,
  //! kind 1 three unitless components of the values, another kind none of the three; "L4vol"
  //! always, a length of value4/1000. Returns them through `local1`..`local4`.
  void CreateLocalParams(double value1, double value2, double value3, double value4,
                         ZORICkeParm_var& local1, ZORICkeParm_var& local2, ZORICkeParm_var& local3,
                         ZORICkeParm_var& local4, int kind);
  //! Converts one triple, as a point for `type` 0 and as a vector otherwise, from the local axis
  //! system to absolute for `direction` 1 and the other way otherwise. Without a manager, or for
  //! values that are not finite, the outputs are the inputs.
  static void ConvertCoordinates(int type, int direction, double x, double y, double z, double& ox,
                                 double& oy, double& oz);
  //! Converts the parameters' values: local to literal for `direction` 1, literal to local
  //! otherwise; with `refresh` the editors show the new values. `type` 2 converts a plane.
  void ConvertCoordinates(int type, int direction, int refresh);
  //! Each editor follows the activation of the literal parameter it stands for.
  void ManageStyle();

 private:
  std::array<ZORICkeParm_var, 4> literals_;
  std::array<ZORICkeParm_var, 4> locals_;
  std::array<ZORVar<ZORCkeParamFrame>, 4> frames_;
};
