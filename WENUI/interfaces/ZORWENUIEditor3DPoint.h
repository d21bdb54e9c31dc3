#pragma once
//! \class ZORWENUIEditor3DPoint
//! A frame that edits a point in three coordinate systems, one tab page each: Cartesian
//! (X, Y, Z), cylindrical (radius, theta, height) and spherical (radius, theta, phi), angles in
//! degrees as ZORMathPoint gives them. Each value is a volatile parameter shown by an editor
//! with a spinner. The page the user leaves drives the two others; a page left without an edit
//! changes nothing, so that going from page to page never moves the point.

#include <array>

#include "ZORDlgFrame.h"
#include "ZORICkeParm.h"
#include "ZORMathPoint.h"

class ZORDlgTabContainer;

class ZORWENUIEditor3DPoint : public ZORDlgFrame {
  ZOR_DECLARE_CLASS(ZORWENUIEditor3DPoint, ZORDlgFrame, ZORMetaObject::Implementation, "WENUI")

  //! The page of cartesian coordinates (X, Y, Z), first in the tab container.
  static constexpr int kCartesian = 0;
  //! The page of cylindrical coordinates (radius, angle, height).
  static constexpr int kCylindrical = 1;
  //! The page of spherical coordinates (radius, two angles).
  static constexpr int kSpherical = 2;

  //! Keeps `point`; nothing is built before Build. `style` gets the grid bit.
  ZORWENUIEditor3DPoint(ZORDialog* parent, const ZORString& name, unsigned long style,
                        const ZORMathPoint& point);
  ~ZORWENUIEditor3DPoint() override;

  //! Builds the tab container "3DPointTab", its three pages and their nine editors; with
  //! `readOnly` no editor takes a change. A second call does nothing.
  void Build(const bool readOnly);
  //! The point, brought up to date from the current page.
  ZORMathPoint GetMath();
  //! Shows `point` on every page; a point that is not finite changes nothing.
  void SetMath(const ZORMathPoint& point);
  //! Callback of the page selection: the page left drives the others, then the notification
  //! goes on to the father.
  void OnSelectTabContainer(ZORCommand* sender, ZORNotification* notification,
                            ZORCallbackData data);
  //! -1: recomputes the cylindrical and spherical values from the point, writing nothing;
  //! 0, 1, 2: reads that page and, when it was edited, writes the two others from it.
  void UpdateData(int page);
  //! The page in front (kCartesian, kCylindrical, kSpherical).
  int GetCurrentPage() const { return page_; }

 private:
  using Triple = std::array<double, 3>;
  using Parameters = std::array<ZORICkeParm_var, 3>;

  void BuildPage(int page, bool readOnly);
  //! Reads a page's parameters (its kept values before Build).
  Triple Read(int page) const;
  //! Writes the kept values of a page into its parameters.
  void Write(int page);

  ZORDlgTabContainer* tabs_ = nullptr;  // a child, owned by the frame
  int page_ = kCartesian;
  ZORMathPoint point_;
  //! Per page: "XParm", "YParm", "ZParm"; "RcParm", "TcParm", "HcParm" (radius, theta,
  //! height); "RsParm", "TsParm", "PsParm" (radius, theta, phi).
  std::array<Parameters, 3> parameters_;
  //! Per page, the values last written into its parameters or taken from them.
  std::array<Triple, 3> values_{};
};
